// The 16:9 letterbox. The part draws it on a plane 1.3 screens high, so only the middle 1/1.3 of the
// picture reaches the screen; the bands are placed so that a 4:3 screen keeps a 16:9 window, an eighth
// of the screen black at the top and at the bottom. A thin light line edges each band.
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kMaskWidth = 256, kMaskHeight = 512;
constexpr double kPlaneHeight = 1.3;
// A 16:9 window on a 4:3 screen is 3/4 of its height: each band covers 1/8 of the screen.
constexpr double kBandOnScreen = (1.0 - (4.0 / 3.0) / (16.0 / 9.0)) / 2;
constexpr double kBandEdge = 0.5 - (0.5 - kBandOnScreen) / kPlaneHeight;

}  // namespace

Image DrawLetterboxMask()
{
    return Painted(kMaskWidth, kMaskHeight, [](int x, int y) {
        const double u = (x + 0.5) / kMaskWidth, v = (y + 0.5) / kMaskHeight;
        const double fromMiddle = std::abs(v - 0.5);
        const double inside = (0.5 - kBandEdge) - fromMiddle;  // > 0 inside the window
        const double texel = 1.0 / kMaskHeight;
        if (inside > 0) {
            // A short soft shadow falls from the band onto the picture.
            const double shadow = 0.45 * std::exp(-inside / (texel * 3));
            return ToRgba(ToLight(kNight), shadow < 0.02 ? 0 : shadow);
        }
        const double line = std::exp(-std::pow((-inside - texel * 3) / (texel * 1.6), 2));
        const double along = std::exp(-std::pow((u - 0.5) / 0.3, 2));
        const Light edge = Lerp(ToLight(kMagenta), ToLight(kGold), along);
        return ToRgba(edge * (line * (0.35 + 0.65 * along)));
    });
}

}  // namespace datagen::opening
