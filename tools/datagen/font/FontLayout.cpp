#include "font/FontLayout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/Canvas.h"

namespace datagen::font {

std::vector<unsigned char> FontCharacters()
{
    std::vector<unsigned char> codes;
    for (int code = 33; code <= 126; ++code)
        codes.push_back(static_cast<unsigned char>(code));
    // À Ç È É Ê, à â ä ç è é ê ë î ï ô ö ù û ü
    for (int code : {0xC0, 0xC7, 0xC8, 0xC9, 0xCA, 0xE0, 0xE2, 0xE4, 0xE7, 0xE8, 0xE9, 0xEA, 0xEB, 0xEE, 0xEF,
                     0xF4, 0xF6, 0xF9, 0xFB, 0xFC})
        codes.push_back(static_cast<unsigned char>(code));
    return codes;
}

std::string Utf8Of(unsigned char code)
{
    if (code < 0x80)
        return std::string(1, static_cast<char>(code));
    return {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
}

namespace {

struct InkRange {
    double top = 0, bottom = 0;  // relative to the baseline, y downwards
};

// The highest and lowest ink of all the font's letters, so one baseline suits every row.
InkRange MeasureInk(Canvas& canvas, const std::vector<unsigned char>& codes)
{
    InkRange ink;
    for (unsigned char code : codes) {
        cairo_text_extents_t extents;
        cairo_text_extents(canvas.Context(), Utf8Of(code).c_str(), &extents);
        ink.top = std::min(ink.top, extents.y_bearing);
        ink.bottom = std::max(ink.bottom, extents.y_bearing + extents.height);
    }
    return ink;
}

}  // namespace

std::vector<PlacedGlyph> LayOutGlyphs()
{
    Canvas measure(8, 8);
    measure.SetFont(kFontFamily, kFontSize, true);
    const std::vector<unsigned char> codes = FontCharacters();
    const InkRange ink = MeasureInk(measure, codes);
    if (ink.bottom - ink.top > kRowHeight - 2 * (kPadding - 1))
        throw std::runtime_error("Font letters are taller than a glyph row");
    // Centre the ink range in the row.
    const double baselineInRow = (kRowHeight - (ink.bottom - ink.top)) / 2 - ink.top;

    std::vector<PlacedGlyph> glyphs;
    int x = 0, y = 0;
    for (unsigned char code : codes) {
        cairo_text_extents_t extents;
        cairo_text_extents(measure.Context(), Utf8Of(code).c_str(), &extents);
        // The cell holds the advance or the ink, whichever reaches further, so no letter is clipped.
        const double left = std::min(0.0, extents.x_bearing) * kStretch;
        const double right = std::max(extents.x_advance, extents.x_bearing + extents.width) * kStretch;
        const int width = static_cast<int>(std::ceil(right - left)) + 2 * kPadding;
        if (x + width > kPictureSize) {
            x = 0;
            y += kRowHeight;
        }
        const bool overlapsDefault = y + kRowHeight > kDefaultGlyph[1] && x + width > kDefaultGlyph[0];
        if (y + kRowHeight > kPictureSize || overlapsDefault)
            throw std::runtime_error("Font glyphs do not fit in the picture");
        glyphs.push_back({code, x, y, x + width, y + kRowHeight, x + kPadding - left, y + baselineInRow});
        x += width;
    }
    return glyphs;
}

std::string GlyphTableText(const std::vector<PlacedGlyph>& glyphs)
{
    std::string text;
    for (const PlacedGlyph& glyph : glyphs) {
        text += static_cast<char>(glyph.code);
        text += ' ' + std::to_string(glyph.x0) + ',' + std::to_string(glyph.y0) + ' ' + std::to_string(glyph.x1) + ',' +
                std::to_string(glyph.y1) + '\n';
    }
    return text;
}

}  // namespace datagen::font
