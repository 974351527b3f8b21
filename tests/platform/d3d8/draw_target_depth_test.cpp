// Pre-transformed vertices against the depth range, and blending against targets without alpha.
#include "draw_fixture.h"

namespace d3d8_test {
namespace {

using DrawTargetDepthTest = DrawTest;

TEST_F(DrawTargetDepthTest, ScreenQuadsOutsideTheDepthRangeStillDraw)
{
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_FALSE);
    Frame([&] {
        DrawScreenRect(0, 0, 16, 16, 0xFFFF0000, 1.5f);
        DrawScreenRect(16, 0, 32, 16, 0xFF00FF00, -0.5f);
        DrawScreenRect(32, 0, 48, 16, 0xFF0000FF, 1000.0f);
    });
    EXPECT_EQ(At(8, 8), 0xFF0000u);
    EXPECT_EQ(At(24, 8), 0x00FF00u);
    EXPECT_EQ(At(40, 8), 0x0000FFu);
}

TEST_F(DrawTargetDepthTest, DepthTestUsesTheClampedDepthOfScreenQuads)
{
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    Frame([&] {
        // Beyond the far plane: clamped to 1, which passes less-or-equal against the cleared 1.
        DrawScreenRect(0, 0, 16, 16, 0xFFFF0000, 2.0f);
        // In front of the near plane: clamped to 0, so an equal test at depth 0 passes over it...
        DrawScreenRect(16, 0, 32, 16, 0xFF0000FF, -1.0f);
        device->SetRenderState(D3DRS_ZFUNC, D3DCMP_EQUAL);
        DrawScreenRect(16, 0, 32, 16, 0xFF00FF00, 0.0f);
        // ...and a strictly-less test at depth 0 does not.
        device->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
        DrawScreenRect(16, 0, 24, 16, 0xFFFFFFFF, 0.0f);
        device->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESSEQUAL);
    });
    EXPECT_EQ(At(8, 8), 0xFF0000u);
    EXPECT_EQ(At(28, 8), 0x00FF00u);
    EXPECT_EQ(At(20, 8), 0x00FF00u);
}

// A depth clear reaches the viewport only: what earlier draws and clears left outside it stays, also
// where clearing the whole buffer would have given the same values for a while.
TEST_F(DrawTargetDepthTest, ADepthClearKeepsTheDepthOutsideTheViewport)
{
    const UINT half = kClientWidth / 2;
    const D3DVIEWPORT8 whole = {0, 0, kClientWidth, kClientHeight, 0.0f, 1.0f};
    const D3DVIEWPORT8 left = {0, 0, half, kClientHeight, 0.0f, 1.0f};
    auto clearDepth = [&](const D3DVIEWPORT8& viewport, float z) {
        ASSERT_EQ(device->SetViewport(&viewport), D3D_OK);
        ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, z, 0), D3D_OK);
    };
    auto drawAll = [&](DWORD color, float z) {
        ASSERT_EQ(device->SetViewport(&whole), D3D_OK);
        DrawScreenRect(0, 0, static_cast<float>(kClientWidth), static_cast<float>(kClientHeight), color, z);
    };
    device->SetRenderState(D3DRS_ZENABLE, D3DZB_TRUE);
    ASSERT_EQ(device->SetViewport(&whole), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    // Only the left half is drawn, then cleared again to the value the rest holds...
    ASSERT_EQ(device->SetViewport(&left), D3D_OK);
    DrawScreenRect(0, 0, static_cast<float>(half), static_cast<float>(kClientHeight), 0xFFFF0000, 0.2f);
    clearDepth(left, 1.0f);
    // ...and then to another value, which the right half must not get.
    clearDepth(left, 0.3f);
    drawAll(0xFF00FF00, 0.5f);  // green on the right only: the left holds 0.3
    // The right half now holds 0.5: clearing the left to 1.0 must leave it so.
    clearDepth(left, 1.0f);
    drawAll(0xFF0000FF, 0.7f);  // blue on the left only
    ASSERT_EQ(device->EndScene(), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_EQ(pixels.size(), size_t(kClientWidth * kClientHeight));
    EXPECT_EQ(At(2, 2), 0x0000FFu);
    EXPECT_EQ(At(half - 2, kClientHeight - 2), 0x0000FFu);
    EXPECT_EQ(At(half + 2, 2), 0x00FF00u);
    EXPECT_EQ(At(kClientWidth - 2, kClientHeight - 2), 0x00FF00u);
}

class DestinationAlphaTest : public DrawTest {
protected:
    void UseBlend(DWORD source, DWORD destination)
    {
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
        device->SetRenderState(D3DRS_SRCBLEND, source);
        device->SetRenderState(D3DRS_DESTBLEND, destination);
    }

    // Clears a render-target texture of the given format to a colour with alpha 0, blends a white
    // quad into it with the current factors and shows the texture on the back buffer.
    void BlendIntoTexture(D3DFORMAT format, D3DCOLOR background)
    {
        IDirect3DTexture8* texture = nullptr;
        ASSERT_EQ(device->CreateTexture(kView, kView, 1, D3DUSAGE_RENDERTARGET, format, D3DPOOL_DEFAULT, &texture),
                  D3D_OK);
        IDirect3DSurface8 *level = nullptr, *backBuffer = nullptr, *backDepth = nullptr;
        texture->GetSurfaceLevel(0, &level);
        device->GetRenderTarget(&backBuffer);
        device->GetDepthStencilSurface(&backDepth);
        ASSERT_EQ(device->SetRenderTarget(level, nullptr), D3D_OK);
        ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, background, 1.0f, 0), D3D_OK);
        ASSERT_EQ(device->BeginScene(), D3D_OK);
        DrawScreenRect(0, 0, kView, kView, 0xFFFFFFFF);
        ASSERT_EQ(device->EndScene(), D3D_OK);
        ASSERT_EQ(device->SetRenderTarget(backBuffer, backDepth), D3D_OK);
        device->SetRenderState(D3DRS_ALPHABLENDENABLE, FALSE);
        device->SetTexture(0, texture);
        Frame([&] { DrawScreenRect(0, 0, kView, kView, 0xFFFFFFFF); });
        device->SetTexture(0, nullptr);
        for (IUnknown* object : {static_cast<IUnknown*>(level), static_cast<IUnknown*>(backBuffer),
                                 static_cast<IUnknown*>(backDepth), static_cast<IUnknown*>(texture)})
            object->Release();
    }
};

TEST_F(DestinationAlphaTest, BackBufferWithoutAlphaReadsDestinationAlphaAsOne)
{
    // The back buffer is X8R8G8B8; the clear's alpha of 0 is not there to read.
    UseBlend(D3DBLEND_DESTALPHA, D3DBLEND_ZERO);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0xFFFFFFFF); }, 0x00000000);
    EXPECT_EQ(At(10, 10), 0xFFFFFFu);
    UseBlend(D3DBLEND_ZERO, D3DBLEND_INVDESTALPHA);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0xFFFFFFFF); }, 0x00808080);
    EXPECT_EQ(At(10, 10), 0x000000u);
    EXPECT_EQ(At(40, 40), 0x808080u);
    // The particle emitters' additive mode: source alpha on top of destination alpha.
    UseBlend(D3DBLEND_SRCALPHA, D3DBLEND_DESTALPHA);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0x80FFFFFF); }, 0x00404040);
    EXPECT_RGB_NEAR(*this, 10, 10, 0xC0C0C0u, 2);
}

TEST_F(DestinationAlphaTest, TextureTargetsWithoutAlphaReadOneWithAlphaTheirAlpha)
{
    UseBlend(D3DBLEND_DESTALPHA, D3DBLEND_ZERO);
    BlendIntoTexture(D3DFMT_X8R8G8B8, 0x00000000);
    EXPECT_EQ(At(10, 10), 0xFFFFFFu);
    UseBlend(D3DBLEND_DESTALPHA, D3DBLEND_ZERO);
    BlendIntoTexture(D3DFMT_R5G6B5, 0x00000000);
    EXPECT_EQ(At(10, 10), 0xFFFFFFu);
    // A target that stores alpha blends with what it stores.
    UseBlend(D3DBLEND_DESTALPHA, D3DBLEND_ZERO);
    BlendIntoTexture(D3DFMT_A8R8G8B8, 0x00000000);
    EXPECT_EQ(At(10, 10), 0x000000u);
}

}  // namespace
}  // namespace d3d8_test
