// A lit red sphere in front of the camera: red where it is, the background elsewhere.
#include <gtest/gtest.h>

#include "object_test_support.h"
#include "objects/Light.h"
#include "objects/BoxObject.h"
#include "objects/SphereObject.h"

#include <cmath>

namespace {

TEST(ShapePicture, LitRedSphereShowsRedAtTheCentreAndTheBackgroundAtACorner)
{
    DWORD centre = 0, corner = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetAmbientLight(0);
        screen.SetBackgroundColor(0xFF000080);
        screen.SetCamera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        CLight light;  // white, shining away from the camera onto the sphere's near side
        light.SetProperties(D3DLIGHT_DIRECTIONAL, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0, 1, 0, 0, 0, 0, 0);
        light.SetRotation(0, 0, 1);
        light.Init();
        light.Enable(1);
        CSphereObject sphere;
        sphere.SetSliceNumber(24);
        sphere.SetStackNumber(24);
        sphere.Init();
        // Red vertex colours and materials, nothing emitted: only the light makes it show.
        sphere.SetColor({1, 0, 0, 1}, 0);
        sphere.SetSpecularColor({0, 0, 0, 1}, 0);
        sphere.SetEmissiveColor({0, 0, 0, 1}, 0);
        sphere.SetPosition(0, 0, 5);
        screen.BeginScene();
        sphere.Render();
        screen.EndScene();
        centre = FrontPixel(320, 240);
        corner = FrontPixel(5, 5);
        sphere.CleanUp();
        light.CleanUp();
        screen.SetAmbientLight(1);
    });
    EXPECT_GE((centre >> 16) & 0xFF, 0xE0u) << std::hex << centre;
    EXPECT_LE((centre >> 8) & 0xFF, 0x10u) << std::hex << centre;
    EXPECT_LE(centre & 0xFF, 0x10u) << std::hex << centre;
    EXPECT_EQ(corner & 0xFFFFFF, 0x000080u) << std::hex << corner;
}

}  // namespace

namespace {

TEST(ShapePicture, LitBoxFaceTakesTheCosineOfTheLightsAngle)
{
    DWORD straight = 0, slanted = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetAmbientLight(0);
        screen.SetBackgroundColor(0xFF000000);
        screen.SetCamera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        CBoxObject box;
        box.Init();
        box.SetColor({0, 1, 0, 1}, 0);
        box.SetSpecularColor({0, 0, 0, 1}, 0);
        box.SetEmissiveColor({0, 0, 0, 1}, 0);
        box.SetPosition(0, 0, 5);
        CLight light;
        light.SetProperties(D3DLIGHT_DIRECTIONAL, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0, 1, 0, 0, 0, 0, 0);
        for (int pass = 0; pass < 2; ++pass) {
            // Straight onto the face the camera sees, then 60 degrees off it.
            if (pass == 0)
                light.SetRotation(0, 0, 1);
            else
                light.SetRotation(std::sin(D3DX_PI / 3), 0, std::cos(D3DX_PI / 3));
            light.Init();
            screen.BeginScene();
            box.Render();
            screen.EndScene();
            (pass == 0 ? straight : slanted) = FrontPixel(320, 240);
            light.CleanUp();
        }
        box.CleanUp();
        screen.SetAmbientLight(1);
    });
    EXPECT_GE((straight >> 8) & 0xFF, 0xF8u) << std::hex << straight;
    // cos 60 = 0.5, times 1.25: the screen's views scale camera space by 0.8, so the normals, turned
    // by the inverse transpose and not renormalised (NORMALIZENORMALS is off), come out 1.25 long.
    EXPECT_NEAR(static_cast<int>((slanted >> 8) & 0xFF), 159, 4) << std::hex << slanted;
    EXPECT_LE((slanted >> 16) & 0xFF, 0x04u) << std::hex << slanted;
}

}  // namespace
