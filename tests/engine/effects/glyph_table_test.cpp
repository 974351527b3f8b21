// Glyph descriptions: lines parsed into texture rectangles, malformed lines and files left harmless,
// and the file found beside its picture.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "effects/BmpFonts.h"
#include "effects/GlyphTable.h"

namespace {

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/glyph_table_XXXXXX";
        const char* made = mkdtemp(pattern);
        m_path = made ? made : "";
    }
    ~TempFolder()
    {
        for (const std::string& file : m_files)
            std::remove(file.c_str());
        if (!m_path.empty())
            rmdir(m_path.c_str());
    }
    std::string Write(const std::string& name, const std::string& text)
    {
        const std::string file = m_path + "/" + name;
        if (FILE* f = std::fopen(file.c_str(), "wb")) {
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        m_files.push_back(file);
        return file;
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

void ExpectRect(const SGlyphRect& r, float u0, float v0, float u1, float v1)
{
    EXPECT_FLOAT_EQ(r.u0, u0);
    EXPECT_FLOAT_EQ(r.v0, v0);
    EXPECT_FLOAT_EQ(r.u1, u1);
    EXPECT_FLOAT_EQ(r.v1, v1);
}

void ExpectDefault(const SGlyphRect& r) { ExpectRect(r, 0.9375f, 0.9922f, 0.9922f, 0.9961f); }

TEST(GlyphTable, FileBesideThePictureGivesEachCharacterItsRectangleInTextureUnits)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    folder.Write("font.txt",
                 "A 0,0 32,16\n"
                 "  B   32 , 0   64 ,16  \r\n"
                 "\xE9 128,128 256,256\n"
                 "A 64,32 96,48\n"  // a later line for the same character wins
                 "C 1,2 3,4");      // the last line needs no line end
    CBmpFonts font;
    font.SetTexture((folder.Path() + "/font.png").c_str(), 0);

    ExpectRect(font.GetGlyph('A'), 0.25f, 0.125f, 0.375f, 0.1875f);
    ExpectRect(font.GetGlyph('B'), 0.125f, 0.0f, 0.25f, 0.0625f);
    ExpectRect(font.GetGlyph(0xE9), 0.5f, 0.5f, 1.0f, 1.0f);
    ExpectRect(font.GetGlyph('C'), 1 / 256.0f, 2 / 256.0f, 3 / 256.0f, 4 / 256.0f);
    ExpectDefault(font.GetGlyph('D'));
    ExpectDefault(font.GetGlyph(0));
    ExpectDefault(font.GetGlyph(0xFF));
}

TEST(GlyphTable, MalformedLinesLeaveTheirCharactersAsTheyWere)
{
    SGlyphRect glyphs[GLYPH_COUNT];
    std::fill(std::begin(glyphs), std::end(glyphs), DEFAULT_GLYPH);
    const std::string text =
        "A 0,0 8,8\n"
        "A 16,16\n"                    // too few numbers
        "A 16;16 24,24\n"              // wrong separator
        "A 99999999999999999999,0 8,8\n"  // does not fit an int
        "A 4294967312,0 8,8\n"         // would wrap to 16 in 32 bits
        "A -8,0 8,8\n"                 // outside the picture
        "A 0,0 8,257\n"
        "A x,0 8,8\n"
        "\n"
        "   \t \n"
        "B";
    EXPECT_EQ(ReadGlyphLines(text, glyphs), 1);
    ExpectRect(glyphs['A'], 0, 0, 8 / 256.0f, 8 / 256.0f);
    ExpectDefault(glyphs['B']);
    ExpectDefault(glyphs['x']);

    // A line cut short after a number that matched leaves the rectangle untouched as well.
    unsigned char code = 'Q';
    SGlyphRect rect = {1, 2, 3, 4};
    EXPECT_FALSE(ParseGlyphLine("Z 1,2 3,", code, rect));
    EXPECT_EQ(code, 'Q');
    ExpectRect(rect, 1, 2, 3, 4);
}

TEST(GlyphTable, DescriptionNameReplacesTheLastThreeCharactersAndAMissingFileChangesNothing)
{
    EXPECT_EQ(GlyphTableName("Data\\fonts.png"), CString("Data\\fonts.txt"));
    EXPECT_EQ(GlyphTableName("a.jpeg"), CString("a.jtxt"));
    EXPECT_TRUE(GlyphTableName("ab").IsEmpty());

    SGlyphRect glyphs[GLYPH_COUNT];
    std::fill(std::begin(glyphs), std::end(glyphs), SGlyphRect{0.1f, 0.2f, 0.3f, 0.4f});
    TempFolder folder;
    EXPECT_FALSE(ReadGlyphTable((folder.Path() + "/missing.png").c_str(), glyphs));
    EXPECT_FALSE(ReadGlyphTable("ab", glyphs));
    ExpectRect(glyphs['A'], 0.1f, 0.2f, 0.3f, 0.4f);
}

}  // namespace
