// Render-to-texture: the texture and its window, the pass's target and viewport, blur and feedback.
#include <gtest/gtest.h>

#include "d3d8_hooks.h"
#include "screen_run.h"

namespace {

void Frame()
{
    CScreen::Instance().BeginScene(true);
    CScreen::Instance().EndScene(true);
}

// The texture coordinates of the plane's vertices at its corners.
struct UvRange {
    float u0 = 9, v0 = 9, u1 = -9, v1 = -9;
};

UvRange PlaneWindow(CPlaneObject& plane)
{
    UvRange range;
    unsigned long count = 0;
    S3DVERTEX* vertices = plane.LockVB(count);
    if (!vertices)
        return range;
    for (unsigned long i = 0; i < count; ++i) {
        range.u0 = std::min(range.u0, vertices[i].tu);
        range.v0 = std::min(range.v0, vertices[i].tv);
        range.u1 = std::max(range.u1, vertices[i].tu);
        range.v1 = std::max(range.v1, vertices[i].tv);
    }
    plane.UnlockVB(false);
    return range;
}

TEST(RenderTexture, At640x480TheTextureIs1024x512AndThePlaneShowsItsUsedPart)
{
    D3DSURFACE_DESC targetDesc{};
    D3DVIEWPORT8 passViewport{};
    UvRange window, blurred;
    RunScreen({true, RES_640x480, false, "RTT"}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 1.0f);
        screen.RenderOnTexture(true);
        window = PlaneWindow(screen.GetTexturePlane());
        screen.BeginScene(true);
        IDirect3DSurface8* target = nullptr;
        screen.GetD3DDevice()->GetRenderTarget(&target);
        target->GetDesc(&targetDesc);
        target->Release();
        screen.EndScene(true);
        screen.SetBlurFactor(0.5f, 0.5f);
        blurred = PlaneWindow(screen.GetTexturePlane());
        screen.BeginScene(true);
        screen.GetD3DDevice()->GetViewport(&passViewport);
        screen.EndScene(true);
        screen.SetBlurFactor(0.0f, 0.0f);
        screen.RenderOnTexture(false);
        Frame();
    });
    EXPECT_EQ(targetDesc.Width, 1024u);
    EXPECT_EQ(targetDesc.Height, 512u);
    EXPECT_NEAR(window.u0, 0.001f, 1e-5f);
    EXPECT_NEAR(window.v0, 0.001f, 1e-5f);
    EXPECT_NEAR(window.u1, 0.624f, 1e-4f);
    EXPECT_NEAR(window.v1, 0.9365f, 1e-4f);
    EXPECT_NEAR(blurred.u1, 0.3115f, 1e-4f);
    EXPECT_NEAR(blurred.v1, 0.467750f, 1e-4f);
    EXPECT_EQ(passViewport.Width, 320u);
    EXPECT_EQ(passViewport.Height, 240u);
}

TEST(RenderTexture, TheFrameEndsOnTheBackBufferAndTheModeSurvivesADeviceLoss)
{
    bool backAfterFrame = false, textureAfterReset = false;
    RunScreen({true, RES_640x480, false, "RTT loss"}, [&] {
        CScreen& screen = CScreen::Instance();
        IDirect3DDevice8* device = screen.GetD3DDevice();
        screen.SetCamera(0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 1.0f);
        screen.RenderOnTexture(true);
        Frame();
        IDirect3DSurface8* backBuffer = nullptr;
        IDirect3DSurface8* target = nullptr;
        device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
        device->GetRenderTarget(&target);
        backAfterFrame = target == backBuffer;
        target->Release();
        backBuffer->Release();
        platform::ForceDeviceLoss(device);
        Frame();
        platform::RestoreDevice(device);
        Frame();
        screen.BeginScene(true);
        device->GetRenderTarget(&target);
        D3DSURFACE_DESC desc{};
        target->GetDesc(&desc);
        target->Release();
        textureAfterReset = desc.Width == 1024 && desc.Height == 512;
        screen.EndScene(true);
        screen.RenderOnTexture(false);
    });
    EXPECT_TRUE(backAfterFrame);
    EXPECT_TRUE(textureAfterReset);
}

}  // namespace
