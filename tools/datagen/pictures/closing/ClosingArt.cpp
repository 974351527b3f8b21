#include "pictures/closing/ClosingArt.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/Procedural.h"

namespace datagen::closing {

double UseScreenProportions(Canvas& canvas)
{
    const double logicalWidth = canvas.Height() * 4.0 / 3.0;
    cairo_scale(canvas.Context(), canvas.Width() / logicalWidth, 1.0);
    return logicalWidth;
}

namespace {

void AddStop(cairo_pattern_t* pattern, double at, Rgba colour)
{
    cairo_pattern_add_color_stop_rgb(pattern, at, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

}  // namespace

void FillChrome(Canvas& canvas, double top, double bottom, Rgba outline, double outlineWidth)
{
    cairo_t* cr = canvas.Context();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (outlineWidth > 0) {
        SetSource(canvas.Context(), outline);
        cairo_set_line_width(cr, outlineWidth * 2);
        cairo_stroke_preserve(cr);
    }
    cairo_pattern_t* chrome = cairo_pattern_create_linear(0, top, 0, bottom);
    AddStop(chrome, 0.0, {255, 255, 255, 255});
    AddStop(chrome, 0.30, {170, 225, 255, 255});
    AddStop(chrome, 0.52, {60, 120, 210, 255});
    AddStop(chrome, 0.54, {16, 26, 70, 255});
    AddStop(chrome, 0.70, {120, 70, 40, 255});
    AddStop(chrome, 0.90, kAmber);
    AddStop(chrome, 1.0, {255, 230, 160, 255});
    cairo_set_source(cr, chrome);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(chrome);
    // A thin light rim inside the outline catches the light on the upper edges.
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_set_line_width(cr, std::max(0.6, outlineWidth * 0.35));
    cairo_stroke(cr);
}

void ChromeText(Canvas& canvas, const std::string& family, double size, double x, double baseline,
                const std::string& text, double outlineWidth)
{
    canvas.SetFont(family, size, true);
    cairo_text_extents_t extents;
    cairo_text_extents(canvas.Context(), text.c_str(), &extents);
    canvas.TextPath(x - extents.width / 2 - extents.x_bearing, baseline, text);
    FillChrome(canvas, baseline + extents.y_bearing, baseline + extents.y_bearing + extents.height,
               {4, 8, 24, 255}, outlineWidth);
}

void AddGlow(Image& destination, const Image& glow, double strength)
{
    for (size_t i = 0; i < destination.Pixels().size(); ++i) {
        Rgba& d = destination.Pixels()[i];
        const Rgba& g = glow.Pixels()[i];
        const double ga = Clamp01(g.a / 255.0 * strength), da = d.a / 255.0;
        const double outA = Clamp01(da + ga);
        if (outA <= 0)
            continue;
        auto channel = [&](uint8_t gc, uint8_t dc) {
            return static_cast<uint8_t>(std::lround(std::min(255.0, (dc * da + gc * ga) / outA)));
        };
        d = {channel(g.r, d.r), channel(g.g, d.g), channel(g.b, d.b), static_cast<uint8_t>(std::lround(outA * 255))};
    }
}

}  // namespace datagen::closing
