#include "screen/FontRasterizer.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <string>

namespace {

struct SFontMatch {
    std::string file;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

// The system's font configuration, loaded at the first match and destroyed when the program ends.
// The library's implicit default configuration would stay until FcFini, which a library cannot call
// safely (another user in the process may still hold it), so the rasterizer owns one of its own.
class CFontConfiguration {
public:
    CFontConfiguration() : m_pConfig(FcInitLoadConfigAndFonts()) {}
    ~CFontConfiguration()
    {
        if (m_pConfig)
            FcConfigDestroy(m_pConfig);
    }
    CFontConfiguration(const CFontConfiguration&) = delete;
    CFontConfiguration& operator=(const CFontConfiguration&) = delete;

    // Null when the configuration could not be loaded.
    static FcConfig* Get()
    {
        static CFontConfiguration configuration;
        return configuration.m_pConfig;
    }

private:
    FcConfig* m_pConfig;
};

// The file the font configuration picks for a family and style; false when nothing matches.
bool MatchFont(const char* faceName, bool bold, bool italic, SFontMatch& match)
{
    FcConfig* config = CFontConfiguration::Get();
    if (!config)
        return false;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern)
        return false;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(faceName));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found)
        return false;
    FcChar8* file = nullptr;
    const bool hasFile = FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file;
    if (hasFile)
        match.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(found, FC_INDEX, 0, &match.index);
    FcPatternGetInteger(found, FC_WEIGHT, 0, &match.weight);
    FcPatternGetInteger(found, FC_SLANT, 0, &match.slant);
    FcPatternDestroy(found);
    return hasFile;
}

int PixelsOf(FT_Pos value26Dot6) { return static_cast<int>((value26Dot6 + 32) >> 6); }

BYTE CoverageAt(const FT_Bitmap& bitmap, int column, int row)
{
    const unsigned char* line = bitmap.buffer + row * bitmap.pitch;
    if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
        return (line[column >> 3] & (0x80 >> (column & 7))) ? 255 : 0;
    return line[column];
}

}  // namespace

CFontRasterizer::~CFontRasterizer()
{
    if (m_pFace)
        FT_Done_Face(m_pFace);
    if (m_pLibrary)
        FT_Done_FreeType(m_pLibrary);
}

bool CFontRasterizer::Open(const char* faceName, int pixelHeight, bool bold, bool italic)
{
    SFontMatch match;
    if (pixelHeight <= 0 || !MatchFont(faceName ? faceName : "", bold, italic, match))
        return false;
    if (!m_pLibrary && FT_Init_FreeType(&m_pLibrary) != 0)
        return false;
    if (m_pFace) {
        FT_Done_Face(m_pFace);
        m_pFace = nullptr;
    }
    if (FT_New_Face(m_pLibrary, match.file.c_str(), match.index, &m_pFace) != 0) {
        m_pFace = nullptr;
        return false;
    }
    if (FT_Set_Pixel_Sizes(m_pFace, 0, static_cast<FT_UInt>(pixelHeight)) != 0)
        return false;
    m_bSynthesizeBold = bold && match.weight < FC_WEIGHT_DEMIBOLD;
    m_bSynthesizeItalic = italic && match.slant == FC_SLANT_ROMAN;
    m_nAscent = PixelsOf(m_pFace->size->metrics.ascender);
    m_nDescent = PixelsOf(-m_pFace->size->metrics.descender);
    return true;
}

bool CFontRasterizer::LoadGlyph(unsigned char character)
{
    if (!m_pFace || FT_Load_Char(m_pFace, character, FT_LOAD_DEFAULT) != 0)
        return false;
    FT_GlyphSlot slot = m_pFace->glyph;
    if (m_bSynthesizeItalic)
        FT_GlyphSlot_Oblique(slot);
    if (m_bSynthesizeBold)
        FT_GlyphSlot_Embolden(slot);
    return FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0;
}

SIZE CFontRasterizer::Measure(unsigned char character)
{
    SIZE size{0, m_nAscent + m_nDescent};
    if (LoadGlyph(character))
        size.cx = std::max(0, PixelsOf(m_pFace->glyph->advance.x));
    return size;
}

void CFontRasterizer::DrawOpaque(unsigned char character, int x, int y, SMemoryBitmap& bitmap)
{
    if (!LoadGlyph(character))
        return;
    FillCell(x, y, PixelsOf(m_pFace->glyph->advance.x), bitmap);
    FT_GlyphSlot slot = m_pFace->glyph;
    BlitCoverage(x + slot->bitmap_left, y + m_nAscent - slot->bitmap_top, bitmap);
}

void CFontRasterizer::FillCell(int x, int y, int width, SMemoryBitmap& bitmap) const
{
    const int left = std::max(0, x), right = std::min(bitmap.width, x + width);
    const int top = std::max(0, y), bottom = std::min(bitmap.height, y + m_nAscent + m_nDescent);
    for (int row = top; row < bottom; ++row)
        std::fill(bitmap.pixels.begin() + size_t(row) * bitmap.width + left,
                  bitmap.pixels.begin() + size_t(row) * bitmap.width + std::max(left, right), 0);
}

// Ink already in the bitmap (a neighbour's overhang) is kept where it is stronger.
void CFontRasterizer::BlitCoverage(int left, int top, SMemoryBitmap& bitmap) const
{
    const FT_Bitmap& glyph = m_pFace->glyph->bitmap;
    for (int row = 0; row < static_cast<int>(glyph.rows); ++row) {
        const int y = top + row;
        if (y < 0 || y >= bitmap.height)
            continue;
        for (int column = 0; column < static_cast<int>(glyph.width); ++column) {
            const int x = left + column;
            if (x < 0 || x >= bitmap.width)
                continue;
            DWORD& pixel = bitmap.pixels[size_t(y) * bitmap.width + x];
            const DWORD level = std::max<DWORD>(pixel & 0xFF, CoverageAt(glyph, column, row));
            pixel = level | (level << 8) | (level << 16);
        }
    }
}
