// The sausage part's two full-screen pictures. The backdrop is a dark nebula, warped noise in the dusk
// colours with a soft burst of light in the middle where the sausage turns, dark enough for the beat
// boxes and the smoke to stand out. The layer is drawn over everything at full strength, so it is
// transparent in the middle: a vignette, fine scan lines and a thin display frame with captions.
#include <algorithm>
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kSide = 1024;
constexpr double kAspect = 4.0 / 3.0;

// The two warp layers of the nebula, smooth enough for a coarse grid.
struct NebulaWarp {
    CoarseField x{256, [](double u, double v) { return TileFbm(u * 4, v * 3, 4, 4, 11); }};
    CoarseField y{256, [](double u, double v) { return TileFbm(u * 4 + 5.2, v * 3 + 1.3, 4, 4, 12); }};
};

Rgba NebulaPixel(const NebulaWarp& warp, int x, int y)
{
    const double u = (x + 0.5) / kSide, v = (y + 0.5) / kSide;
    const double warpX = warp.x.At(u, v), warpY = warp.y.At(u, v);
    const double cloud = TileFbm(u * 4 + 2.5 * warpX, v * 3 + 2.5 * warpY, 4, 4, 13);
    const double dx = (u - 0.5) * kAspect, dy = v - 0.5;
    const double radius = std::sqrt(dx * dx + dy * dy);
    static const Palette nebula({{0.0, kNight}, {0.35, kIndigo}, {0.6, kViolet}, {0.8, kMagenta}, {1.0, kEmber}});
    Light light = ToLight(nebula.At(Smoothstep(0.25, 0.85, cloud) * (0.92 - 0.4 * radius)));
    const double burst = std::exp(-radius * 5) * (0.6 + 0.4 * warpY);
    light = light + ToLight(kMagenta) * (0.45 * burst) + ToLight(kGold) * (0.25 * std::exp(-radius * 12));
    light = light * (1.05 - 0.55 * Smoothstep(0.35, 0.9, radius));
    return ToRgba(light);
}

void DrawNebulaStars(cairo_t* cr)
{
    Random random(5150);
    for (int i = 0; i < 260; ++i) {
        const double x = random.Unit() * kSide, y = random.Unit() * kSide;
        const double size = 0.6 + 1.4 * std::pow(random.Unit(), 5);
        SetSource(cr, random.Unit() < 0.4 ? kIce : kWhite, 0.25 + 0.6 * random.Unit());
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1 / kAspect, 1);
        cairo_arc(cr, 0, 0, size, 0, 2 * M_PI);
        cairo_restore(cr);
        cairo_fill(cr);
    }
}

}  // namespace

Image DrawDeformBackdrop()
{
    const NebulaWarp warp;
    Canvas canvas(Painted(kSide, kSide, [&warp](int x, int y) { return NebulaPixel(warp, x, y); }));
    DrawNebulaStars(canvas.Context());
    return canvas.ToImage();
}

namespace {

// The layer is laid out in the pixels of a 1024 x 768 screen.
constexpr double kDesignWidth = 1024, kDesignHeight = 768;
constexpr double kScaleY = kSide / kDesignHeight;
constexpr double kInset = 26;

Rgba VignettePixel(int x, int y)
{
    const double dx = ((x + 0.5) / kSide - 0.5) * 2, dy = ((y + 0.5) / kSide - 0.5) * 2;
    const double reach = std::sqrt(dx * dx * 0.8 + dy * dy);
    double alpha = 0.9 * Smoothstep(0.7, 1.35, reach);
    if (y % 8 < 2)
        alpha = std::max(alpha, 0.14);
    return ToRgba(ToLight(kNight), alpha);
}

void DrawFrameLines(cairo_t* cr)
{
    cairo_save(cr);
    cairo_scale(cr, 1, kScaleY);
    const double right = kDesignWidth - kInset, bottom = kDesignHeight - kInset;
    cairo_rectangle(cr, kInset, kInset, right - kInset, bottom - kInset);
    cairo_restore(cr);
    cairo_set_line_width(cr, 1.5);
    SetSource(cr, kMagenta, 0.7);
    cairo_stroke(cr);

    const double arm = 64;
    const double corners[4][4] = {{kInset, kInset, 1, 1}, {right, kInset, -1, 1},
                                  {kInset, bottom, 1, -1}, {right, bottom, -1, -1}};
    cairo_save(cr);
    cairo_scale(cr, 1, kScaleY);
    for (const auto& corner : corners) {
        cairo_move_to(cr, corner[0] + corner[2] * arm, corner[1]);
        cairo_line_to(cr, corner[0], corner[1]);
        cairo_line_to(cr, corner[0], corner[1] + corner[3] * arm);
    }
    for (double x = kInset + 96; x < right - 90; x += 32) {
        const double length = std::fmod(x - kInset, 128) < 1 ? 12 : 6;
        cairo_move_to(cr, x, kInset);
        cairo_line_to(cr, x, kInset + length);
        cairo_move_to(cr, x, bottom);
        cairo_line_to(cr, x, bottom - length);
    }
    cairo_restore(cr);
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    SetSource(cr, kGold, 0.95);
    cairo_stroke(cr);
}

// A row of level bars in the lower left corner, like a display's meter.
void DrawMeter(cairo_t* cr)
{
    Random random(808);
    for (int i = 0; i < 14; ++i) {
        const double level = 0.25 + 0.75 * std::pow(std::sin(i * 0.45 + 0.3), 2) * (0.7 + 0.3 * random.Unit());
        const double height = 46 * level, x = kInset + 22 + i * 9, base = kDesignHeight - kInset - 18;
        cairo_rectangle(cr, x, (base - height) * kScaleY, 6, height * kScaleY);
        SetSource(cr, DuskPalette().At(0.5 + 0.5 * level), 0.85);
        cairo_fill(cr);
    }
}

void DrawCaption(cairo_t* cr, const char* text, double centreX, double centreY, Rgba colour)
{
    TextLayout layout;
    layout.family = "DejaVu Sans Mono";
    layout.size = 17;
    layout.tracking = 3;
    layout.scaleY = kScaleY;
    CentredTextPath(cr, layout, text, centreX, centreY);
    SetSource(cr, colour, 0.9);
    cairo_fill(cr);
}

}  // namespace

Image DrawDeformLayer()
{
    Canvas canvas(Painted(kSide, kSide, VignettePixel));
    cairo_t* cr = canvas.Context();
    DrawFrameLines(cr);
    DrawMeter(cr);
    DrawCaption(cr, "the Zenth", kInset + 110, kInset + 26, kIce);
    DrawCaption(cr, "talvik", kDesignWidth - kInset - 80, kDesignHeight - kInset - 24, kGold);
    return canvas.ToImage();
}

}  // namespace datagen::opening
