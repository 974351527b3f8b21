// Bitmap-font texts: the per-character layout and quad, the effects at known times, and SetTexture.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <unistd.h>
#include <vector>

#include "../objects/object_test_support.h"
#include "d3d8_hooks.h"
#include "effects/BmpFonts.h"
#include "platform_clock.h"

namespace {

// Glyphs of 32, 64 and 16 pixels wide, all 32 high; records, at each DoEffect, the pivot and quad
// size that the previous character was drawn with.
class CProbeFont : public CBmpFonts {
public:
    CProbeFont()
    {
        m_Glyphs['A'] = {0.0f, 0.0f, 0.125f, 0.125f};
        m_Glyphs['B'] = {0.125f, 0.0f, 0.375f, 0.125f};
        m_Glyphs['C'] = {0.375f, 0.5f, 0.4375f, 0.625f};
    }
    bool DoEffect(float& alpha, float& aux, float& halfWidth, float& halfHeight, float& posX, float& posY, float t,
                  int index) override
    {
        pivots.push_back(m_vPivot.x);
        times.push_back(t);
        return CBmpFonts::DoEffect(alpha, aux, halfWidth, halfHeight, posX, posY, t, index);
    }
    std::vector<float> pivots;
    std::vector<float> times;
    const std::vector<CString>& TextureNames() const { return m_pTextureNames; }
    float PivotX() const { return m_vPivot.x; }
    D3DMATERIAL8 Material() const { return m_pMaterials[0]; }
};

struct SDrawnText {
    std::vector<float> pivots;      // pivot x of each character
    std::vector<S3DVERTEX> last;    // the quad of the last character
    float pivotAfter = 0;           // the object's pivot x once Render is done
};

SDrawnText DrawText(const char* text, float zoomX, float zoomY)
{
    SDrawnText drawn;
    RunScreen({}, [&] {
        CProbeFont font;
        font.Init();
        font.SetText(text);
        font.SetZoomFactor(zoomX, zoomY);
        font.SetPivot(3.0f, 0.0f, 0.0f);
        CScreen::Instance().BeginScene();
        font.Render();
        const D3DXMATRIX world = Transform(D3DTS_WORLD);
        CScreen::Instance().EndScene();
        drawn.pivots.assign(font.pivots.begin() + 1, font.pivots.end());
        drawn.pivots.push_back(world._41);
        drawn.last = ReadVertices(font);
        drawn.pivotAfter = font.PivotX();
        font.CleanUp();
    });
    return drawn;
}

TEST(BmpFonts, CharactersAdvanceByTheMeanOfNeighbouringHalfWidthsAroundAZoomIndependentCentre)
{
    // Widths 0.125, 0.25, 0.0625: centre = 0.4375 / 4; advances = mean of half widths times the zoom.
    const SDrawnText one = DrawText("ABC", 1, 1);
    ASSERT_EQ(one.pivots.size(), 3u);
    EXPECT_FLOAT_EQ(one.pivots[0], -0.109375f);
    EXPECT_FLOAT_EQ(one.pivots[1], -0.015625f);
    EXPECT_FLOAT_EQ(one.pivots[2], 0.0625f);

    const SDrawnText two = DrawText("ABC", 2, 2);
    ASSERT_EQ(two.pivots.size(), 3u);
    EXPECT_FLOAT_EQ(two.pivots[0], -0.109375f);
    EXPECT_FLOAT_EQ(two.pivots[1], 0.078125f);
    EXPECT_FLOAT_EQ(two.pivots[2], 0.234375f);
    EXPECT_EQ(two.pivotAfter, 3.0f);

    // The last quad is 'C': half its glyph width times the zoom wide, its glyph height times the zoom
    // high, showing the glyph's rectangle upright.
    ASSERT_EQ(two.last.size(), 4u);
    EXPECT_FLOAT_EQ(two.last[1].x - two.last[0].x, 0.0625f);
    EXPECT_FLOAT_EQ(two.last[0].y - two.last[2].y, 0.25f);
    const float uv[4][2] = {{0.375f, 0.5f}, {0.4375f, 0.5f}, {0.375f, 0.625f}, {0.4375f, 0.625f}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(two.last[k].tu, uv[k][0]) << k;
        EXPECT_FLOAT_EQ(two.last[k].tv, uv[k][1]) << k;
    }
    ASSERT_EQ(one.last.size(), 4u);
    EXPECT_FLOAT_EQ(one.last[1].x - one.last[0].x, 0.03125f);
    EXPECT_FLOAT_EQ(one.last[0].y - one.last[2].y, 0.125f);
}

TEST(BmpFonts, EmptyTextDrawsNothingAndRenderRestoresPivotAndMaterial)
{
    int emptyDraws = -1, textDraws = -1;
    size_t emptyCalls = 99;
    float pivotAfterEmpty = 0, pivotAfterText = 0;
    D3DMATERIAL8 before{}, afterEmpty{}, afterText{};
    DWORD blend = 0, alphaRef = 0, alphaFunc = 0;
    RunScreen({}, [&] {
        CProbeFont font;
        font.Init();
        font.SetPivot(3.0f, 1.0f, 0.0f);
        font.SetAlpha(0.75f, 0);
        before = font.Material();
        CScreen::Instance().BeginScene();
        int start = platform::DrawCallCount(Device());
        font.Render();
        emptyDraws = platform::DrawCallCount(Device()) - start;
        emptyCalls = font.pivots.size();
        pivotAfterEmpty = font.PivotX();
        afterEmpty = font.Material();

        font.SetText("AB");
        font.SetEffect(CBmpFonts::TE_FADE_IN);
        font.SetEffectLength(1000.0f);  // the characters get a small alpha of their own
        start = platform::DrawCallCount(Device());
        font.Render();
        textDraws = platform::DrawCallCount(Device()) - start;
        blend = RenderState(D3DRS_ALPHABLENDENABLE);
        alphaRef = RenderState(D3DRS_ALPHAREF);
        alphaFunc = RenderState(D3DRS_ALPHAFUNC);
        CScreen::Instance().EndScene();
        afterText = font.Material();
        pivotAfterText = font.PivotX();
        font.CleanUp();
    });
    EXPECT_EQ(emptyDraws, 0);
    EXPECT_EQ(emptyCalls, 0u);
    EXPECT_EQ(pivotAfterEmpty, 3.0f);
    EXPECT_FLOAT_EQ(afterEmpty.Diffuse.a, 0.75f);
    EXPECT_EQ(textDraws, 2);
    EXPECT_EQ(blend, static_cast<DWORD>(TRUE));
    EXPECT_EQ(alphaRef, 8u);
    EXPECT_EQ(alphaFunc, static_cast<DWORD>(D3DCMP_GREATEREQUAL));
    EXPECT_FLOAT_EQ(afterText.Diffuse.a, before.Diffuse.a);
    EXPECT_FLOAT_EQ(afterText.Emissive.a, before.Emissive.a);
    EXPECT_EQ(pivotAfterText, 3.0f);
}

// One DoEffect call of a 4-character text with L = 2 s (d = 0.5 s).
struct SEffectResult {
    bool drawn;
    float alpha;
    float aux;
    float halfHeight;
};

SEffectResult Apply(CBmpFonts& font, float t, int index)
{
    SEffectResult r{false, 1.0f, 0.0f, 1.0f};
    float halfWidth = 1.0f, x = 7.0f, y = 9.0f;
    r.drawn = font.DoEffect(r.alpha, r.aux, halfWidth, r.halfHeight, x, y, t, index);
    EXPECT_EQ(halfWidth, 1.0f);
    EXPECT_EQ(x, 7.0f);
    EXPECT_EQ(y, 9.0f);
    return r;
}

class BmpFontsEffect : public ::testing::Test {
protected:
    void Use(int effect)
    {
        font.SetText("ABCD");
        font.SetEffectLength(2.0f);
        font.SetEffect(effect);
    }
    CBmpFonts font;
};

TEST_F(BmpFontsEffect, TypeInFadeInAndGrowDependOnTimeAndIndex)
{
    Use(CBmpFonts::TE_NONE);
    SEffectResult r = Apply(font, 0.0f, 3);
    EXPECT_TRUE(r.drawn);
    EXPECT_EQ(r.alpha, 1.0f);
    EXPECT_EQ(r.halfHeight, 1.0f);

    Use(CBmpFonts::TE_TYPE_IN);  // character 2 appears after 0.5 s, all fade from 1.5 s to 2 s
    EXPECT_FALSE(Apply(font, 0.5f, 2).drawn);
    EXPECT_TRUE(Apply(font, 0.51f, 2).drawn);
    EXPECT_FLOAT_EQ(Apply(font, 0.51f, 2).alpha, 1.0f);
    EXPECT_FLOAT_EQ(Apply(font, 1.75f, 0).alpha, 0.5f);
    EXPECT_EQ(Apply(font, 3.0f, 0).alpha, 0.0f);

    Use(CBmpFonts::TE_FADE_IN);
    EXPECT_FLOAT_EQ(Apply(font, 0.5f, 1).alpha, 0.25f);
    EXPECT_EQ(Apply(font, 2.5f, 1).alpha, 1.0f);

    Use(CBmpFonts::TE_GROW);
    EXPECT_FALSE(Apply(font, 0.04f, 2).drawn);             // v = 0.04
    EXPECT_FLOAT_EQ(Apply(font, 0.5f, 2).halfHeight, 0.5f);  // v = 0.5
    EXPECT_EQ(Apply(font, 1.5f, 2).halfHeight, 1.0f);      // v = 1.5
    r = Apply(font, 0.0f, 0);                              // the first character is always full
    EXPECT_TRUE(r.drawn);
    EXPECT_EQ(r.halfHeight, 1.0f);
}

TEST_F(BmpFontsEffect, TypewriterAndPopUpsRevealOneCharacterPerShare)
{
    Use(CBmpFonts::TE_TYPEWRITER);
    EXPECT_FALSE(Apply(font, 0.5f, 1).drawn);
    SEffectResult r = Apply(font, 0.75f, 1);
    EXPECT_TRUE(r.drawn);
    EXPECT_FLOAT_EQ(r.aux, -0.5f);

    Use(CBmpFonts::TE_POP_UP);  // character 2 grows from 0.5 s to 1 s
    EXPECT_FALSE(Apply(font, 0.49f, 2).drawn);
    EXPECT_FLOAT_EQ(Apply(font, 0.75f, 2).halfHeight, 0.5f);
    EXPECT_EQ(Apply(font, 1.01f, 2).halfHeight, 1.0f);

    Use(CBmpFonts::TE_POP_UP_FADE);  // character 1 grows from 0.5 s to 1 s, all fade from 5 s
    EXPECT_FALSE(Apply(font, 0.49f, 1).drawn);
    r = Apply(font, 0.75f, 1);
    EXPECT_FLOAT_EQ(r.halfHeight, 0.5f);
    EXPECT_FLOAT_EQ(r.aux, 0.5f);
    EXPECT_EQ(Apply(font, 1.01f, 1).halfHeight, 1.0f);
    EXPECT_EQ(Apply(font, 4.0f, 3).alpha, 1.0f);
    EXPECT_FLOAT_EQ(Apply(font, 6.0f, 3).alpha, 0.5f);
    EXPECT_EQ(Apply(font, 8.0f, 3).alpha, 0.0f);

    Use(CBmpFonts::TE_BOUNCE_FADE);  // overshoots while it settles, then fades as the pop-up
    EXPECT_FALSE(Apply(font, 0.49f, 1).drawn);
    r = Apply(font, 0.75f, 1);  // s = 0.5, sin(18.75) = -0.09944
    EXPECT_NEAR(r.halfHeight, 2.0006f, 1e-3f);
    EXPECT_FLOAT_EQ(r.aux, 0.5f);
    EXPECT_EQ(Apply(font, 1.01f, 1).halfHeight, 1.0f);
    EXPECT_FLOAT_EQ(Apply(font, 6.0f, 0).alpha, 0.5f);
}

TEST_F(BmpFontsEffect, FlickerShowsAboutHalfTheTimeThenFadesToZeroFromSevenSeconds)
{
    Use(CBmpFonts::TE_FLICKER_FADE);
    font.SetEffectLength(100.0f);
    std::srand(1);
    EXPECT_FALSE(Apply(font, 0.0f, 0).drawn);  // no visibility drawn yet
    int visible = 0, changes = 0;
    bool previous = false;
    const int calls = 2000;
    for (int k = 1; k <= calls; ++k) {
        const bool drawn = Apply(font, k * 0.02f, 0).drawn;
        visible += drawn;
        changes += drawn != previous;
        previous = drawn;
    }
    EXPECT_GT(visible, calls * 3 / 10);
    EXPECT_LT(visible, calls * 7 / 10);
    EXPECT_GT(changes, calls / 10);

    font.SetEffectLength(2.0f);
    EXPECT_EQ(Apply(font, 6.0f, 0).alpha, 1.0f);
    EXPECT_FLOAT_EQ(Apply(font, 8.5f, 0).alpha, 0.5f);
    EXPECT_EQ(Apply(font, 10.0f, 0).alpha, 0.0f);
    EXPECT_EQ(Apply(font, 30.0f, 0).alpha, 0.0f);
    EXPECT_TRUE(Apply(font, 30.0f, 0).drawn);
}

TEST_F(BmpFontsEffect, UnknownEffectsHideTheText)
{
    for (int effect : {9, 42, -1}) {
        Use(effect);
        EXPECT_FALSE(Apply(font, 1.0f, 0).drawn) << effect;
    }
}

// With the screen's clock: started at 1 s with a 0.5 s start delay, a 2 s typewriter on four
// characters shows one more of them every 0.5 s.
TEST(BmpFonts, TypewriterThroughRenderFollowsTheScreenClockFromStartEffect)
{
    std::vector<int> draws;
    std::vector<float> times;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        platform::UseVirtualClock(0.0);
        screen.BeginScene();
        screen.EndScene();
        screen.ResetTime();
        CProbeFont font;
        font.Init();
        font.SetText("ABCA");
        font.SetEffect(CBmpFonts::TE_TYPEWRITER);
        font.SetEffectLength(2.0f);
        font.SetStartTime(0.5f);
        platform::AdvanceVirtualClock(1.0);
        screen.BeginScene();
        font.StartEffect();
        screen.EndScene();
        // The first sample lies just before the start (the clock is a float of the counter, so a sample
        // exactly on 1.5 may fall on either side of it).
        for (double now : {1.45, 1.75, 2.25, 2.75, 3.25}) {
            platform::AdvanceVirtualClock(now - screen.GetTickCount());
            screen.BeginScene();
            const int start = platform::DrawCallCount(Device());
            font.times.clear();
            font.Render();
            draws.push_back(platform::DrawCallCount(Device()) - start);
            times.push_back(font.times.empty() ? -1.0f : font.times[0]);
            screen.EndScene();
        }
        font.CleanUp();
        platform::UseSystemClock();
    });
    EXPECT_EQ(draws, (std::vector<int>{0, 1, 2, 3, 4}));
    ASSERT_EQ(times.size(), 5u);
    EXPECT_NEAR(times[1], 0.25f, 1e-4f);
}

TEST(BmpFonts, SetTextureWithAPositiveMaterialNeitherReadsTheDescriptionNorNamesThePicture)
{
    char pattern[] = "/tmp/bmp_fonts_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    const std::string description = folder + "/font.txt";
    FILE* f = std::fopen(description.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fputs("A 0,0 128,128\n", f);
    std::fclose(f);
    const CString picture = (folder + "/font.png").c_str();

    CProbeFont font;
    font.SetNumberMaterials(2);
    const SGlyphRect before = font.GetGlyph('A');
    font.SetTexture(picture, 1);
    EXPECT_EQ(font.GetGlyph('A').u1, before.u1);
    EXPECT_TRUE(font.TextureNames()[1].IsEmpty());

    font.SetTexture(picture, 0);
    EXPECT_FLOAT_EQ(font.GetGlyph('A').u1, 0.5f);
    EXPECT_EQ(font.TextureNames()[0], picture);

    std::remove(description.c_str());
    rmdir(folder.c_str());
}

}  // namespace
