// The face of the 3 x 3 x 3 box that the banner part draws as a fading trail and the sausage part as
// beat boxes: a bright bevelled frame, so every echo of the box reads as a glowing outline, round
// translucent vertical light stripes that let the echoes behind shine through.
#include <algorithm>
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kFaceSide = 256;
constexpr int kFrame = 12;
constexpr int kStripes = 12;

// Distance in texels from the nearest edge of the face.
int EdgeDistance(int x, int y)
{
    return std::min(std::min(x, y), std::min(kFaceSide - 1 - x, kFaceSide - 1 - y));
}

// The frame: a bevel lit from the top left, gold on the lit side, magenta in the shade.
Rgba FramePixel(int x, int y, int edge)
{
    const double across = (edge + 0.5) / kFrame;
    const double bevel = std::sin(across * M_PI);
    const bool lit = std::min(x, y) == edge;
    const Light side = lit ? ToLight(kGold) : ToLight(kMagenta);
    return ToRgba(Lerp(side * 0.6, ToLight(kWhite), bevel * 0.7) + side * (0.4 * bevel));
}

Rgba StripePixel(int x, int y, int edge)
{
    const double u = (x + 0.5) / kFaceSide, v = (y + 0.5) / kFaceSide;
    const double stripe = u * kStripes;
    const double profile = std::pow(std::sin((stripe - std::floor(stripe)) * M_PI), 3);
    // Each stripe carries its own colour of the cycle and its own light running down it.
    const double index = std::floor(stripe);
    const double runner = 0.5 + 0.5 * std::sin(v * 2 * M_PI * 2 + index * 1.7);
    Light light = ToLight(DuskCycle().At(index / kStripes)) * (0.35 + 0.75 * profile * runner);
    light = light + ToLight(kWhite) * (0.35 * std::pow(profile, 6) * runner);
    // An inner dark rule just inside the frame sets the stripes off from it.
    const double rule = edge < kFrame + 3 ? 0.25 : 1.0;
    const double alpha = (0.30 + 0.55 * profile * (0.4 + 0.6 * runner)) * rule + (1 - rule) * 0.9;
    return ToRgba(light * rule, alpha);
}

}  // namespace

Image DrawVerticleFace()
{
    return Painted(kFaceSide, kFaceSide, [](int x, int y) {
        const int edge = EdgeDistance(x, y);
        return edge < kFrame ? FramePixel(x, y, edge) : StripePixel(x, y, edge);
    });
}

}  // namespace datagen::opening
