// What reaches the target: texture-stage operations, alpha test, blending and the depth test.
#include "draw_fixture.h"

namespace d3d8_test {
namespace {

using DrawOutputTest = DrawTest;

TEST_F(DrawOutputTest, AlphaTestComparesWithTheReference)
{
    device->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device->SetRenderState(D3DRS_ALPHAREF, 0x80);
    const struct {
        DWORD func;
        bool below, equal, above;
    } cases[] = {{D3DCMP_NEVER, false, false, false},        {D3DCMP_LESS, true, false, false},
                 {D3DCMP_EQUAL, false, true, false},         {D3DCMP_LESSEQUAL, true, true, false},
                 {D3DCMP_GREATER, false, false, true},       {D3DCMP_NOTEQUAL, true, false, true},
                 {D3DCMP_GREATEREQUAL, false, true, true},   {D3DCMP_ALWAYS, true, true, true}};
    for (const auto& c : cases) {
        device->SetRenderState(D3DRS_ALPHAFUNC, c.func);
        Frame([&] {
            DrawScreenRect(0, 0, 8, 8, 0x7FFFFFFF);
            DrawScreenRect(8, 0, 16, 8, 0x80FFFFFF);
            DrawScreenRect(16, 0, 24, 8, 0x81FFFFFF);
        });
        EXPECT_EQ(At(4, 4) != 0, c.below) << "function " << c.func;
        EXPECT_EQ(At(12, 4) != 0, c.equal) << "function " << c.func;
        EXPECT_EQ(At(20, 4) != 0, c.above) << "function " << c.func;
    }
}

TEST_F(DrawOutputTest, SourceAlphaBlendMixes)
{
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0x80FF0000); }, 0xFF0000FF);
    EXPECT_RGB_NEAR(*this, 10, 10, 0x80007Fu, 2);
    EXPECT_EQ(At(40, 40), 0x0000FFu);
    // BOTHINVSRCALPHA swaps the two: the destination keeps the source alpha's share.
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_BOTHINVSRCALPHA);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0x40FF0000); }, 0xFF0000FF);
    EXPECT_RGB_NEAR(*this, 10, 10, 0xBF0040u, 2);
    // Reverse subtract: destination minus source.
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    device->SetRenderState(D3DRS_BLENDOP, D3DBLENDOP_REVSUBTRACT);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0xFF400010); }, 0xFF8080FF);
    EXPECT_RGB_NEAR(*this, 10, 10, 0x4080EFu, 1);
}

TEST_F(DrawOutputTest, NearPlaneZeroDrawsAtDepthOneOverAClearedBuffer)
{
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    const D3DMATRIX projection = Perspective(0.7853982f, 0.0f, 100.0f);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    const ColorVertex near[4] = {{-1, 1, 2, 0xFFFF0000}, {1, 1, 2, 0xFFFF0000}, {-1, -1, 2, 0xFFFF0000},
                                 {1, -1, 2, 0xFFFF0000}};
    const ColorVertex far[4] = {{-20, 20, 50, 0xFF00FF00}, {20, 20, 50, 0xFF00FF00}, {-20, -20, 50, 0xFF00FF00},
                                {20, -20, 50, 0xFF00FF00}};
    device->SetVertexShader(kColorFvf);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, near, sizeof(ColorVertex)); });
    EXPECT_EQ(At(32, 32), 0xFF0000u);
    device->SetRenderState(D3DRS_ZENABLE, FALSE);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, near, sizeof(ColorVertex)); });
    EXPECT_EQ(At(32, 32), 0xFF0000u) << "no depth";
    device->SetRenderState(D3DRS_ZENABLE, TRUE);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, far, sizeof(ColorVertex)); });
    EXPECT_EQ(At(32, 32), 0x00FF00u) << "far alone";
    // Every point has depth 1: a later, farther quad passes LESSEQUAL and covers the first.
    Frame([&] {
        device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, near, sizeof(ColorVertex));
        device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, far, sizeof(ColorVertex));
    });
    EXPECT_EQ(At(32, 32), 0x00FF00u);
    // The depth really is 1, not a little less: with LESS nothing passes against the cleared buffer.
    device->SetRenderState(D3DRS_ZFUNC, D3DCMP_LESS);
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, near, sizeof(ColorVertex)); });
    EXPECT_EQ(At(32, 32), 0u);
}

TEST_F(DrawOutputTest, DepthTestKeepsTheNearerSurface)
{
    Frame([&] {
        DrawScreenRect(0, 0, 32, 32, 0xFFFF0000, 0.3f);
        DrawScreenRect(0, 0, 32, 32, 0xFF00FF00, 0.6f);
    });
    EXPECT_EQ(At(10, 10), 0xFF0000u);
    device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    Frame([&] {
        DrawScreenRect(0, 0, 32, 32, 0xFFFF0000, 0.3f);
        DrawScreenRect(0, 0, 32, 32, 0xFF00FF00, 0.6f);
    });
    EXPECT_EQ(At(10, 10), 0x00FF00u);
}

TEST_F(DrawOutputTest, MissingTextureDisablesAStageReadingItFirst)
{
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0xFF336699); });
    EXPECT_EQ(At(10, 10), 0x336699u);
    // As the second argument the missing texture reads opaque black.
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_ADD);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0xFF336699); });
    EXPECT_EQ(At(10, 10), 0x336699u);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0xFF336699); }, 0xFFFFFFFF);
    EXPECT_EQ(At(10, 10), 0u);
}

TEST_F(DrawOutputTest, StageArgumentsAndModifiers)
{
    device->SetRenderState(D3DRS_TEXTUREFACTOR, 0x80402010);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TFACTOR);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    const struct {
        DWORD op, arg1;
        DWORD expected;
    } cases[] = {
        {D3DTOP_SELECTARG1, D3DTA_TFACTOR, 0x402010},
        {D3DTOP_SELECTARG1, D3DTA_TFACTOR | D3DTA_COMPLEMENT, 0xBFDFEF},
        {D3DTOP_SELECTARG1, D3DTA_TFACTOR | D3DTA_ALPHAREPLICATE, 0x808080},
        {D3DTOP_MODULATE2X, D3DTA_TFACTOR, 0x401004},
        {D3DTOP_ADDSIGNED, D3DTA_TFACTOR, 0x400000},
        {D3DTOP_SUBTRACT, D3DTA_TFACTOR, 0x000000},
        {D3DTOP_BLENDFACTORALPHA, D3DTA_TFACTOR, 0x603018},
    };
    for (const auto& c : cases) {
        device->SetTextureStageState(0, D3DTSS_COLOROP, c.op);
        device->SetTextureStageState(0, D3DTSS_COLORARG1, c.arg1);
        Frame([&] { DrawScreenRect(0, 0, 32, 32, 0xFF804020); });
        SCOPED_TRACE(c.op);
        EXPECT_RGB_NEAR(*this, 10, 10, c.expected, 2);
    }
}

TEST_F(DrawOutputTest, ColorWriteMaskKeepsMaskedChannels)
{
    device->SetRenderState(D3DRS_COLORWRITEENABLE, D3DCOLORWRITEENABLE_RED | D3DCOLORWRITEENABLE_ALPHA);
    Frame([&] { DrawScreenRect(0, 0, 32, 32, 0xFFFFFFFF); }, 0xFF000080);
    EXPECT_EQ(At(10, 10), 0xFF0080u);
}

// Clearing and presenting write every channel themselves: the mask of the draws after them must
// still hold, frame after frame, and after a clear in the middle of a frame.
TEST_F(DrawOutputTest, ColorWriteMaskHoldsAcrossClearsAndPresents)
{
    device->SetRenderState(D3DRS_COLORWRITEENABLE, D3DCOLORWRITEENABLE_RED | D3DCOLORWRITEENABLE_ALPHA);
    for (int frame = 0; frame < 3; ++frame) {
        SCOPED_TRACE(frame);
        Frame([&] {
            DrawScreenRect(0, 0, 32, 32, 0xFFFFFFFF);
            const D3DRECT right = {32, 0, 64, 32};
            device->Clear(1, &right, D3DCLEAR_TARGET, 0xFF008000, 1.0f, 0);
            DrawScreenRect(32, 0, 64, 32, 0xFFFFFFFF);
        }, 0xFF000080);
        EXPECT_EQ(At(10, 10), 0xFF0080u);
        EXPECT_EQ(At(40, 10), 0xFF8000u);
    }
}

}  // namespace
}  // namespace d3d8_test
