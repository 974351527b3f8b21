// Where each glyph of the bitmap font lies in its 256 x 256 picture. The picture and the glyph table
// beside it are both made from this one layout, so they always agree.
#pragma once

#include <string>
#include <vector>

namespace datagen::font {

constexpr int kPictureSize = 256;  // the glyph table's coordinates refer to a picture of this size
constexpr int kRowHeight = 25;     // every glyph is as high as a row, so a text's letters share a baseline
constexpr int kPadding = 3;        // transparent room around each letter for its outline and filtering
constexpr double kFontSize = 17;
// Texts draw a glyph half as wide as its share of the picture and as high as its share, over a 4:3
// screen, so a letter shows 1.5 times taller there than here. Drawing letters 1.25 times wider leaves
// them a little tall, as demo fonts are, while the widest credits lines still fit the screen.
constexpr double kStretch = 1.25;
constexpr const char* kFontFamily = "Liberation Sans";

// A character with no line in the table shows this rectangle of the picture (x0, y0, x1, y1), which the
// font must therefore keep transparent: it is what a space draws.
constexpr int kDefaultGlyph[4] = {240, 254, 254, 255};

struct PlacedGlyph {
    unsigned char code;  // Latin-1 code
    int x0, y0, x1, y1;  // rectangle in pixels, x1 and y1 exclusive
    double penX;         // where the letter's origin sits, before stretching
    double baseline;
};

// The characters the font holds: printable ASCII but the space, and the accented letters of French.
std::vector<unsigned char> FontCharacters();
// The UTF-8 spelling of a Latin-1 code, for drawing it with a system font.
std::string Utf8Of(unsigned char code);

// Lays the characters out in rows from the top left, each as wide as its stretched advance plus
// padding. Throws if they do not fit above the default rectangle.
std::vector<PlacedGlyph> LayOutGlyphs();

// The glyph table: one line "c x0,y0 x1,y1" per glyph, the character as its Latin-1 byte.
std::string GlyphTableText(const std::vector<PlacedGlyph>& glyphs);

}  // namespace datagen::font
