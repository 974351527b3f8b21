// The demo's bitmap font: fonts.png and its glyph table fonts.txt, from one layout.
#include "core/DataFolder.h"
#include "font/FontLayout.h"
#include "font/FontPainter.h"

namespace datagen {

void WriteFont(DataFolder& folder)
{
    const std::vector<font::PlacedGlyph> glyphs = font::LayOutGlyphs();
    folder.WritePicture("fonts.png", font::PaintFont(glyphs));
    const std::string table = font::GlyphTableText(glyphs);
    folder.WriteFile("fonts.txt", std::vector<uint8_t>(table.begin(), table.end()));
}

}  // namespace datagen
