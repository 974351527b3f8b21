// The fire part's pictures. The fire texture is rewritten by the fire every frame; its file only gives
// the first frame, so it is drawn in the fire's own colours (red from the heat, a fixed touch of green
// and blue) with the white frame the fire draws. The bars picture is laid over the whole part at half
// strength: metal bars that crowd towards the top and bottom and leave the middle clear for the plates.
#include <algorithm>
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kFireSide = 256;

Rgba FirePixel(int x, int y)
{
    if (x == 0 || y == 0 || x == kFireSide - 1 || y == kFireSide - 1)
        return kWhite;
    const double u = (x + 0.5) / kFireSide, v = (y + 0.5) / kFireSide;
    const double flames = TileFbm(u * 8, v * 2 + 0.4 * TileNoise(u * 8, v * 8, 8, 31), 6, 5, 30);
    const double heat = Clamp01(std::pow(v, 1.3) * 1.4 * flames + 0.35 * std::pow(v, 6));
    return {static_cast<uint8_t>(std::lround(heat * 255)), 24, 6, 255};
}

constexpr int kBarsSide = 512;

// Which bar, if any, covers v (0..1 down the screen), and where across it: bars are spaced evenly and
// grow thicker away from the middle.
bool BarAt(double v, double& across)
{
    constexpr double kSpacing = 1.0 / 24;
    const double slot = v / kSpacing;
    const double centre = (std::floor(slot) + 0.5) * kSpacing;
    const double thickness = kSpacing * std::pow(std::abs(centre - 0.5) * 2, 1.5) * 0.9;
    const double offset = v - (centre - thickness / 2);
    // Bars thinner than a few texels would only shimmer; the middle stays clear instead.
    if (thickness < 3.0 / kBarsSide || offset < 0 || offset > thickness)
        return false;
    across = offset / thickness;
    return true;
}

Rgba BarsPixel(int x, int y)
{
    const double u = (x + 0.5) / kBarsSide, v = (y + 0.5) / kBarsSide;
    const double edge = std::min(v, 1 - v);
    const double along = std::abs(u - 0.5) * 2;
    if (edge < 0.07) {
        const double across = v < 0.5 ? v / 0.07 : (1 - v) / 0.07;
        const double metal = std::sin(across * M_PI);
        const Light light = ToLight(DuskCycle().At(0.25 + 0.4 * along)) * (0.2 + 0.8 * metal) +
                            ToLight(kWhite) * (0.45 * std::exp(-std::pow((across - 0.35) / 0.12, 2)));
        return ToRgba(light);
    }
    double across = 0;
    if (!BarAt(v, across))
        return {0, 0, 0, 0};
    const double metal = std::sin(across * M_PI);
    const Light light = ToLight(DuskCycle().At(0.3 + 0.3 * along)) * (0.3 + 0.7 * metal) +
                        ToLight(kWhite) * (0.3 * std::pow(metal, 8));
    return ToRgba(light, 0.35 + 0.6 * metal);
}

}  // namespace

Image DrawFireStart() { return Painted(kFireSide, kFireSide, FirePixel); }

Image DrawFireBars() { return Painted(kBarsSide, kBarsSide, BarsPixel); }

}  // namespace datagen::opening
