// The hero cube's texture: an atlas of eight 256 x 256 tiles (four across, two down) that the cube
// and its six morph stages share, so that the cube keeps its face through every transformation.
#pragma once

#include "core/Image.h"
#include "models/Geometry.h"

namespace datagen {

inline constexpr const char* kCubeSkin = "cube_skin.png";

enum class CubeTile {
    Talvik,     // the group's name in chrome letters
    Zenth,      // the demo's name over a striped sunset
    Emblem,     // rings and an eight-pointed star
    Grid,       // a neon grid
    Monogram,   // "TVK"
    Plasma,     // a colour plasma
    Metal,      // brushed blue metal, for bevels and sides
    Circuit,    // a dark circuit panel, for insides
};

Image DrawCubeSkin();
// The tile's rectangle, pulled in by a texel and a half so that filtering never reaches a neighbour.
UvRect CubeTileRect(CubeTile tile);

}  // namespace datagen
