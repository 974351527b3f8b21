// The smoke puff of the sausage part's particles: drawn as a point sprite and tinted by the particle's
// colour, so it is near white; a round soft falloff to nothing at the rim, broken up by wisps of noise
// so a cloud of puffs does not read as a pile of discs.
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

Image DrawSmokePuff()
{
    constexpr int kSide = 128;
    return Painted(kSide, kSide, [](int x, int y) {
        const double dx = (x + 0.5) / kSide * 2 - 1, dy = (y + 0.5) / kSide * 2 - 1;
        const double radius = std::sqrt(dx * dx + dy * dy);
        const double falloff = std::pow(Clamp01(1 - radius * radius), 2);
        const double wisps = TileFbm((x + 0.5) / 16.0, (y + 0.5) / 16.0, 8, 4, 202);
        const double density = falloff * (0.55 + 0.75 * wisps);
        const Light tint = Lerp(ToLight(kWhite), ToLight({214, 206, 240, 255}), radius);
        return ToRgba(tint, Clamp01(density));
    });
}

}  // namespace datagen::opening
