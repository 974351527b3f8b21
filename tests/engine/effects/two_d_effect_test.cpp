// CPU-drawn 2D effects: the default pattern written row by row at the texture's pitch, and the
// painted texture drawn as a screen-pixel quad.
#include <gtest/gtest.h>

#include <vector>

#include "../objects/object_test_support.h"
#include "effects/2DEffect.h"
#include "platform_clock.h"

namespace {

class CTableEffect : public C2DEffect {
public:
    unsigned char Alpha1(int row, int column) const { return m_pTable1[4 * (512 * row + column) + 3]; }
    unsigned char Alpha2(int row, int column) const { return m_pTable2[4 * (512 * row + column) + 3]; }
    bool HasQuad() const { return m_pVB && m_pTexture; }
};

TEST(TwoDEffect, DefaultPatternAtTimeZeroSumsBothWindowsAndHonoursThePitch)
{
    constexpr int pitch = 1100;  // wider than a 1,024-byte row: the gaps must stay untouched
    constexpr unsigned char guard = 0xCD;
    std::vector<unsigned char> bits(pitch * 256 + 64, guard);
    std::vector<unsigned char> table1Row(512 * 4), maxAlpha(2, 0);
    bool quad = false;
    int wrongTexels = 0, colouredTexels = 0, overTable = 0;
    unsigned char symmetricLeft = 0, symmetricRight = 0;
    RunScreen({}, [&] {
        platform::UseVirtualClock(0.0);
        CScreen::Instance().ResetTime();
        CTableEffect effect;
        effect.Init();
        quad = effect.HasQuad();
        effect.RenderTexture(bits.data(), pitch);
        // Window 1 starts at column 256, row 128 of table 1; window 2 at column 128, row 256 of table 2.
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const unsigned char* texel = &bits[y * pitch + 4 * x];
                colouredTexels += texel[0] != 0 || texel[1] != 0 || texel[2] != 0;
                const int expected = effect.Alpha1(128 + y, 256 + x) + effect.Alpha2(256 + y, 128 + x);
                wrongTexels += texel[3] != expected;
            }
        }
        for (int r = 0; r < 512; ++r) {
            for (int n = 0; n < 512; ++n)
                overTable += effect.Alpha1(r, n) > 126 || effect.Alpha2(r, n) > 126;
        }
        // Table 1's rings are centred on texel (256, 256).
        symmetricLeft = effect.Alpha1(256, 256 - 37);
        symmetricRight = effect.Alpha1(256 + 37, 256);
        effect.CleanUp();
        platform::UseSystemClock();
    });
    EXPECT_TRUE(quad);
    EXPECT_EQ(wrongTexels, 0);
    EXPECT_EQ(colouredTexels, 0);
    EXPECT_EQ(overTable, 0);
    EXPECT_EQ(symmetricLeft, symmetricRight);
    int touchedGaps = 0;
    for (int y = 0; y < 256; ++y) {
        for (int k = 1024; k < pitch; ++k)
            touchedGaps += bits[y * pitch + k] != guard;
    }
    for (size_t k = pitch * 256; k < bits.size(); ++k)
        touchedGaps += bits[k] != guard;
    EXPECT_EQ(touchedGaps, 0);
}

// Paints the left half opaque red and the right half opaque blue, at the pitch it is given.
class CHalvesEffect : public C2DEffect {
public:
    void RenderTexture(unsigned char* bits, int pitch) override
    {
        pitches.push_back(pitch);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                unsigned char* texel = bits + y * pitch + 4 * x;
                const bool left = x < 128;
                texel[0] = left ? 0 : 255;
                texel[1] = 0;
                texel[2] = left ? 255 : 0;
                texel[3] = 255;
            }
        }
    }
    std::vector<int> pitches;
};

TEST(TwoDEffect, PaintedTextureIsStretchedOverTheQuadInScreenPixels)
{
    std::vector<int> pitches;
    DWORD leftInside = 0, rightInside = 0, nearMiddleLeft = 0, nearMiddleRight = 0, outsideLeft = 0, below = 0;
    int darkened = 0, tinted = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetBackgroundColor(0xFF00FF00);
        CHalvesEffect effect;
        effect.Init();
        effect.SetPosition(64, 100);
        effect.SetSize(512, 128);  // the 256 x 256 texture stretched to 512 x 128
        screen.BeginScene();
        effect.Render();
        screen.EndScene();
        leftInside = FrontPixel(70, 105);
        rightInside = FrontPixel(570, 222);
        nearMiddleLeft = FrontPixel(64 + 250, 164);
        nearMiddleRight = FrontPixel(64 + 262, 164);
        outsideLeft = FrontPixel(60, 164);
        below = FrontPixel(300, 232);
        pitches = effect.pitches;
        effect.CleanUp();

        // The default pattern is black at the windows' summed alpha over the green background.
        C2DEffect pattern;
        pattern.Init();
        pattern.SetPosition(0, 0);
        screen.BeginScene();
        pattern.Render();
        screen.EndScene();
        for (int k = 1; k < 32; ++k) {
            const DWORD pixel = FrontPixel(8 * k, 128);
            darkened += ((pixel >> 8) & 0xFF) < 0xFF;
            tinted += (pixel & 0xFF00FF) != 0;
        }
        pattern.CleanUp();
    });
    ASSERT_EQ(pitches.size(), 1u);
    EXPECT_GE(pitches[0], 1024);
    EXPECT_EQ(leftInside & 0xFFFFFF, 0xFF0000u) << std::hex << leftInside;
    EXPECT_EQ(rightInside & 0xFFFFFF, 0x0000FFu) << std::hex << rightInside;
    EXPECT_EQ(nearMiddleLeft & 0xFFFFFF, 0xFF0000u) << std::hex << nearMiddleLeft;
    EXPECT_EQ(nearMiddleRight & 0xFFFFFF, 0x0000FFu) << std::hex << nearMiddleRight;
    EXPECT_EQ(outsideLeft & 0xFFFFFF, 0x00FF00u) << std::hex << outsideLeft;
    EXPECT_EQ(below & 0xFFFFFF, 0x00FF00u) << std::hex << below;
    EXPECT_GT(darkened, 0);
    EXPECT_EQ(tinted, 0);
}

}  // namespace
