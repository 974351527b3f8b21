// Lights: the record reaches its slot at Init only; Enable acts at once.
#include <gtest/gtest.h>

#include "objects/Light.h"
#include "screen_run.h"

namespace {

TEST(Light, TheLastInitialisedOwnsTheSlotAndSettersWaitForInit)
{
    D3DLIGHT8 afterInit{}, afterMove{};
    BOOL off = TRUE, on = FALSE;
    RunScreen({}, [&] {
        IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
        CLight red, blue;
        red.SetProperties(D3DLIGHT_POINT, {1, 0, 0, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, 50, 1, 1, 0, 0, 0, 0);
        blue.SetProperties(D3DLIGHT_DIRECTIONAL, {0, 0, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0, 1, 0, 0, 0, 0, 0);
        red.Init();
        blue.Init();
        device->GetLight(0, &afterInit);
        blue.SetPosition(5, 6, 7);
        device->GetLight(0, &afterMove);
        blue.Enable(0);
        device->GetLightEnable(0, &off);
        blue.Enable(1);
        device->GetLightEnable(0, &on);
        red.CleanUp();
        blue.CleanUp();
    });
    EXPECT_EQ(afterInit.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_EQ(afterInit.Diffuse.b, 1.0f);
    EXPECT_EQ(afterMove.Position.x, 0.0f);  // unchanged until the next Init
    EXPECT_FALSE(off);
    EXPECT_TRUE(on);
}

TEST(Light, DefaultsAreAWhiteLightShiningDown)
{
    D3DLIGHT8 light{};
    RunScreen({}, [&] {
        CLight fresh;
        fresh.SetIndex(3);
        fresh.Init();
        CScreen::Instance().GetD3DDevice()->GetLight(3, &light);
        fresh.CleanUp();
    });
    EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_EQ(light.Diffuse.r, 1.0f);
    EXPECT_EQ(light.Direction.y, -1.0f);
    EXPECT_EQ(light.Falloff, 1.0f);
    EXPECT_EQ(light.Ambient.r, 0.0f);
}

}  // namespace
