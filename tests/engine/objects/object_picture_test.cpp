// Pictures drawn by objects: the default plane's texture fills the viewport upright, and each face
// range shows its own material.
#include <gtest/gtest.h>

#include <memory>

#include "object_test_support.h"
#include "objects/PlaneObject.h"

namespace {

// A 2 x 2 texture: red, green on the top row, blue, white below.
IDirect3DTexture8* QuadrantTexture()
{
    IDirect3DTexture8* texture = nullptr;
    D3DXCreateTexture(Device(), 2, 2, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture);
    D3DLOCKED_RECT locked{};
    texture->LockRect(0, &locked, nullptr, 0);
    DWORD* top = static_cast<DWORD*>(locked.pBits);
    DWORD* bottom = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + locked.Pitch);
    top[0] = 0xFFFF0000;
    top[1] = 0xFF00FF00;
    bottom[0] = 0xFF0000FF;
    bottom[1] = 0xFFFFFFFF;
    texture->UnlockRect(0);
    return texture;
}

TEST(ObjectPicture, DefaultPlaneFillsTheViewportWithItsTextureUpright)
{
    DWORD topLeft = 0, topRight = 0, bottomLeft = 0, bottomRight = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        IDirect3DTexture8* texture = QuadrantTexture();
        CPlaneObject plane;
        plane.Init();
        plane.SetTexture(texture, 0);
        screen.SetBackgroundColor(0xFF000000);
        screen.BeginScene();
        plane.Render();
        screen.EndScene();
        topLeft = FrontPixel(160, 120);
        topRight = FrontPixel(480, 120);
        bottomLeft = FrontPixel(160, 360);
        bottomRight = FrontPixel(480, 360);
        plane.CleanUp();
        Device()->SetTexture(0, nullptr);
        texture->Release();
    });
    EXPECT_EQ(topLeft & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(topRight & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(bottomLeft & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(bottomRight & 0xFFFFFF, 0xFFFFFFu);
}

TEST(ObjectPicture, EachFaceRangeIsLitByItsOwnMaterial)
{
    DWORD left = 0, right = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetAmbientLight(0);
        // Four triangles: faces 0-1 cover the left half of the unit square, faces 2-3 the right half.
        std::unique_ptr<CTestMesh> mesh(new CTestMesh(
            {Vertex(-0.5f, 0.5f, 0.5f), Vertex(0, 0.5f, 0.5f), Vertex(-0.5f, -0.5f, 0.5f), Vertex(0, -0.5f, 0.5f),
             Vertex(0.5f, 0.5f, 0.5f), Vertex(0.5f, -0.5f, 0.5f)},
            {0, 1, 3, 0, 3, 2, 1, 4, 5, 1, 5, 3}));
        mesh->SetNumberMaterials(2);
        mesh->SetMaterialIndex(0, 2);
        for (int i = 0; i < 2; ++i) {
            mesh->SetDiffuseColor({0, 0, 0, 1}, i);
            mesh->SetAmbientColor({0, 0, 0, 1}, i);
            mesh->SetSpecularColor({0, 0, 0, 1}, i);
        }
        mesh->SetEmissiveColor({1, 0, 0, 1}, 0);
        mesh->SetEmissiveColor({0, 1, 0, 1}, 1);
        mesh->SetProjectionMode(CBaseObject::PM_UNIT);
        mesh->EnableCulling(false);
        mesh->Init();
        screen.BeginScene();
        mesh->Render();
        screen.EndScene();
        left = FrontPixel(160, 240);
        right = FrontPixel(480, 240);
        mesh->CleanUp();
        screen.SetAmbientLight(1);
    });
    EXPECT_EQ(left & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(right & 0xFFFFFF, 0x00FF00u);
}

}  // namespace
