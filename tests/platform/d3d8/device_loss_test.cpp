// Device loss and Reset: what a lost device answers, and what Reset needs and restores.
#include "d3d8_hooks.h"
#include "device_fixture.h"

namespace d3d8_test {
namespace {

using DeviceLossTest = DeviceTest;

TEST_F(DeviceLossTest, ForcedLossRunsTheCooperativeLevelSequence)
{
    EXPECT_EQ(device->TestCooperativeLevel(), D3D_OK);
    platform::ForceDeviceLoss(device);
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICELOST);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(device->Reset(&params), D3DERR_DEVICELOST);
    platform::RestoreDevice(device);
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    ASSERT_EQ(device->Reset(&params), D3D_OK);
    EXPECT_EQ(device->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
}

TEST_F(DeviceLossTest, LostDeviceDrawsNothing)
{
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    platform::ForceDeviceLoss(device);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0), D3D_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels[0], 0xFF0000FFu);
}

TEST_F(DeviceLossTest, ResetFailsWhileADefaultPoolTextureLives)
{
    ASSERT_EQ(device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE), D3D_OK);
    ASSERT_EQ(device->SetTextureStageState(0, D3DTSS_MAGFILTER, D3DTEXF_LINEAR), D3D_OK);
    D3DMATRIX world{};
    world._11 = 3.0f;
    ASSERT_EQ(device->SetTransform(D3DTS_WORLD, &world), D3D_OK);
    ASSERT_EQ(device->LightEnable(0, TRUE), D3D_OK);
    IDirect3DTexture8* target = nullptr;
    ASSERT_EQ(device->CreateTexture(64, 64, 1, D3DUSAGE_RENDERTARGET, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT, &target),
              D3D_OK);
    IDirect3DTexture8* managed = nullptr;
    ASSERT_EQ(device->CreateTexture(64, 64, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED, &managed), D3D_OK);
    EXPECT_EQ(platform::LiveDefaultPoolResources(device), 1);

    platform::ForceDeviceLoss(device);
    platform::RestoreDevice(device);
    EXPECT_EQ(device->Reset(&params), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
    EXPECT_EQ(target->Release(), 0u);
    EXPECT_EQ(platform::LiveDefaultPoolResources(device), 0);
    ASSERT_EQ(device->Reset(&params), D3D_OK);

    DWORD value = 0;
    ASSERT_EQ(device->GetRenderState(D3DRS_CULLMODE, &value), D3D_OK);
    EXPECT_EQ(value, DWORD(D3DCULL_CCW));
    ASSERT_EQ(device->GetTextureStageState(0, D3DTSS_MAGFILTER, &value), D3D_OK);
    EXPECT_EQ(value, DWORD(D3DTEXF_POINT));
    ASSERT_EQ(device->GetTransform(D3DTS_WORLD, &world), D3D_OK);
    EXPECT_EQ(world._11, 1.0f);
    BOOL enabled;
    EXPECT_EQ(device->GetLightEnable(0, &enabled), D3DERR_INVALIDCALL);
    // Managed resources survive a reset.
    D3DLOCKED_RECT locked;
    EXPECT_EQ(managed->LockRect(0, &locked, nullptr, 0), D3D_OK);
    managed->UnlockRect(0);
    managed->Release();
}

TEST_F(DeviceLossTest, HeldBackBufferAndDepthSurfacesBlockReset)
{
    IDirect3DSurface8* back = nullptr;
    IDirect3DSurface8* depth = nullptr;
    ASSERT_EQ(device->GetRenderTarget(&back), D3D_OK);
    ASSERT_EQ(device->GetDepthStencilSurface(&depth), D3D_OK);
    EXPECT_EQ(platform::LiveDefaultPoolResources(device), 2);
    EXPECT_EQ(device->Reset(&params), D3DERR_INVALIDCALL);
    back->Release();
    EXPECT_EQ(device->Reset(&params), D3DERR_INVALIDCALL);
    depth->Release();
    EXPECT_EQ(device->Reset(&params), D3D_OK);
}

TEST_F(DeviceLossTest, BindingsAloneDoNotBlockReset)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(device->CreateTexture(16, 16, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture), D3D_OK);
    IDirect3DVertexBuffer8* buffer = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(64, 0, D3DFVF_XYZ, D3DPOOL_DEFAULT, &buffer), D3D_OK);
    ASSERT_EQ(device->SetTexture(0, texture), D3D_OK);
    ASSERT_EQ(device->SetStreamSource(0, buffer, 12), D3D_OK);
    EXPECT_EQ(device->Reset(&params), D3DERR_INVALIDCALL);
    // Released by the application but still bound, as the last draw of a frame leaves them.
    texture->Release();
    buffer->Release();
    EXPECT_EQ(platform::LiveDefaultPoolResources(device), 0);
    ASSERT_EQ(device->Reset(&params), D3D_OK);
    IDirect3DBaseTexture8* bound = reinterpret_cast<IDirect3DBaseTexture8*>(1);
    ASSERT_EQ(device->GetTexture(0, &bound), D3D_OK);
    EXPECT_EQ(bound, nullptr);
}

class FullscreenLossTest : public DeviceTest {
protected:
    void SetUp() override
    {
        d3d = Direct3DCreate8(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        window = CreateTestWindow(WS_POPUP);
        ASSERT_NE(window, nullptr);
        params = FullscreenParameters(320, 240, D3DFMT_R5G6B5);
        ASSERT_EQ(CreateDevice(params), D3D_OK);
    }
};

TEST_F(FullscreenLossTest, LosingTheForegroundLosesTheDeviceUntilReset)
{
    IDirect3DSurface8* back = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    D3DSURFACE_DESC desc;
    back->GetDesc(&desc);
    back->Release();
    EXPECT_EQ(desc.Width, 320u);
    EXPECT_EQ(desc.Format, D3DFMT_R5G6B5);

    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    platform::SimulateAppFocus(nullptr);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICELOST);
    EXPECT_EQ(device->Reset(&params), D3DERR_DEVICELOST);
    platform::SimulateAppFocus(window);
    // Focus alone does not bring the device back: it waits for Reset.
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_DEVICELOST);
    ASSERT_EQ(device->Reset(&params), D3D_OK);
    EXPECT_EQ(device->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
}

TEST_F(FullscreenLossTest, ForcedLossEndsWhenFocusReturns)
{
    platform::ForceDeviceLoss(device);
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICELOST);
    platform::SimulateAppFocus(nullptr);
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICELOST);
    platform::SimulateAppFocus(window);
    EXPECT_EQ(device->TestCooperativeLevel(), D3DERR_DEVICENOTRESET);
}

TEST_F(DeviceLossTest, WindowedDeviceIgnoresFocus)
{
    platform::SimulateAppFocus(nullptr);
    EXPECT_EQ(device->TestCooperativeLevel(), D3D_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
}

}  // namespace
}  // namespace d3d8_test
