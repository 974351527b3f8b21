// Drawing tools shared by the pictures of the closing parts: their common palette, full-screen
// overlays drawn in screen proportions, chrome lettering, glows and compositing.
#pragma once

#include <string>

#include "core/Canvas.h"
#include "core/Compose.h"
#include "core/Image.h"

namespace datagen::closing {

// The closing parts share one look: night blue, electric cyan and amber sparks.
constexpr Rgba kNight = {6, 10, 32, 255};
constexpr Rgba kDeepBlue = {18, 36, 110, 255};
constexpr Rgba kCyan = {90, 210, 255, 255};
constexpr Rgba kAmber = {255, 168, 48, 255};
constexpr Rgba kWhiteHot = {255, 246, 225, 255};

// A full-screen plane stretches its square texture over a 4:3 screen. Scaling the canvas so that
// drawing happens in a space of screen proportions (width Height x 4/3) makes circles and letters
// come out round and upright on screen. Answers the logical width.
double UseScreenProportions(Canvas& canvas);

// Fills the current cairo path with a chrome gradient between top and bottom (y of the canvas):
// bright sky above a dark horizon line, warm ground below; the outline is stroked first, so it
// frames the letters from outside.
void FillChrome(Canvas& canvas, double top, double bottom, Rgba outline, double outlineWidth);

// Draws text centred on x with its baseline at y, filled with the chrome gradient.
void ChromeText(Canvas& canvas, const std::string& family, double size, double x, double baseline,
                const std::string& text, double outlineWidth);

// Adds the source's light (colour x alpha x strength) to the destination and makes it that much
// more opaque: a glow that brightens whatever it is drawn over.
void AddGlow(Image& destination, const Image& glow, double strength);

}  // namespace datagen::closing
