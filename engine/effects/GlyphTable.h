// The glyph table of a bitmap font: where each of the 256 character codes lies in the font picture,
// and the reader of the text file that describes it.
#pragma once

#include <afxwin.h>

#include <string>

// A glyph's rectangle in texture units (0 to 1): left, top, right, bottom.
struct SGlyphRect {
    float u0, v0, u1, v1;
};

constexpr int GLYPH_COUNT = 256;
// The picture the description's pixel coordinates refer to is taken to be this wide and high.
constexpr int GLYPH_PICTURE_SIZE = 256;

// A small corner near the picture's bottom right: what characters without a description show.
constexpr SGlyphRect DEFAULT_GLYPH = {0.9375f, 0.9922f, 0.9922f, 0.9961f};

// Reads one description line "c x0,y0 x1,y1" (blanks allowed around each part; anything after the
// last number is ignored). Answers false for a line that does not match, for a number that does not
// fit an int and for a coordinate outside the picture; code and rect are then left alone.
bool ParseGlyphLine(const std::string& line, unsigned char& code, SGlyphRect& rect);

// Applies every matching line of text to glyphs, later lines replacing earlier ones for the same
// character; answers how many lines matched.
int ReadGlyphLines(const std::string& text, SGlyphRect (&glyphs)[GLYPH_COUNT]);

// The description file beside a picture: its name with the last three characters made "txt". A name
// of fewer than three characters has none (empty).
CString GlyphTableName(const CString& picture);

// Reads the description file of picture into glyphs. Answers false, leaving glyphs as they were,
// when there is no such file.
bool ReadGlyphTable(const CString& picture, SGlyphRect (&glyphs)[GLYPH_COUNT]);
