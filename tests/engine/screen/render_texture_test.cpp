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

TEST(RenderTexture, ASizeOutsideTheTableGetsTheNextPowersOfTwo)
{
    D3DSURFACE_DESC backDesc{}, targetDesc{};
    int width = 0, height = 0;
    ScreenSettings settings;
    settings.customWidth = 960;
    settings.customHeight = 720;
    RunScreen(settings, [&] {
        CScreen& screen = CScreen::Instance();
        width = screen.GetXResolution();
        height = screen.GetYResolution();
        IDirect3DSurface8* back = nullptr;
        screen.GetD3DDevice()->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back);
        back->GetDesc(&backDesc);
        back->Release();
        screen.RenderOnTexture(true);
        screen.BeginScene(true);
        IDirect3DSurface8* target = nullptr;
        screen.GetD3DDevice()->GetRenderTarget(&target);
        target->GetDesc(&targetDesc);
        target->Release();
        screen.EndScene(true);
        screen.RenderOnTexture(false);
    });
    EXPECT_EQ(width, 960);
    EXPECT_EQ(height, 720);
    EXPECT_EQ(backDesc.Width, 960u);
    EXPECT_EQ(backDesc.Height, 720u);
    EXPECT_EQ(targetDesc.Width, 1024u);
    EXPECT_EQ(targetDesc.Height, 1024u);
    CScreen::Instance().SetResolution(RES_800x600);  // a table entry replaces the custom size
    EXPECT_EQ(CScreen::Instance().GetXResolution(), 800);
    CScreen::Instance().SetCustomResolution(0, 600);  // not a size: the table holds
    EXPECT_EQ(CScreen::Instance().GetYResolution(), 600);
    CScreen::Instance().SetResolution(RES_640x480);
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

// The texture pass drawn at half alpha over white: the first frame after a reset, on a new back buffer,
// shows it half bright, as the first frame of all does; the reset does not make it opaque.
TEST(RenderTexture, TheTexturePassKeepsItsAlphaThroughADeviceLoss)
{
    DWORD first = 0, afterReset = 0;
    RunScreen({true, RES_640x480, false, "RTT alpha loss"}, [&] {
        CScreen& screen = CScreen::Instance();
        IDirect3DDevice8* device = screen.GetD3DDevice();
        screen.SetBackgroundColor(0xFFFFFFFF);
        screen.RenderOnTexture(true);
        screen.SetAlphaTexture(0.5f);
        Frame();
        first = FrontPixel(320, 240) & 0xFF;
        platform::ForceDeviceLoss(device);
        Frame();
        platform::RestoreDevice(device);
        Frame();  // the reset
        Frame();
        afterReset = FrontPixel(320, 240) & 0xFF;
        screen.RenderOnTexture(false);
        screen.SetBackgroundColor(0xFF000000);
    });
    EXPECT_NEAR(static_cast<int>(first), 0x80, 0x10);
    EXPECT_EQ(afterReset, first);
}

}  // namespace

namespace {

DWORD CenterPixel()
{
    IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
    IDirect3DSurface8* surface = nullptr;
    device->CreateImageSurface(640, 480, D3DFMT_A8R8G8B8, &surface);
    device->GetFrontBuffer(surface);
    D3DLOCKED_RECT locked{};
    surface->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    const DWORD pixel = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + 240 * locked.Pitch)[320];
    surface->UnlockRect();
    surface->Release();
    return pixel;
}

int Red(DWORD c) { return (c >> 16) & 0xFF; }
int Blue(DWORD c) { return c & 0xFF; }

// Two frames: the first with a red background, the second with a blue one. What shows after the
// second tells how the texture pass was cleared.
void RedThenBlue(bool feedback, DWORD& first, DWORD& second, DWORD& third)
{
    CScreen& screen = CScreen::Instance();
    screen.SetCamera(0.0f, 0.0f, -10.0f, 0.0f, 0.0f, 1.0f);
    screen.RenderOnTexture(true);
    screen.Feedback(feedback);
    screen.SetBackgroundColor(0xFFFF0000);
    Frame();
    first = CenterPixel();
    screen.SetBackgroundColor(0xFF0000FF);
    Frame();
    second = CenterPixel();
    Frame();
    third = CenterPixel();
    screen.Feedback(false);
    screen.RenderOnTexture(false);
    screen.SetBackgroundColor(0xFF000000);
}

TEST(RenderTexture, FeedbackClearsOpaquelyOnceThenLetsThePreviousPictureShowThrough)
{
    DWORD first = 0, second = 0, third = 0, plainSecond = 0, unused1 = 0, unused2 = 0;
    RunScreen({true, RES_640x480, false, "Feedback"}, [&] {
        RedThenBlue(true, first, second, third);
        RedThenBlue(false, unused1, plainSecond, unused2);
    });
    EXPECT_GT(Red(first), 240);
    // Alpha 10 of 255: the blue background adds about 4 % a frame over the red picture left behind.
    EXPECT_GT(Red(second), 225);
    EXPECT_GE(Blue(second), 5);
    EXPECT_LE(Blue(second), 16);
    EXPECT_LT(Red(third), Red(second));
    EXPECT_GT(Blue(third), Blue(second));
    // Without feedback every pass is cleared opaquely.
    EXPECT_GT(Blue(plainSecond), 240);
    EXPECT_LT(Red(plainSecond), 16);
}

}  // namespace
