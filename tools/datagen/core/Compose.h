// Compositing steps shared by the pictures: soft glows, layering and cairo colours.
#pragma once

#include <cairo.h>

#include "core/Image.h"

namespace datagen {

// A soft copy of the picture: three box blurs of RADIUS pixels on premultiplied colour (close to a
// gaussian). Edges are clamped, not wrapped; a radius below 1 returns the picture as it is.
Image Blurred(const Image& picture, int radius);
// Lays ABOVE over BELOW (same size) with the usual "over" rule, alpha included.
void DrawOver(Image& below, const Image& above);
// Makes COLOUR, its alpha scaled by ALPHA, cairo's current source.
void SetSource(cairo_t* cr, Rgba colour, double alpha = 1.0);

}  // namespace datagen
