// The two plasma layers of the banner part. The part stretches them over 1.8 screens, wobbles their
// texture coordinates and turns them, plasma 1 up to 0.8 opaque and plasma 2 up to 0.3 over it.
// Plasma 1 is the classic sum of sines through the colour cycle, with thin contour lights; plasma 2
// is a web of icy veins on a transparent ground, so it draws light lines over the first.
#include <cmath>
#include <vector>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kPlasmaSide = 512;

double SumOfSines(double u, double v, double a, double b, double c)
{
    const double tau = 2 * M_PI;
    const double dx = u - 0.5 - 0.1 * std::sin(v * tau), dy = v - 0.5;
    return std::sin(u * tau * a) + std::sin(v * tau * b + 1.3) + std::sin((u + v) * tau * c) +
           std::sin(std::sqrt(dx * dx + dy * dy) * tau * 5);
}

// A field sampled at every texel centre, with one more column and row for the slopes at the far edges.
class SampledField {
public:
    explicit SampledField(double (*field)(double x, double y)) : m_values(static_cast<size_t>(kStride) * kStride)
    {
        for (int y = 0; y < kStride; ++y)
            for (int x = 0; x < kStride; ++x)
                m_values[static_cast<size_t>(y) * kStride + x] = field(x + 0.5, y + 0.5);
    }
    double At(int x, int y) const { return m_values[static_cast<size_t>(y) * kStride + x]; }

    // Distance in texels from (x, y) to the nearest line where SCALE times the field crosses a whole
    // number, from the value and slope there: lines keep one width however tightly the field folds.
    double DistanceToLevel(int x, int y, double scale) const
    {
        const double at = At(x, y) * scale;
        const double slopeX = At(x + 1, y) * scale - at, slopeY = At(x, y + 1) * scale - at;
        const double slope = std::sqrt(slopeX * slopeX + slopeY * slopeY) + 1e-9;
        return std::abs(at - std::round(at)) / slope;
    }

private:
    static constexpr int kStride = kPlasmaSide + 1;
    std::vector<double> m_values;
};

double BaseField(double x, double y)
{
    return SumOfSines(x / kPlasmaSide, y / kPlasmaSide, 3, 2, 2) / 8 + 0.5;  // 0..1
}

Rgba PlasmaBasePixel(const SampledField& field, int x, int y)
{
    const double value = field.At(x, y);
    const double cycle = value * 2.5;
    Light light = ToLight(DuskCycle().At(cycle - std::floor(cycle)));
    const double line = std::exp(-std::pow(field.DistanceToLevel(x, y, 14) / 0.9, 2));
    light = light * (0.75 + 0.35 * std::sin(value * 9)) + ToLight(kWhite) * (0.3 * line);
    return ToRgba(light);
}

double VeinField(double x, double y)
{
    const double u = x / kPlasmaSide, v = y / kPlasmaSide;
    const double warp = TileFbm(u * 4, v * 4, 4, 3, 505) - 0.5;
    return SumOfSines(v + warp * 0.15, u + warp * 0.1, 2, 3, 1) * 0.75;
}

Rgba PlasmaVeinPixel(const SampledField& field, int x, int y)
{
    const double distance = field.DistanceToLevel(x, y, 1);
    const double vein = std::exp(-std::pow(distance / 1.6, 2));
    const double glow = std::exp(-distance / 9);
    const Light light = Lerp(ToLight(kViolet), ToLight(kIce), 0.3 + 0.7 * vein) + ToLight(kWhite) * (0.5 * std::pow(vein, 3));
    return ToRgba(light, 0.08 + 0.4 * glow + 0.5 * vein);
}

}  // namespace

Image DrawPlasmaBase()
{
    const SampledField field(BaseField);
    return Painted(kPlasmaSide, kPlasmaSide, [&field](int x, int y) { return PlasmaBasePixel(field, x, y); });
}

Image DrawPlasmaVeins()
{
    const SampledField field(VeinField);
    return Painted(kPlasmaSide, kPlasmaSide, [&field](int x, int y) { return PlasmaVeinPixel(field, x, y); });
}

}  // namespace datagen::opening
