// The overlay font: glyph texture, vertex data and batching, state restoration and text extents.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "d3d8_hooks.h"
#include "screen/D3DFont.h"
#include "screen_run.h"

namespace {

struct TextVertex {
    float x, y, z, rhw;
    DWORD color;
    float tu, tv;
    bool operator==(const TextVertex& o) const { return std::memcmp(this, &o, sizeof(*this)) == 0; }
};

class ProbedFont : public CD3DFont {
public:
    using CD3DFont::CD3DFont;
    IDirect3DTexture8* Texture() const { return m_pFontTexture; }
    float GlyphScale() const { return m_fGlyphScale; }
    DWORD DrawStateBlock() const { return m_hDrawState; }
    const float* Glyph(char c) const { return m_GlyphCoords[static_cast<unsigned char>(c) - 32]; }
    float TexelWidth(char c) const { return (Glyph(c)[2] - Glyph(c)[0]) * m_nTexWidth; }
    float TexelHeight(char c) const { return (Glyph(c)[3] - Glyph(c)[1]) * m_nTexHeight; }

    std::vector<TextVertex> Vertices(UINT count) const
    {
        BYTE* data = nullptr;
        m_pFontVB->Lock(0, 0, &data, D3DLOCK_READONLY);
        std::vector<TextVertex> vertices(count);
        std::memcpy(vertices.data(), data, count * sizeof(TextVertex));
        m_pFontVB->Unlock();
        return vertices;
    }
    std::vector<BYTE> Bytes(UINT from, UINT to) const
    {
        BYTE* data = nullptr;
        m_pFontVB->Lock(0, 0, &data, D3DLOCK_READONLY);
        std::vector<BYTE> bytes(data + from, data + to);
        m_pFontVB->Unlock();
        return bytes;
    }
    void FillVertexBuffer(BYTE value)
    {
        BYTE* data = nullptr;
        m_pFontVB->Lock(0, 0, &data, 0);
        std::memset(data, value, 8400);
        m_pFontVB->Unlock();
    }
    // Every texel of the glyph texture, row by row.
    std::vector<WORD> Texels() const
    {
        D3DSURFACE_DESC desc{};
        m_pFontTexture->GetLevelDesc(0, &desc);
        D3DLOCKED_RECT locked{};
        m_pFontTexture->LockRect(0, &locked, nullptr, D3DLOCK_READONLY);
        std::vector<WORD> texels;
        for (UINT row = 0; row < desc.Height; ++row) {
            const WORD* line = reinterpret_cast<const WORD*>(static_cast<const BYTE*>(locked.pBits) + row * locked.Pitch);
            texels.insert(texels.end(), line, line + desc.Width);
        }
        m_pFontTexture->UnlockRect(0);
        return texels;
    }
    // The sum of the 4-bit alphas inside a glyph's rectangle.
    int Ink(char c) const
    {
        const std::vector<WORD> texels = Texels();
        const float* g = Glyph(c);
        int ink = 0;
        for (int y = int(g[1] * m_nTexHeight); y < int(g[3] * m_nTexHeight); ++y)
            for (int x = int(g[0] * m_nTexWidth); x < int(g[2] * m_nTexWidth); ++x)
                ink += texels[y * m_nTexWidth + x] >> 12;
        return ink;
    }
};

// Runs body on the render thread of a headless screen, inside a device scene.
void InScene(const std::function<void(IDirect3DDevice8*)>& body)
{
    RunScreen({}, [&] {
        IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
        device->BeginScene();
        body(device);
        device->EndScene();
    });
}

const std::string kSample = "The quick brown fox jumps over the lazy dog 0123456789 ~!@#$%^&*()";
constexpr DWORD kWhite200 = 0xC8FFFFFF;

TEST(D3DFont, TextureSideFollowsTheHeight)
{
    InScene([](IDirect3DDevice8*) {
        for (auto [height, side] : {std::pair<DWORD, UINT>{12, 256}, {20, 256}, {21, 512}, {40, 512}, {41, 1024}}) {
            ProbedFont font("Arial", height, 0);
            font.Init();
            D3DSURFACE_DESC desc{};
            ASSERT_NE(font.Texture(), nullptr);
            font.Texture()->GetLevelDesc(0, &desc);
            EXPECT_EQ(desc.Width, side) << "height " << height;
            EXPECT_EQ(desc.Height, side) << "height " << height;
            EXPECT_EQ(desc.Format, D3DFMT_A4R4G4B4);
            EXPECT_EQ(desc.Pool, D3DPOOL_MANAGED);
            EXPECT_EQ(font.GlyphScale(), 1.0f);
            font.CleanUp();
        }
    });
}

TEST(D3DFont, GlyphTexelsAreWhiteWithCoverageAlphaPackedInRows)
{
    InScene([](IDirect3DDevice8*) {
        ProbedFont font("Arial", 12, D3DFONT_BOLD);
        font.Init();
        for (WORD texel : font.Texels())
            ASSERT_TRUE(texel == 0 || (texel & 0x0FFF) == 0x0FFF) << std::hex << texel;
        EXPECT_GT(font.Ink('A'), 0);
        EXPECT_EQ(font.Ink(' '), 0);
        // Neighbours one texel apart on a row; later characters wrap to lower rows.
        EXPECT_FLOAT_EQ(font.Glyph('!')[0], font.Glyph(' ')[2] + 1.0f / 256);
        EXPECT_GT(font.Glyph('~')[1], 0.0f);
        for (char c = ' '; c <= '~'; ++c) {
            EXPECT_GT(font.TexelWidth(c), 0.0f) << c;
            EXPECT_EQ(font.TexelHeight(c), font.TexelHeight(' ')) << c;
            EXPECT_LE(font.Glyph(c)[2], 1.0f);
            EXPECT_LE(font.Glyph(c)[3], 1.0f);
        }
        font.CleanUp();
    });
}

TEST(D3DFont, BoldAndLargeFacesDiffer)
{
    InScene([](IDirect3DDevice8*) {
        ProbedFont regular("Arial", 12, 0), bold("Arial", 12, D3DFONT_BOLD), huge("Arial", 120, 0);
        regular.Init();
        bold.Init();
        huge.Init();
        EXPECT_GT(bold.Ink('H'), regular.Ink('H'));
        EXPECT_GE(bold.TexelWidth('H'), regular.TexelWidth('H'));
        // A glyph set that cannot fit the largest texture is rasterised smaller and drawn scaled up.
        EXPECT_LT(huge.GlyphScale(), 1.0f);
        for (char c = ' '; c <= '~'; ++c)
            EXPECT_LE(huge.Glyph(c)[3], 1.0f) << c;
        huge.DrawTextA(0, 0, kWhite200, "H");
        const std::vector<TextVertex> quad = huge.Vertices(6);
        EXPECT_FLOAT_EQ(quad[0].y - quad[1].y, huge.TexelHeight('H') / huge.GlyphScale());
        regular.CleanUp();
        bold.CleanUp();
        huge.CleanUp();
    });
}

TEST(D3DFont, GlyphQuadsCarryPositionColourAndTextureCorners)
{
    InScene([](IDirect3DDevice8* device) {
        ProbedFont font("Arial", 12, D3DFONT_BOLD);
        font.Init();
        ASSERT_EQ(font.DrawTextA(10, 20, kWhite200, "A"), D3D_OK);
        const float* g = font.Glyph('A');
        const float w = font.TexelWidth('A'), h = font.TexelHeight('A');
        const std::vector<TextVertex> v = font.Vertices(6);
        EXPECT_EQ(v[0], (TextVertex{9.5f, 19.5f + h, 0.9f, 1.0f, kWhite200, g[0], g[3]}));
        EXPECT_EQ(v[1], (TextVertex{9.5f, 19.5f, 0.9f, 1.0f, kWhite200, g[0], g[1]}));
        EXPECT_EQ(v[2], (TextVertex{9.5f + w, 19.5f + h, 0.9f, 1.0f, kWhite200, g[2], g[3]}));
        EXPECT_EQ(v[3], (TextVertex{9.5f + w, 19.5f, 0.9f, 1.0f, kWhite200, g[2], g[1]}));
        EXPECT_EQ(v[4], v[2]);
        EXPECT_EQ(v[5], v[1]);

        // A line feed returns to the start x one line lower.
        font.DrawTextA(10, 20, kWhite200, "A\nB");
        EXPECT_EQ(font.Vertices(8)[7].x, 9.5f);
        EXPECT_EQ(font.Vertices(8)[7].y, 19.5f + font.TexelHeight(' '));

        // Viewport units: -1 is the top left corner; a line is y scale x the viewport height.
        D3DVIEWPORT8 viewport{};
        device->GetViewport(&viewport);
        font.DrawTextScaled(-1, -1, 0.5f, 0.1f, 0.1f, kWhite200, "A");
        const std::vector<TextVertex> scaled = font.Vertices(6);
        EXPECT_FLOAT_EQ(scaled[1].x, viewport.X - 0.5f);
        EXPECT_FLOAT_EQ(scaled[1].y, viewport.Y - 0.5f);
        EXPECT_FLOAT_EQ(scaled[0].y - scaled[1].y, 0.1f * viewport.Height);
        EXPECT_EQ(scaled[0].z, 0.5f);
        font.CleanUp();
    });
}

TEST(D3DFont, CharactersOutsideThePrintableRangeMakeNoQuad)
{
    InScene([](IDirect3DDevice8* device) {
        ProbedFont font("Arial", 12, 0);
        font.Init();
        font.DrawTextA(4, 4, kWhite200, "AB");
        const std::vector<TextVertex> plain = font.Vertices(12);
        font.FillVertexBuffer(0xAB);
        const int drawsBefore = platform::DrawCallCount(device);
        font.DrawTextA(4, 4, kWhite200, "\x01" "A\t\x7f\x80\xff" "B\r");
        EXPECT_EQ(platform::DrawCallCount(device), drawsBefore + 1);
        EXPECT_EQ(font.Vertices(12), plain);
        EXPECT_EQ(font.Bytes(12 * 28, 18 * 28), std::vector<BYTE>(6 * 28, 0xAB));
        font.CleanUp();
    });
}

TEST(D3DFont, LongStringsAreDrawnInBatchesOfFiftyGlyphsWithTheSameVertices)
{
    InScene([](IDirect3DDevice8* device) {
        ProbedFont font("Arial", 12, D3DFONT_BOLD);
        font.Init();
        const std::string first50 = kSample.substr(0, 50), text60 = kSample.substr(0, 60);
        auto draws = [&](const std::string& text) {
            const int before = platform::DrawCallCount(device);
            EXPECT_EQ(font.DrawTextA(10, 30, kWhite200, text.c_str()), D3D_OK);
            return platform::DrawCallCount(device) - before;
        };
        auto startOf = [&](size_t index) {
            SIZE extent{};
            font.GetTextExtent(kSample.substr(0, index).c_str(), &extent);
            return 10.0f + extent.cx;
        };
        EXPECT_EQ(draws(kSample.substr(0, 49)), 1);
        EXPECT_EQ(draws(kSample.substr(0, 51)), 2);

        // Fifty glyphs fill exactly one batch, the same vertices as five ten-glyph strings.
        EXPECT_EQ(draws(first50), 1);
        const std::vector<TextVertex> whole = font.Vertices(300);
        for (size_t piece = 0; piece < 5; ++piece) {
            font.DrawTextA(startOf(piece * 10), 30, kWhite200, kSample.substr(piece * 10, 10).c_str());
            EXPECT_EQ(font.Vertices(60), std::vector<TextVertex>(whole.begin() + piece * 60, whole.begin() + piece * 60 + 60))
                << "piece " << piece;
        }
        // Sixty glyphs: the second batch holds the last ten, placed where the first fifty end.
        EXPECT_EQ(draws(text60), 2);
        const std::vector<TextVertex> tail = font.Vertices(60);
        font.DrawTextA(startOf(50), 30, kWhite200, kSample.substr(50, 10).c_str());
        EXPECT_EQ(tail, font.Vertices(60));
        font.CleanUp();
    });
}

TEST(D3DFont, CallerStatesComeBackAfterEveryDraw)
{
    InScene([](IDirect3DDevice8* device) {
        ProbedFont font("Arial", 12, D3DFONT_BOLD);
        font.Init();
        IDirect3DTexture8* callerTexture = nullptr;
        device->CreateTexture(4, 4, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &callerTexture);
        const std::vector<std::pair<D3DRENDERSTATETYPE, DWORD>> renderStates = {
            {D3DRS_ALPHABLENDENABLE, FALSE}, {D3DRS_SRCBLEND, D3DBLEND_ONE}, {D3DRS_ZENABLE, TRUE},
            {D3DRS_CULLMODE, D3DCULL_CW}, {D3DRS_FOGENABLE, TRUE}, {D3DRS_ALPHAREF, 0x40},
            {D3DRS_FILLMODE, D3DFILL_WIREFRAME}};
        const std::vector<std::pair<DWORD, D3DTEXTURESTAGESTATETYPE>> stages = {
            {0, D3DTSS_COLOROP}, {0, D3DTSS_MINFILTER}, {0, D3DTSS_MAGFILTER}, {1, D3DTSS_COLOROP}};
        const DWORD stageValues[] = {D3DTOP_SELECTARG1, D3DTEXF_ANISOTROPIC, D3DTEXF_ANISOTROPIC, D3DTOP_ADD};
        auto setCallerStates = [&] {
            for (auto [state, value] : renderStates)
                device->SetRenderState(state, value);
            for (size_t i = 0; i < stages.size(); ++i)
                device->SetTextureStageState(stages[i].first, stages[i].second, stageValues[i]);
            device->SetTexture(0, callerTexture);
        };
        auto expectCallerStates = [&](const char* after) {
            for (auto [state, value] : renderStates) {
                DWORD now = 0;
                device->GetRenderState(state, &now);
                EXPECT_EQ(now, value) << "render state " << state << " after " << after;
            }
            for (size_t i = 0; i < stages.size(); ++i) {
                DWORD now = 0;
                device->GetTextureStageState(stages[i].first, stages[i].second, &now);
                EXPECT_EQ(now, stageValues[i]) << "stage state " << stages[i].second << " after " << after;
            }
            IDirect3DBaseTexture8* texture = nullptr;
            device->GetTexture(0, &texture);
            EXPECT_EQ(texture, callerTexture) << after;
            if (texture)
                texture->Release();
        };
        setCallerStates();
        const int drawsBefore = platform::DrawCallCount(device);
        EXPECT_EQ(font.DrawTextA(0, 0, kWhite200, ""), D3D_OK);
        EXPECT_EQ(platform::DrawCallCount(device), drawsBefore);
        expectCallerStates("an empty string");
        font.DrawTextA(0, 0, kWhite200, "Hi", D3DFONT_FILTERED);
        expectCallerStates("a filtered string");
        font.Render3DText("Hi", D3DFONT_CENTERED | D3DFONT_TWOSIDED);
        expectCallerStates("3D text");

        // The drawing block holds the font's own states.
        device->ApplyStateBlock(font.DrawStateBlock());
        DWORD value = 0;
        device->GetRenderState(D3DRS_ALPHAREF, &value);
        EXPECT_EQ(value, 0x08u);
        device->GetRenderState(D3DRS_ZENABLE, &value);
        EXPECT_EQ(value, DWORD(FALSE));
        device->GetTextureStageState(0, D3DTSS_MINFILTER, &value);
        EXPECT_EQ(value, DWORD(D3DTEXF_POINT));
        device->GetTextureStageState(1, D3DTSS_COLOROP, &value);
        EXPECT_EQ(value, DWORD(D3DTOP_DISABLE));
        IDirect3DBaseTexture8* texture = nullptr;
        device->GetTexture(0, &texture);
        EXPECT_EQ(texture, font.Texture());
        if (texture)
            texture->Release();
        device->SetTexture(0, nullptr);
        callerTexture->Release();
        font.CleanUp();
    });
}

TEST(D3DFont, ExtentIsTheSumOfGlyphWidthsAndGrowsWithTheHeight)
{
    InScene([](IDirect3DDevice8*) {
        ProbedFont small("Arial", 12, 0), large("Arial", 24, 0);
        small.Init();
        large.Init();
        SIZE ab{}, twoLines{}, largeAb{};
        EXPECT_EQ(small.GetTextExtent("ab", &ab), D3D_OK);
        EXPECT_EQ(ab.cx, LONG(small.TexelWidth('a') + small.TexelWidth('b')));
        EXPECT_EQ(ab.cy, LONG(small.TexelHeight(' ')));
        small.GetTextExtent("ab\nabc", &twoLines);
        EXPECT_EQ(twoLines.cx, LONG(small.TexelWidth('a') + small.TexelWidth('b') + small.TexelWidth('c')));
        EXPECT_EQ(twoLines.cy, 2 * ab.cy);
        large.GetTextExtent("ab", &largeAb);
        EXPECT_GT(largeAb.cx, ab.cx);
        EXPECT_GT(largeAb.cy, ab.cy);
        EXPECT_EQ(small.GetTextExtent(nullptr, &ab), E_FAIL);
        EXPECT_EQ(small.GetTextExtent("ab", nullptr), E_FAIL);
        small.CleanUp();
        large.CleanUp();
    });
}

TEST(D3DFont, WorldTextBatchesFitTheVertexBuffer)
{
    InScene([](IDirect3DDevice8* device) {
        ProbedFont font("Arial", 12, 0);
        font.Init();
        // 32-byte vertices: at most 43 glyphs fit the 8400-byte buffer, so 60 glyphs take two draws
        // that the device accepts.
        const int before = platform::DrawCallCount(device);
        EXPECT_EQ(font.Render3DText(kSample.substr(0, 60).c_str()), D3D_OK);
        EXPECT_EQ(platform::DrawCallCount(device), before + 2);
        font.CleanUp();
    });
}

TEST(D3DFont, DrawsOnlyBetweenInitAndCleanUpAndCopiesOwnNoDeviceObjects)
{
    InScene([](IDirect3DDevice8* device) {
        const int liveBefore = platform::LiveDefaultPoolResources(device);
        ProbedFont font("Arial", 12, D3DFONT_BOLD);
        EXPECT_EQ(font.DrawTextA(0, 0, kWhite200, "A"), E_FAIL);
        font.Init();
        EXPECT_EQ(font.DrawTextA(0, 0, kWhite200, nullptr), E_FAIL);
        {
            ProbedFont copy(font);
            EXPECT_EQ(copy.DrawTextA(0, 0, kWhite200, "A"), E_FAIL);
            SIZE copied{}, original{};
            copy.GetTextExtent("ab", &copied);
            font.GetTextExtent("ab", &original);
            EXPECT_EQ(copied.cx, original.cx);
        }
        const int drawsBefore = platform::DrawCallCount(device);
        EXPECT_EQ(font.DrawTextA(0, 0, kWhite200, "A"), D3D_OK);
        EXPECT_EQ(platform::DrawCallCount(device), drawsBefore + 1);
        font.CleanUp();
        EXPECT_EQ(font.DrawTextA(0, 0, kWhite200, "A"), E_FAIL);
        EXPECT_EQ(platform::LiveDefaultPoolResources(device), liveBefore);
        // After a device reset the screen initialises it again.
        font.Init();
        EXPECT_EQ(font.DrawTextA(0, 0, kWhite200, "A"), D3D_OK);
        font.CleanUp();
    });
}

}  // namespace
