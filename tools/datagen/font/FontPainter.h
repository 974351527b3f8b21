// Paints the bitmap font's letters into their places of the layout.
#pragma once

#include <vector>

#include "core/Image.h"
#include "font/FontLayout.h"

namespace datagen::font {

// Chrome letters: white sky over a dark horizon line and warm amber ground, in a dark outline with
// soft alpha edges, on a transparent picture of kPictureSize sides.
Image PaintFont(const std::vector<PlacedGlyph>& glyphs);

}  // namespace datagen::font
