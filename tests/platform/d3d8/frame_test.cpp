// Clearing, presenting and reading back: what a frame leaves in the presented picture.
#include "back_buffer.h"
#include "device_fixture.h"

namespace d3d8_test {
namespace {

using FrameTest = DeviceTest;

TEST_F(FrameTest, ClearedRectangleIsReadBackAtTheTopLeft)
{
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF0000FF, 1.0f, 0), D3D_OK);
    const D3DRECT topLeft = {0, 0, kClientWidth / 2, kClientHeight / 2};
    ASSERT_EQ(device->Clear(1, &topLeft, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);

    auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_EQ(pixels.size(), size_t(kClientWidth * kClientHeight));
    auto at = [&](UINT x, UINT y) { return pixels[y * kClientWidth + x]; };
    EXPECT_EQ(at(0, 0), 0xFFFF0000u);
    EXPECT_EQ(at(kClientWidth / 2 - 1, kClientHeight / 2 - 1), 0xFFFF0000u);
    EXPECT_EQ(at(kClientWidth / 2, kClientHeight / 2 - 1), 0xFF0000FFu);
    EXPECT_EQ(at(kClientWidth / 2 - 1, kClientHeight / 2), 0xFF0000FFu);
    EXPECT_EQ(at(kClientWidth - 1, kClientHeight - 1), 0xFF0000FFu);
}

TEST_F(FrameTest, FrontBufferBytesAreBlueGreenRedAlpha)
{
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, D3DCOLOR_ARGB(0x40, 0x11, 0x22, 0x33), 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_FALSE(pixels.empty());
    const BYTE* bytes = reinterpret_cast<const BYTE*>(pixels.data());
    // Alpha is kept as given: a background with alpha 0x40 is cleared as such.
    EXPECT_EQ(bytes[0], 0x33);
    EXPECT_EQ(bytes[1], 0x22);
    EXPECT_EQ(bytes[2], 0x11);
    EXPECT_EQ(bytes[3], 0x40);
}

TEST_F(FrameTest, FrontBufferKeepsTheLastPresentedPictureOnly)
{
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF00FF00, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0), D3D_OK);
    auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels[0], 0xFF00FF00u);
}

// Reads the back buffer's picture through a lockable back buffer, as A8R8G8B8 values.
std::vector<DWORD> ReadBackBuffer(IDirect3DDevice8* device, UINT width, UINT height)
{
    std::vector<DWORD> pixels;
    IDirect3DSurface8* back = nullptr;
    if (device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back) != D3D_OK)
        return pixels;
    pixels = ReadSurface(back, width, height);
    back->Release();
    return pixels;
}

// Whatever the swap effect, the back buffer still holds the presented picture after a Present, as
// Direct3D 8's windowed presents leave it and as the screen's feedback trails need (they draw each
// frame over the last one); the front buffer is the frame just presented, and drawing after a
// Present never reaches it.
TEST_F(FrameTest, TheBackBufferKeepsThePresentedPictureAndTheFrontBufferIsApart)
{
    for (D3DSWAPEFFECT effect : {D3DSWAPEFFECT_DISCARD, D3DSWAPEFFECT_FLIP, D3DSWAPEFFECT_COPY}) {
        SCOPED_TRACE(effect);
        ASSERT_EQ(device->Release(), 0u);
        device = nullptr;
        params = WindowedParameters();
        params.SwapEffect = effect;
        params.BackBufferFormat = D3DFMT_A8R8G8B8;
        params.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
        ASSERT_EQ(CreateDevice(params), D3D_OK);
        for (DWORD color : {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}) {
            ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, color, 1.0f, 0), D3D_OK);
            ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
            EXPECT_EQ(ReadFrontBuffer(kClientWidth, kClientHeight).at(0), color);
            EXPECT_EQ(ReadBackBuffer(device, kClientWidth, kClientHeight).at(0), color);
        }
        const D3DRECT corner = {0, 0, 4, 4};
        ASSERT_EQ(device->Clear(1, &corner, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0), D3D_OK);
        EXPECT_EQ(ReadFrontBuffer(kClientWidth, kClientHeight).at(0), 0xFF0000FFu);
        ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
        const std::vector<DWORD> front = ReadFrontBuffer(kClientWidth, kClientHeight);
        EXPECT_EQ(front.at(0), 0xFFFFFFFFu);
        EXPECT_EQ(front.at(4), 0xFF0000FFu);
    }
}

TEST_F(FrameTest, ViewportRestrictsClear)
{
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0), D3D_OK);
    D3DVIEWPORT8 viewport = {40, 30, 20, 10, 0.0f, 1.0f};
    ASSERT_EQ(device->SetViewport(&viewport), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0), D3D_OK);
    // A rectangle reaching outside the viewport is clipped to it.
    const D3DRECT wide = {0, 0, kClientWidth, 35};
    ASSERT_EQ(device->Clear(1, &wide, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);

    auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_FALSE(pixels.empty());
    auto at = [&](UINT x, UINT y) { return pixels[y * kClientWidth + x]; };
    EXPECT_EQ(at(40, 30), 0xFF0000FFu);
    EXPECT_EQ(at(59, 34), 0xFF0000FFu);
    EXPECT_EQ(at(59, 35), 0xFFFFFFFFu);
    EXPECT_EQ(at(59, 39), 0xFFFFFFFFu);
    EXPECT_EQ(at(39, 30), 0xFF000000u);
    EXPECT_EQ(at(60, 30), 0xFF000000u);
    EXPECT_EQ(at(40, 40), 0xFF000000u);
    EXPECT_EQ(at(0, 0), 0xFF000000u);
}

TEST_F(FrameTest, ClearRectangleCountAndPointerDecideTheArea)
{
    auto presentedCorner = [&] {
        EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
        auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
        return pixels.empty() ? 0u : pixels[(kClientHeight - 1) * kClientWidth + kClientWidth - 1];
    };
    const D3DRECT corner = {0, 0, 4, 4};
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0), D3D_OK);
    // A rectangle array with a count of 0 clears nothing.
    EXPECT_EQ(device->Clear(0, &corner, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0), D3D_OK);
    EXPECT_EQ(presentedCorner(), 0xFF0000FFu);
    // No array clears the whole target, whatever the count.
    EXPECT_EQ(device->Clear(1, nullptr, D3DCLEAR_TARGET, 0xFF00FF00, 1.0f, 0), D3D_OK);
    EXPECT_EQ(presentedCorner(), 0xFF00FF00u);
    EXPECT_EQ(device->Clear(3, nullptr, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0), D3D_OK);
    EXPECT_EQ(presentedCorner(), 0xFFFFFFFFu);
}

TEST_F(FrameTest, ClearArgumentsAreChecked)
{
    EXPECT_EQ(device->Clear(0, nullptr, 0, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    // The D16 depth buffer has no stencil.
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_STENCIL, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.0f, 0), D3D_OK);
}

TEST_F(FrameTest, ScenesDoNotNest)
{
    EXPECT_EQ(device->EndScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->EndScene(), D3D_OK);
    EXPECT_EQ(device->EndScene(), D3DERR_INVALIDCALL);
}

TEST_F(FrameTest, FrontBufferNeedsALargeEnoughArgbSurface)
{
    IDirect3DSurface8* small = nullptr;
    ASSERT_EQ(device->CreateImageSurface(kClientWidth / 2, kClientHeight, D3DFMT_A8R8G8B8, &small), D3D_OK);
    EXPECT_EQ(device->GetFrontBuffer(small), D3DERR_INVALIDCALL);
    small->Release();
    IDirect3DSurface8* wrongFormat = nullptr;
    ASSERT_EQ(device->CreateImageSurface(kClientWidth, kClientHeight, D3DFMT_R5G6B5, &wrongFormat), D3D_OK);
    EXPECT_EQ(device->GetFrontBuffer(wrongFormat), D3DERR_INVALIDCALL);
    wrongFormat->Release();
    EXPECT_EQ(device->GetFrontBuffer(nullptr), D3DERR_INVALIDCALL);
}

TEST(LetterboxRect, KeepsTheAspectBetweenBars)
{
    auto wide = d3d8::LetterboxRect(640, 480, 1920, 1080);
    EXPECT_EQ(wide.width, 1440);
    EXPECT_EQ(wide.height, 1080);
    EXPECT_EQ(wide.x, 240);
    EXPECT_EQ(wide.y, 0);
    auto tall = d3d8::LetterboxRect(800, 400, 1000, 1000);
    EXPECT_EQ(tall.width, 1000);
    EXPECT_EQ(tall.height, 500);
    EXPECT_EQ(tall.y, 250);
    auto same = d3d8::LetterboxRect(800, 600, 800, 600);
    EXPECT_EQ(same.x, 0);
    EXPECT_EQ(same.width, 800);
    EXPECT_EQ(d3d8::LetterboxRect(0, 600, 800, 600).width, 0);
}

}  // namespace
}  // namespace d3d8_test
