// The copper bar: a bar a fiftieth of the screen high that the banner part sweeps up and down in nine
// echoes. Across its height it is a rounded metal profile with a hot highlight; along its length it
// runs through the demo's colour cycle, symmetrically, so both ends of the screen match.
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

Image DrawCopperBar()
{
    constexpr int kLength = 512, kHeight = 32;
    return Painted(kLength, kHeight, [](int x, int y) {
        const double u = (x + 0.5) / kLength, v = (y + 0.5) / kHeight;
        const double round = std::sin(v * M_PI);
        const double highlight = std::exp(-std::pow((v - 0.36) / 0.09, 2));
        const double along = std::abs(u - 0.5) * 2;  // 0 in the middle, 1 at both ends
        Light light = ToLight(DuskCycle().At(0.2 + 0.55 * along)) * (0.25 + 0.9 * std::pow(round, 1.5));
        light = light + ToLight(kWhite) * (0.8 * highlight * (1 - 0.5 * along));
        return ToRgba(light, Smoothstep(0.0, 0.35, round));
    });
}

}  // namespace datagen::opening
