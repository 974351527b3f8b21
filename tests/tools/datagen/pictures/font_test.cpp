// The bitmap font: its picture and glyph table agree, read through the engine's own reader, and
// every text the demo draws finds its letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/DataFolder.h"
#include "effects/GlyphTable.h"
#include "font/FontLayout.h"

namespace {

const datagen::DataFolder& FontFolder()
{
    static const datagen::DataFolder folder = [] {
        datagen::DataFolder generated{""};
        datagen::WriteFont(generated);
        return generated;
    }();
    return folder;
}

std::string TableText()
{
    const std::vector<uint8_t>& bytes = FontFolder().Files().at("fonts.txt");
    return std::string(bytes.begin(), bytes.end());
}

const datagen::Image& FontPicture() { return FontFolder().Pictures().at("fonts.png"); }

bool SameRect(const SGlyphRect& a, const SGlyphRect& b)
{
    return a.u0 == b.u0 && a.v0 == b.v0 && a.u1 == b.u1 && a.v1 == b.v1;
}

int OpaquePixels(const datagen::Image& picture, int x0, int y0, int x1, int y1)
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            count += picture.At(x, y).a > 128;
    return count;
}

}  // namespace

TEST(BitmapFont, TheEngineReadsAGlyphForEveryCharacterOfTheFont)
{
    SGlyphRect glyphs[GLYPH_COUNT];
    std::fill(std::begin(glyphs), std::end(glyphs), DEFAULT_GLYPH);
    const std::vector<unsigned char> codes = datagen::font::FontCharacters();
    EXPECT_EQ(ReadGlyphLines(TableText(), glyphs), static_cast<int>(codes.size()));
    for (unsigned char code : codes)
        EXPECT_FALSE(SameRect(glyphs[code], DEFAULT_GLYPH)) << "code " << int(code);
    // The space has no line: it shows the default rectangle.
    EXPECT_TRUE(SameRect(glyphs[' '], DEFAULT_GLYPH));
}

TEST(BitmapFont, TheTextsLettersAreAllThere)
{
    SGlyphRect glyphs[GLYPH_COUNT];
    std::fill(std::begin(glyphs), std::end(glyphs), DEFAULT_GLYPH);
    ReadGlyphLines(TableText(), glyphs);
    // Credits lines, and the accented letters of the hidden part's message as Latin-1 bytes.
    const std::string texts = "the zenth ... by T a l v i k for the omvex#3 code mEron zUd 3Dgfx voRna press SPACE "
                              "ESC nothing more to say ! try to find the hidden-part o_O scroll restart \xE9\xE8\xE0\xE7\xEA";
    for (unsigned char c : texts) {
        if (c == ' ')
            continue;
        EXPECT_FALSE(SameRect(glyphs[c], DEFAULT_GLYPH)) << "code " << int(c);
    }
}

TEST(BitmapFont, EveryGlyphRectangleLiesInThePictureAndHoldsItsLetter)
{
    const datagen::Image& picture = FontPicture();
    ASSERT_EQ(picture.Width(), GLYPH_PICTURE_SIZE);
    ASSERT_EQ(picture.Height(), GLYPH_PICTURE_SIZE);
    const auto glyphs = datagen::font::LayOutGlyphs();
    for (const auto& glyph : glyphs) {
        SCOPED_TRACE(int(glyph.code));
        ASSERT_GE(glyph.x0, 0);
        ASSERT_GE(glyph.y0, 0);
        ASSERT_LE(glyph.x1, GLYPH_PICTURE_SIZE);
        ASSERT_LE(glyph.y1, GLYPH_PICTURE_SIZE);
        ASSERT_LT(glyph.x0, glyph.x1);
        // All glyphs are equally high, so the letters of a text share their baseline.
        EXPECT_EQ(glyph.y1 - glyph.y0, glyphs.front().y1 - glyphs.front().y0);
        EXPECT_GT(OpaquePixels(picture, glyph.x0, glyph.y0, glyph.x1, glyph.y1), 3);
        // The rectangle's border is clear, so filtering at its edge never shows a neighbour's ink.
        for (int x = glyph.x0; x < glyph.x1; ++x)
            EXPECT_EQ(picture.At(x, glyph.y0).a + picture.At(x, glyph.y1 - 1).a, 0);
        for (int y = glyph.y0; y < glyph.y1; ++y)
            EXPECT_EQ(picture.At(glyph.x0, y).a + picture.At(glyph.x1 - 1, y).a, 0);
    }
}

TEST(BitmapFont, GlyphRectanglesDoNotOverlapAndTheSpaceCornerIsClear)
{
    const auto glyphs = datagen::font::LayOutGlyphs();
    for (size_t i = 0; i < glyphs.size(); ++i) {
        for (size_t j = i + 1; j < glyphs.size(); ++j) {
            const bool apart = glyphs[i].x1 <= glyphs[j].x0 || glyphs[j].x1 <= glyphs[i].x0 ||
                               glyphs[i].y1 <= glyphs[j].y0 || glyphs[j].y1 <= glyphs[i].y0;
            EXPECT_TRUE(apart) << int(glyphs[i].code) << " and " << int(glyphs[j].code);
        }
    }
    const int* corner = datagen::font::kDefaultGlyph;
    for (int y = corner[1]; y <= corner[3]; ++y)
        for (int x = corner[0]; x <= corner[2]; ++x)
            EXPECT_EQ(FontPicture().At(x, y).a, 0);
}

TEST(BitmapFont, TableBytesUseLatin1AndTwoRunsAgree)
{
    const std::string text = TableText();
    EXPECT_NE(text.find("\xE9 "), std::string::npos);  // é as its one Latin-1 byte
    EXPECT_EQ(text.find("\xC3\xA9"), std::string::npos);  // not its UTF-8 spelling
    datagen::DataFolder again{""};
    datagen::WriteFont(again);
    EXPECT_EQ(again.Files(), FontFolder().Files());
}

TEST(BitmapFont, TheWidestCreditsLinesStayOnScreen)
{
    SGlyphRect glyphs[GLYPH_COUNT];
    std::fill(std::begin(glyphs), std::end(glyphs), DEFAULT_GLYPH);
    ReadGlyphLines(TableText(), glyphs);
    // At zoom 1 a text is laid out centred, each glyph as wide as half its texture width, in screen
    // widths; a screen spans -0.5 to 0.5. Leading and trailing spaces only shift the visible letters.
    for (const std::string line : {"code .................. mEron zUd", "the zenth ...                   ",
                                   "                ... by T a l v i k ", "music ....................... zUd"}) {
        double width = 0;
        for (unsigned char c : line)
            width += (glyphs[c].u1 - glyphs[c].u0) * 0.5;
        double x = -width / 2, firstInk = 1, lastInk = -1;
        for (unsigned char c : line) {
            const double glyphWidth = (glyphs[c].u1 - glyphs[c].u0) * 0.5;
            if (c != ' ')
                firstInk = std::min(firstInk, x), lastInk = std::max(lastInk, x + glyphWidth);
            x += glyphWidth;
        }
        EXPECT_GT(firstInk, -0.5) << line;
        EXPECT_LT(lastInk, 0.5) << line;
    }
}
