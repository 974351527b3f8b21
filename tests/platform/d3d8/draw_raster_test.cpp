// Where drawing lands: pixel centres, texture orientation, winding and culling, fill and shade
// modes, point sprites, indexed draws and rendering into a texture.
#include "d3d8_hooks.h"
#include "draw_fixture.h"

namespace d3d8_test {
namespace {

using DrawRasterTest = DrawTest;

IDirect3DTexture8* MakeTexture(IDirect3DDevice8* device, UINT w, UINT h, const std::vector<DWORD>& texels)
{
    IDirect3DTexture8* texture = nullptr;
    if (device->CreateTexture(w, h, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture) != D3D_OK)
        return nullptr;
    D3DLOCKED_RECT locked;
    texture->LockRect(0, &locked, nullptr, 0);
    for (UINT y = 0; y < h; ++y)
        std::memcpy(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch, &texels[y * w], w * 4);
    texture->UnlockRect(0);
    return texture;
}

TEST_F(DrawRasterTest, OnePixelScreenQuadLightsExactlyItsPixel)
{
    Frame([&] { DrawScreenRect(5, 7, 6, 8, 0xFFFF0000); });
    EXPECT_EQ(At(5, 7), 0xFF0000u);
    EXPECT_EQ(Count(0xFF0000), 1);
}

TEST_F(DrawRasterTest, ScreenQuadEdgesFollowTheTopLeftRule)
{
    // Two quads sharing the edge x = 10 cover each pixel once, none twice and none left out.
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    Frame([&] {
        DrawScreenRect(2, 2, 10, 6, 0xFF800000);
        DrawScreenRect(10, 2, 20, 6, 0xFF800000);
    });
    EXPECT_EQ(Count(0x800000), 18 * 4);
    EXPECT_EQ(Count(0xFF0000) + Count(0xFE0000), 0);
}

TEST_F(DrawRasterTest, FullViewportTextureIsUpright)
{
    IDirect3DTexture8* texture =
        MakeTexture(device, 2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF});
    ASSERT_NE(texture, nullptr);
    device->SetTexture(0, texture);
    Frame([&] { DrawScreenRect(0, 0, kView, kView, 0xFFFFFFFF); });
    EXPECT_EQ(At(0, 0), 0xFF0000u);
    EXPECT_EQ(At(31, 31), 0xFF0000u);
    EXPECT_EQ(At(32, 0), 0x00FF00u);
    EXPECT_EQ(At(63, 0), 0x00FF00u);
    EXPECT_EQ(At(0, 32), 0x0000FFu);
    EXPECT_EQ(At(63, 63), 0xFFFFFFu);
    // The viewport is the whole picture: nothing beyond it.
    EXPECT_EQ(At(64, 10), 0u);
    device->SetTexture(0, nullptr);
    texture->Release();
}

TEST_F(DrawRasterTest, ClockwiseTrianglesFaceTheViewer)
{
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    const ColorVertex clockwise[3] = {{-0.5f, 0.5f, 0.5f, 0xFF00FF00}, {0.5f, 0.5f, 0.5f, 0xFF00FF00},
                                      {0.0f, -0.5f, 0.5f, 0xFF00FF00}};
    const ColorVertex counter[3] = {clockwise[0], clockwise[2], clockwise[1]};
    device->SetVertexShader(kColorFvf);
    const struct {
        DWORD cull;
        const ColorVertex* triangle;
        bool visible;
    } cases[] = {{D3DCULL_CCW, clockwise, true},  {D3DCULL_CCW, counter, false}, {D3DCULL_CW, clockwise, false},
                 {D3DCULL_CW, counter, true},      {D3DCULL_NONE, counter, true}};
    for (const auto& c : cases) {
        device->SetRenderState(D3DRS_CULLMODE, c.cull);
        Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, c.triangle, sizeof(ColorVertex)); });
        EXPECT_EQ(At(32, 28) == 0x00FF00u, c.visible) << "cull mode " << c.cull;
    }
    // Clip-space y points up: the triangle's wide side is at the top of the picture.
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, clockwise, sizeof(ColorVertex)); });
    EXPECT_EQ(At(20, 18), 0x00FF00u);
    EXPECT_EQ(At(20, 44), 0u);
}

TEST_F(DrawRasterTest, WireframeDrawsOnlyTheEdges)
{
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    Frame([&] { DrawScreenRect(10, 10, 50, 50, 0xFFFFFFFF); });
    EXPECT_EQ(At(30, 10), 0xFFFFFFu);
    EXPECT_EQ(At(10, 30), 0xFFFFFFu);
    // Inside either triangle, away from the diagonal from (50, 10) to (10, 50).
    EXPECT_EQ(At(30, 20), 0u);
    EXPECT_EQ(At(40, 35), 0u);
    EXPECT_EQ(At(30, 30), 0xFFFFFFu);
    EXPECT_LT(Count(0xFFFFFF), 40 * 6);
}

TEST_F(DrawRasterTest, FlatShadingTakesTheFirstVertexColour)
{
    const ScreenVertex triangle[3] = {{8, 8, 0.5f, 1, 0xFFFF0000, 0, 0},
                                      {56, 8, 0.5f, 1, 0xFF00FF00, 0, 0},
                                      {8, 56, 0.5f, 1, 0xFF0000FF, 0, 0}};
    device->SetVertexShader(kScreenFvf);
    device->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_FLAT);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(ScreenVertex)); });
    EXPECT_EQ(At(12, 12), 0xFF0000u);
    EXPECT_EQ(At(40, 12), 0xFF0000u);
    EXPECT_EQ(At(12, 40), 0xFF0000u);
    device->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_GOURAUD);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(ScreenVertex)); });
    EXPECT_GT(Green(40, 12), 128);
    EXPECT_GT(Blue(12, 40), 128);
}

TEST_F(DrawRasterTest, PointSpritesCoverTheirSizeWithTextureTopAtTheTop)
{
    IDirect3DTexture8* texture = MakeTexture(device, 1, 2, {0xFFFF0000, 0xFF0000FF});
    ASSERT_NE(texture, nullptr);
    device->SetTexture(0, texture);
    device->SetRenderState(D3DRS_POINTSPRITEENABLE, TRUE);
    device->SetRenderState(D3DRS_POINTSIZE, Bits(8.0f));
    const ScreenVertex point = {32, 32, 0.5f, 1, 0xFFFFFFFF, 0, 0};
    device->SetVertexShader(kScreenFvf);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_POINTLIST, 1, &point, sizeof point); });
    EXPECT_EQ(Count(0xFF0000) + Count(0x0000FF), 64);
    EXPECT_EQ(Count(0xFF0000), 32);
    EXPECT_EQ(At(32, 29), 0xFF0000u);
    EXPECT_EQ(At(32, 34), 0x0000FFu);
    device->SetTexture(0, nullptr);
    texture->Release();
}

TEST_F(DrawRasterTest, ScaledPointSizeFollowsTheDistance)
{
    // Size on screen = viewport height x size x sqrt(1 / (A + B d + C d^2)): 64 x 0.25 / 2 = 8.
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_POINTSPRITEENABLE, TRUE);
    device->SetRenderState(D3DRS_POINTSCALEENABLE, TRUE);
    device->SetRenderState(D3DRS_POINTSIZE, Bits(0.25f));
    device->SetRenderState(D3DRS_POINTSIZE_MIN, Bits(0.0f));
    device->SetRenderState(D3DRS_POINTSCALE_A, Bits(0.0f));
    device->SetRenderState(D3DRS_POINTSCALE_C, Bits(1.0f));
    const D3DMATRIX projection = Perspective(1.5707963f, 1.0f, 100.0f);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    const ColorVertex point = {0.0f, 0.0f, 2.0f, 0xFFFFFFFF};
    device->SetVertexShader(kColorFvf);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_POINTLIST, 1, &point, sizeof point); });
    EXPECT_EQ(Count(0xFFFFFF), 64);
    // The size is clamped to POINTSIZE_MAX.
    device->SetRenderState(D3DRS_POINTSIZE_MAX, Bits(4.0f));
    Frame([&] { device->DrawPrimitiveUP(D3DPT_POINTLIST, 1, &point, sizeof point); });
    EXPECT_EQ(Count(0xFFFFFF), 16);
}

TEST_F(DrawRasterTest, IndexedDrawsAddTheBaseVertexIndex)
{
    IDirect3DVertexBuffer8* vb = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(8 * sizeof(ScreenVertex), 0, kScreenFvf, D3DPOOL_MANAGED, &vb), D3D_OK);
    BYTE* data = nullptr;
    vb->Lock(0, 0, &data, 0);
    ScreenRect(reinterpret_cast<ScreenVertex*>(data), 0, 0, 16, 16, 0xFFFF0000);
    ScreenRect(reinterpret_cast<ScreenVertex*>(data) + 4, 32, 32, 48, 48, 0xFF00FF00);
    vb->Unlock();
    IDirect3DIndexBuffer8* ib = nullptr;
    ASSERT_EQ(device->CreateIndexBuffer(6 * 4, 0, D3DFMT_INDEX32, D3DPOOL_MANAGED, &ib), D3D_OK);
    ib->Lock(0, 0, &data, 0);
    const DWORD indices[6] = {0, 1, 2, 2, 1, 3};
    std::memcpy(data, indices, sizeof indices);
    ib->Unlock();
    device->SetVertexShader(kScreenFvf);
    device->SetStreamSource(0, vb, sizeof(ScreenVertex));
    device->SetIndices(ib, 4);
    Frame([&] { device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 4, 0, 2); });
    EXPECT_EQ(Count(0x00FF00), 16 * 16);
    EXPECT_EQ(Count(0xFF0000), 0);

    // The UP form reads vertex 0 at the pointer; a vertex range starting at 4 is the second quad.
    ScreenVertex all[8];
    ScreenRect(all, 0, 0, 16, 16, 0xFFFF0000);
    ScreenRect(all + 4, 32, 32, 48, 48, 0xFF0000FF);
    const WORD shifted[6] = {4, 5, 6, 6, 5, 7};
    Frame([&] {
        device->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 4, 4, 2, shifted, D3DFMT_INDEX16, all, sizeof(ScreenVertex));
    });
    EXPECT_EQ(Count(0x0000FF), 16 * 16);
    device->SetStreamSource(0, nullptr, 0);
    device->SetIndices(nullptr, 0);
    ib->Release();
    vb->Release();
}

TEST_F(DrawRasterTest, RenderedTextureStaysUprightWithTheSameWinding)
{
    IDirect3DTexture8* target = nullptr;
    ASSERT_EQ(device->CreateTexture(kView, kView, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &target),
              D3D_OK);
    IDirect3DSurface8* depth = nullptr;
    ASSERT_EQ(device->CreateDepthStencilSurface(kView, kView, D3DFMT_D16, D3DMULTISAMPLE_NONE, &depth), D3D_OK);
    IDirect3DSurface8 *backBuffer = nullptr, *backDepth = nullptr, *level = nullptr;
    device->GetRenderTarget(&backBuffer);
    device->GetDepthStencilSurface(&backDepth);
    target->GetSurfaceLevel(0, &level);

    ASSERT_EQ(device->SetRenderTarget(level, depth), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    DrawScreenRect(0, 0, kView, 16, 0xFFFF0000);
    // A clockwise triangle in the lower half: visible with the default counter-clockwise culling.
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    const ColorVertex clockwise[3] = {{-1.0f, 0.0f, 0.5f, 0xFF00FF00}, {1.0f, 0.0f, 0.5f, 0xFF00FF00},
                                      {0.0f, -1.0f, 0.5f, 0xFF00FF00}};
    device->SetVertexShader(kColorFvf);
    device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, clockwise, sizeof(ColorVertex));
    ASSERT_EQ(device->EndScene(), D3D_OK);
    ASSERT_EQ(device->SetRenderTarget(backBuffer, backDepth), D3D_OK);

    device->SetTexture(0, target);
    Frame([&] { DrawScreenRect(0, 0, kView, kView, 0xFFFFFFFF); });
    EXPECT_EQ(At(10, 4), 0xFF0000u);
    EXPECT_EQ(At(32, 36), 0x00FF00u);
    EXPECT_EQ(At(32, 24), 0u);
    device->SetTexture(0, nullptr);
    level->Release();
    backBuffer->Release();
    backDepth->Release();
    depth->Release();
    target->Release();
}

TEST_F(DrawRasterTest, RepeatedFramesBuildNoNewPrograms)
{
    IDirect3DTexture8* texture = MakeTexture(device, 1, 1, {0xFFFFFFFF});
    auto frame = [&] {
        Frame([&] {
            device->SetTexture(0, nullptr);
            DrawScreenRect(0, 0, 8, 8, 0xFFFF0000);
            device->SetTexture(0, texture);
            DrawScreenRect(8, 0, 16, 8, 0xFF00FF00);
            device->SetRenderState(D3DRS_FOGENABLE, TRUE);
            device->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
            DrawScreenRect(16, 0, 24, 8, 0xFF0000FF);
            device->SetRenderState(D3DRS_FOGENABLE, FALSE);
        });
    };
    const int before = platform::CompiledProgramCount();
    frame();
    const int afterFirst = platform::CompiledProgramCount();
    // Three state combinations on a fresh device: untextured, textured, textured with fog.
    EXPECT_EQ(afterFirst - before, 3);
    for (int i = 0; i < 3; ++i)
        frame();
    EXPECT_EQ(platform::CompiledProgramCount(), afterFirst);
    device->SetTexture(0, nullptr);
    texture->Release();
}

}  // namespace
}  // namespace d3d8_test
