// The spark sprites of the tunnel part's emitters. Both are white, so the particles' own colours tint
// them. The JPEG has no alpha: the emitters add it to the picture, so its black background adds
// nothing and only the spark shows. The PNG carries its shape in alpha over white.
#include <cmath>

#include "core/Procedural.h"
#include "pictures/closing/ClosingPictures.h"

namespace datagen::closing {

namespace {

constexpr int kSize = 64;

// Light of a four-pointed spark at (dx, dy) from its centre, in sprite radii: a hot core, a soft halo
// and thin rays along the axes; exactly 0 at the sprite's edge.
double SparkLight(double dx, double dy)
{
    const double r = std::sqrt(dx * dx + dy * dy);
    const double edge = Smoothstep(1.0, 0.8, r);
    const double core = std::exp(-r * r * 60);
    const double halo = std::exp(-r * r * 9) * 0.55;
    const double rays = (std::exp(-dy * dy * 900) + std::exp(-dx * dx * 900)) * std::exp(-r * 3.2) * 0.8;
    return Clamp01(core + halo + rays) * edge;
}

// Light of a round spark: a glowing disc with a brighter rim, like an out-of-focus spark.
double EmberLight(double r)
{
    const double disc = Smoothstep(0.72, 0.55, r) * 0.45;
    const double rim = std::exp(-std::pow((r - 0.6) / 0.07, 2)) * 0.55;
    const double core = std::exp(-r * r * 14) * 0.6;
    return Clamp01(disc + rim + core) * Smoothstep(1.0, 0.85, r);
}

double Offset(int pixel) { return (pixel + 0.5 - kSize / 2.0) / (kSize / 2.0); }

}  // namespace

void WriteSparkSprites(DataFolder& folder)
{
    Image spark(kSize, kSize);
    Image ember(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double light = SparkLight(Offset(x), Offset(y));
            // The core burns white, the halo a touch warm.
            const auto level = [&](double weight) { return static_cast<uint8_t>(std::lround(255 * Clamp01(light * weight))); };
            spark.At(x, y) = {level(1.0), level(0.96), level(0.9), 255};
            const double r = std::hypot(Offset(x), Offset(y));
            ember.At(x, y) = {255, 255, 255, static_cast<uint8_t>(std::lround(255 * EmberLight(r)))};
        }
    }
    folder.WritePicture("particle-1.jpg", spark);
    folder.WritePicture("part.png", ember);
}

}  // namespace datagen::closing
