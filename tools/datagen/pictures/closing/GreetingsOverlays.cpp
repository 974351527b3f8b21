// The greetings part's two overlays, each drawn over the whole screen at alpha 0.5: a band behind the
// sine scroller in the lower part of the screen, and a green bar along the top with the part's title.
#include <cmath>

#include "core/Procedural.h"
#include "pictures/closing/ClosingArt.h"
#include "pictures/closing/ClosingPictures.h"

namespace datagen::closing {

namespace {

constexpr int kSize = 512;
constexpr Rgba kGreen = {40, 230, 120, 255};
constexpr Rgba kDeepGreen = {4, 40, 30, 255};

// The scroller's letters swing around 80% of the screen's height; the band spans them with room for
// their largest zoom and their swing.
constexpr double kBandTop = 0.61;
constexpr double kBandBottom = 0.985;

Image ScrollerBand()
{
    Image band(kSize, kSize, {0, 0, 0, 0});
    const int top = static_cast<int>(kBandTop * kSize), bottom = static_cast<int>(kBandBottom * kSize);
    for (int y = top; y < bottom; ++y) {
        const double across = (y - top) / static_cast<double>(bottom - top);
        const bool scanline = y % 4 == 0;
        for (int x = 0; x < kSize; ++x) {
            const double shimmer = TileFbm(x / 32.0, y / 16.0, 16, 3, 55);
            Rgba colour = Mix(kDeepGreen, {10, 70, 60, 255}, 0.5 + 0.5 * std::sin(across * 3.14159) * shimmer);
            colour.a = static_cast<uint8_t>(scanline ? 235 : 200);
            band.At(x, y) = colour;
        }
    }
    Canvas canvas(band);
    cairo_t* cr = canvas.Context();
    SetSource(canvas.Context(), kGreen);
    for (const int edge : {top, bottom - 1}) {
        cairo_set_line_width(cr, 3);
        cairo_move_to(cr, 0, edge + 0.5);
        cairo_line_to(cr, kSize, edge + 0.5);
        cairo_stroke(cr);
    }
    // Small markers along the edges, like a ruler.
    cairo_set_line_width(cr, 2);
    for (int x = 8; x < kSize; x += 32) {
        cairo_move_to(cr, x, top + 2);
        cairo_line_to(cr, x, top + 9);
        cairo_move_to(cr, x + 16, bottom - 3);
        cairo_line_to(cr, x + 16, bottom - 10);
    }
    cairo_stroke(cr);
    Image result = canvas.ToImage();
    Image glow = Blurred(result, 4);
    for (Rgba& p : glow.Pixels())
        p = {kGreen.r, kGreen.g, kGreen.b, static_cast<uint8_t>(p.a / 2)};
    Image out(kSize, kSize, {0, 0, 0, 0});
    AddGlow(out, glow, 0.6);
    DrawOver(out, result);
    return out;
}

Image TopBar()
{
    Canvas canvas(kSize, kSize);
    const double width = UseScreenProportions(canvas);
    cairo_t* cr = canvas.Context();
    const double height = 0.13 * kSize;
    cairo_pattern_t* bar = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgba(bar, 0.0, 0.02, 0.16, 0.10, 1);
    cairo_pattern_add_color_stop_rgba(bar, 0.55, 0.08, 0.55, 0.30, 1);
    cairo_pattern_add_color_stop_rgba(bar, 0.6, 0.03, 0.30, 0.16, 1);
    cairo_pattern_add_color_stop_rgba(bar, 1.0, 0.02, 0.14, 0.09, 1);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_set_source(cr, bar);
    cairo_fill(cr);
    cairo_pattern_destroy(bar);
    // Diagonal stripes at both ends of the bar.
    cairo_set_source_rgba(cr, 0.16, 0.9, 0.47, 0.55);
    for (double x = -height; x < width; x += 22) {
        if (x > width * 0.16 && x < width * 0.84 - height)
            continue;
        cairo_move_to(cr, x, height);
        cairo_line_to(cr, x + height, 0);
        cairo_line_to(cr, x + height + 9, 0);
        cairo_line_to(cr, x + 9, height);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    SetSource(canvas.Context(), kGreen);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 0, height + 1.5);
    cairo_line_to(cr, width, height + 1.5);
    cairo_stroke(cr);
    ChromeText(canvas, "Liberation Sans", 38, width / 2, height * 0.74, "g r e e t i n g s", 2);
    Image result = canvas.ToImage();
    // A green glow hangs below the bar's lower edge and fades out.
    Image glow = Blurred(result, 7);
    for (Rgba& p : glow.Pixels())
        p = {kGreen.r, kGreen.g, kGreen.b, p.a};
    Image out(kSize, kSize, {0, 0, 0, 0});
    AddGlow(out, glow, 0.5);
    DrawOver(out, result);
    return out;
}

}  // namespace

void WriteGreetingsOverlays(DataFolder& folder)
{
    folder.WritePicture("layer_scroll.png", ScrollerBand());
    folder.WritePicture("haut_vert.png", TopBar());
}

}  // namespace datagen::closing
