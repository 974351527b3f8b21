// The glyph-table reader of the bitmap fonts on raw text: every rectangle it writes must lie inside
// the picture (0 to 1 in texture units), characters without a matching line keep the default, and
// the count of matching lines can be no more than the lines there are.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "effects/GlyphTable.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool InUnitRange(float value) { return value >= 0.0f && value <= 1.0f; }

bool IsDefault(const SGlyphRect& rect)
{
    return rect.u0 == DEFAULT_GLYPH.u0 && rect.v0 == DEFAULT_GLYPH.v0 && rect.u1 == DEFAULT_GLYPH.u1 &&
           rect.v1 == DEFAULT_GLYPH.v1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    SGlyphRect glyphs[GLYPH_COUNT];
    std::fill(std::begin(glyphs), std::end(glyphs), DEFAULT_GLYPH);
    const int matched = ReadGlyphLines(text, glyphs);
    const long lines = std::count(text.begin(), text.end(), '\n') + 1;
    Require(matched >= 0 && matched <= lines);
    int changed = 0;
    for (const SGlyphRect& rect : glyphs) {
        Require(InUnitRange(rect.u0) && InUnitRange(rect.v0) && InUnitRange(rect.u1) && InUnitRange(rect.v1));
        changed += !IsDefault(rect);
    }
    Require(changed <= matched);
    return 0;
}
