// The loading screen, which stays up as the title backdrop: a dusk horizon with a starry sky, a striped
// sun behind the spinning cube in the middle, a dark ridge and a glowing grid floor. The top quarter
// stays calm, because the logo is drawn there.
#include <cmath>
#include <vector>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kLoadingSide = 1024;
constexpr double kScreenAspect = 4.0 / 3.0;
constexpr double kHorizon = 0.66;
constexpr double kSunX = kScreenAspect / 2, kSunY = 0.5, kSunRadius = 0.23;

Light SkyAt(double sx, double sy)
{
    static const Palette sky({{0.0, kNight}, {0.30, kIndigo}, {0.52, kViolet}, {0.62, kMagenta},
                              {kHorizon, kEmber}});
    Light light = ToLight(sky.At(sy));
    static const CoarseField hazeField(256, [](double u, double v) {
        return TileFbm(u * kScreenAspect * 3, v * 9, 64, 4, 71);
    });
    const double haze = hazeField.At(sx / kScreenAspect, sy);
    light = light + ToLight(kMagenta) * (0.12 * Smoothstep(0.45, 0.8, haze) * Smoothstep(0.2, 0.6, sy));
    const double dx = sx - kSunX, dy = sy - kSunY;
    const double distance = std::sqrt(dx * dx + dy * dy);
    light = light + ToLight(kEmber) * (0.55 * std::exp(-std::max(0.0, distance - kSunRadius) * 9));
    return light;
}

// The sun's disc with the horizontal cuts of its lower half; COVER is its coverage of the pixel.
Light SunAt(double sy, double& cover, double pixel)
{
    static const Palette disc({{0.0, kGold}, {0.45, kEmber}, {1.0, kMagenta}});
    const double local = (sy - (kSunY - kSunRadius)) / (2 * kSunRadius);
    if (sy > kSunY - 0.02) {
        // Cuts grow thicker towards the horizon.
        const double band = (sy - kSunY + 0.02) / 0.028;
        const double phase = band - std::floor(band);
        const double gap = 0.12 + 0.09 * std::floor(band);
        cover *= Smoothstep(gap - pixel * 20, gap + pixel * 20, phase);
    }
    return ToLight(disc.At(local));
}

// The ridge's top for every column of the picture, worked out once.
double RidgeTop(int column)
{
    static const std::vector<double> tops = [] {
        std::vector<double> heights(kLoadingSide);
        for (int x = 0; x < kLoadingSide; ++x) {
            const double sx = (x + 0.5) / kLoadingSide * kScreenAspect;
            heights[static_cast<size_t>(x)] = kHorizon - 0.012 - 0.06 * std::pow(TileFbm(sx * 4, 3.5, 16, 4, 9), 1.6);
        }
        return heights;
    }();
    return tops[static_cast<size_t>(column)];
}

Light FloorAt(double sx, double sy)
{
    const double below = sy - kHorizon;
    const double depth = 0.06 / below;
    const double lateral = (sx - kSunX) * depth * 12;
    const double pixelX = depth * 12 * kScreenAspect / kLoadingSide;
    const double pixelZ = 0.06 / (below * below) / kLoadingSide;
    auto line = [](double value, double pixel) {
        const double distance = std::abs(value - std::round(value));
        return Clamp01(1 - distance / (pixel * 1.2 + 0.01)) + 0.25 * std::exp(-distance / (pixel * 4 + 0.01));
    };
    const double fog = std::exp(-depth * 0.35);
    const double grid = std::min(1.3, line(lateral, pixelX) + line(depth * 2, pixelZ * 2)) * fog;
    Light ground = Lerp(ToLight(kNight), ToLight(kIndigo), fog * 0.6);
    ground = ground + ToLight(kMagenta) * grid;
    ground = ground + ToLight(kEmber) * (0.5 * std::exp(-below * 22));
    // The sun's reflection: a soft vertical streak under it.
    ground = ground + ToLight(kEmber) * (0.25 * std::exp(-std::abs(sx - kSunX) * 10) * std::exp(-below * 6));
    return ground;
}

Rgba LoadingPixel(int x, int y)
{
    const double pixel = 1.0 / kLoadingSide;
    const double sx = (x + 0.5) * pixel * kScreenAspect, sy = (y + 0.5) * pixel;
    if (sy > kHorizon)
        return ToRgba(FloorAt(sx, sy));
    const double ridge = RidgeTop(x);
    if (sy > ridge) {
        const double rim = std::exp(-(sy - ridge) * 260);
        return ToRgba(Lerp(ToLight(kNight), ToLight(kIndigo), 0.4) + ToLight(kMagenta) * (0.8 * rim));
    }
    Light light = SkyAt(sx, sy);
    const double dx = sx - kSunX, dy = sy - kSunY;
    double cover = Smoothstep(kSunRadius + pixel, kSunRadius - pixel, std::sqrt(dx * dx + dy * dy));
    if (cover > 0) {
        const Light sun = SunAt(sy, cover, pixel);
        light = Lerp(light, sun, cover);
    }
    const double ridgeEdge = Smoothstep(ridge - pixel * 1.5, ridge, sy);
    return ToRgba(Lerp(light, ToLight(kNight), ridgeEdge * 0.6));
}

void DrawStars(cairo_t* cr)
{
    Random random(2718);
    for (int i = 0; i < 420; ++i) {
        const double x = random.Unit() * kLoadingSide;
        const double y = std::pow(random.Unit(), 1.4) * kLoadingSide * (kHorizon - 0.1);
        const double dx = x / kLoadingSide * kScreenAspect - kSunX, dy = y / kLoadingSide - kSunY;
        if (std::sqrt(dx * dx + dy * dy) < kSunRadius + 0.03)
            continue;
        const double size = 0.5 + 1.6 * std::pow(random.Unit(), 4);
        const double brightness = 0.35 + 0.65 * random.Unit();
        cairo_pattern_t* star = cairo_pattern_create_radial(x, y, 0, x, y, size * 2.2);
        const Rgba tint = random.Unit() < 0.3 ? kIce : random.Unit() < 0.5 ? kGold : kWhite;
        AddStop(star, 0, kWhite, brightness);
        AddStop(star, 0.4, tint, brightness * 0.6);
        AddStop(star, 1, tint, 0);
        cairo_set_source(cr, star);
        cairo_arc(cr, x, y, size * 2.2, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(star);
    }
}

// The name of the group, small in the lower right corner.
void DrawSignature(cairo_t* cr)
{
    TextLayout layout;
    layout.family = "DejaVu Sans";
    layout.size = 22;
    layout.italic = true;
    layout.tracking = 4;
    layout.scaleX = 1 / kScreenAspect;
    const double centreX = (kLoadingSide * kScreenAspect) - 110;
    CentredTextPath(cr, layout, "talvik", centreX, kLoadingSide - 40);
    SetSource(cr, kIce, 0.75);
    cairo_fill(cr);
}

}  // namespace

Image DrawLoadingScreen()
{
    Canvas canvas(Painted(kLoadingSide, kLoadingSide, LoadingPixel));
    DrawStars(canvas.Context());
    DrawSignature(canvas.Context());
    return canvas.ToImage();
}

}  // namespace datagen::opening
