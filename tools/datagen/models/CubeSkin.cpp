#include "models/CubeSkin.h"

#include <cmath>
#include <string>

#include "core/Canvas.h"
#include "core/Procedural.h"

namespace datagen {

namespace {

constexpr int kTile = 256;
constexpr int kColumns = 4;
constexpr int kRows = 2;

void VerticalGradient(cairo_t* cr, double top[3], double bottom[3])
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, kTile);
    cairo_pattern_add_color_stop_rgb(gradient, 0, top[0], top[1], top[2]);
    cairo_pattern_add_color_stop_rgb(gradient, 1, bottom[0], bottom[1], bottom[2]);
    cairo_set_source(cr, gradient);
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

// Every tile has the same bevelled steel frame, so that neighbouring tiles, mip levels and the cube's
// edges all meet on one colour.
void BevelFrame(cairo_t* cr)
{
    const double band = 12;
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    cairo_rectangle(cr, band, band, kTile - 2 * band, kTile - 2 * band);
    cairo_pattern_t* steel = cairo_pattern_create_linear(0, 0, kTile, kTile);
    cairo_pattern_add_color_stop_rgb(steel, 0, 0.85, 0.9, 1.0);
    cairo_pattern_add_color_stop_rgb(steel, 0.45, 0.35, 0.4, 0.55);
    cairo_pattern_add_color_stop_rgb(steel, 0.55, 0.2, 0.22, 0.35);
    cairo_pattern_add_color_stop_rgb(steel, 1, 0.55, 0.6, 0.75);
    cairo_set_source(cr, steel);
    cairo_fill(cr);
    cairo_pattern_destroy(steel);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgb(cr, 1.0, 0.25, 0.8);
    cairo_rectangle(cr, band + 3, band + 3, kTile - 2 * band - 6, kTile - 2 * band - 6);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.1);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 0.75, 0.75, kTile - 1.5, kTile - 1.5);
    cairo_stroke(cr);
}

// Letters filled with a chrome sky-and-horizon gradient and outlined dark, centred on (cx, baseline).
void ChromeText(Canvas& canvas, const std::string& text, double size, double cx, double baseline, bool serif)
{
    cairo_t* cr = canvas.Context();
    canvas.SetFont(serif ? "DejaVu Serif" : "Liberation Sans", size, true, serif);
    const double x = cx - canvas.TextWidth(text) / 2;
    const double top = baseline - size * 0.75;
    cairo_pattern_t* chrome = cairo_pattern_create_linear(0, top, 0, baseline);
    cairo_pattern_add_color_stop_rgb(chrome, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(chrome, 0.45, 0.45, 0.7, 1);
    cairo_pattern_add_color_stop_rgb(chrome, 0.5, 0.1, 0.1, 0.35);
    cairo_pattern_add_color_stop_rgb(chrome, 0.56, 1, 0.55, 0.15);
    cairo_pattern_add_color_stop_rgb(chrome, 1, 1, 0.95, 0.75);
    // A soft magenta glow first, then the letters.
    for (int ring = 4; ring >= 1; --ring) {
        canvas.TextPath(x, baseline, text);
        cairo_set_source_rgba(cr, 1, 0.2, 0.9, 0.12);
        cairo_set_line_width(cr, ring * 5.0);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    canvas.TextPath(x, baseline, text);
    cairo_set_source(cr, chrome);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.05, 0.02, 0.15);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_pattern_destroy(chrome);
}

void Scanlines(cairo_t* cr, double alpha)
{
    cairo_set_source_rgba(cr, 0, 0, 0, alpha);
    for (int y = 0; y < kTile; y += 4) {
        cairo_rectangle(cr, 0, y, kTile, 2);
    }
    cairo_fill(cr);
}

void DrawTalvik(Canvas& canvas)
{
    cairo_t* cr = canvas.Context();
    double top[3] = {0.05, 0.02, 0.2}, bottom[3] = {0.35, 0.0, 0.35};
    VerticalGradient(cr, top, bottom);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 9; ++i) {  // speed lines
        const double y = 40 + i * 22;
        cairo_set_source_rgba(cr, 0.2, 0.9, 1, 0.15 + 0.05 * (i % 3));
        cairo_move_to(cr, 20, y);
        cairo_line_to(cr, kTile - 20, y + 6);
        cairo_stroke(cr);
    }
    Scanlines(cr, 0.25);
    ChromeText(canvas, "TALVIK", 58, kTile / 2.0, 150, false);
    canvas.SetFont("Liberation Mono", 15, true);
    cairo_set_source_rgb(cr, 0.3, 1, 0.9);
    const std::string line = "- digital arts -";
    canvas.TextPath(kTile / 2.0 - canvas.TextWidth(line) / 2, 190, line);
    cairo_fill(cr);
}

void DrawZenth(Canvas& canvas)
{
    cairo_t* cr = canvas.Context();
    double top[3] = {0.02, 0.0, 0.12}, bottom[3] = {0.6, 0.05, 0.3};
    VerticalGradient(cr, top, bottom);
    // A striped sun sinking behind the horizon.
    cairo_pattern_t* sun = cairo_pattern_create_linear(0, 40, 0, 170);
    cairo_pattern_add_color_stop_rgb(sun, 0, 1, 0.95, 0.3);
    cairo_pattern_add_color_stop_rgb(sun, 1, 1, 0.2, 0.5);
    cairo_arc(cr, kTile / 2.0, 170, 85, kPi, 2 * kPi);
    cairo_close_path(cr);
    cairo_set_source(cr, sun);
    cairo_fill(cr);
    cairo_pattern_destroy(sun);
    cairo_set_source_rgb(cr, 0.25, 0.02, 0.25);
    for (int i = 0; i < 6; ++i)
        cairo_rectangle(cr, 0, 110 + i * 11, kTile, 2 + i);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.3, 1, 1);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 5; ++i) {  // the floor grid below the horizon
        const double y = 172 + i * i * 4.0 + i * 3.0;
        cairo_move_to(cr, 12, y);
        cairo_line_to(cr, kTile - 12, y);
    }
    for (int i = -6; i <= 6; ++i) {
        cairo_move_to(cr, kTile / 2.0 + i * 8, 172);
        cairo_line_to(cr, kTile / 2.0 + i * 40, kTile - 12);
    }
    cairo_stroke(cr);
    ChromeText(canvas, "the Zenth", 36, kTile / 2.0, 96, true);
}

void StarPath(cairo_t* cr, double cx, double cy, int points, double outer, double inner, double turn)
{
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = turn + i * kPi / points;
        const double radius = i % 2 ? inner : outer;
        const double x = cx + radius * std::sin(angle), y = cy - radius * std::cos(angle);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

void DrawEmblem(Canvas& canvas)
{
    cairo_t* cr = canvas.Context();
    const double c = kTile / 2.0;
    cairo_pattern_t* glow = cairo_pattern_create_radial(c, c, 0, c, c, kTile * 0.7);
    cairo_pattern_add_color_stop_rgb(glow, 0, 0.15, 0.25, 0.6);
    cairo_pattern_add_color_stop_rgb(glow, 1, 0.01, 0.01, 0.06);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    cairo_set_source_rgb(cr, 0.3, 0.95, 1);
    for (int i = 0; i < 60; ++i) {  // a dial of ticks
        const double a = i * 2 * kPi / 60, inner = i % 5 ? 94 : 86;
        cairo_set_line_width(cr, i % 5 ? 1.5 : 3);
        cairo_move_to(cr, c + inner * std::cos(a), c + inner * std::sin(a));
        cairo_line_to(cr, c + 102 * std::cos(a), c + 102 * std::sin(a));
        cairo_stroke(cr);
    }
    for (double radius : {78.0, 70.0}) {
        cairo_set_line_width(cr, radius > 75 ? 4 : 1.5);
        cairo_set_source_rgb(cr, 1, 0.3, 0.85);
        cairo_arc(cr, c, c, radius, 0, 2 * kPi);
        cairo_stroke(cr);
    }
    cairo_pattern_t* gold = cairo_pattern_create_linear(c - 60, c - 60, c + 60, c + 60);
    cairo_pattern_add_color_stop_rgb(gold, 0, 1, 0.95, 0.6);
    cairo_pattern_add_color_stop_rgb(gold, 0.5, 0.9, 0.5, 0.1);
    cairo_pattern_add_color_stop_rgb(gold, 1, 1, 0.85, 0.4);
    StarPath(cr, c, c, 8, 64, 26, 0);
    cairo_set_source(cr, gold);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.2, 0.05, 0.0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_pattern_destroy(gold);
    StarPath(cr, c, c, 4, 30, 10, kPi / 4);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
}

void DrawGrid(Canvas& canvas)
{
    cairo_t* cr = canvas.Context();
    double top[3] = {0.0, 0.03, 0.08}, bottom[3] = {0.0, 0.1, 0.15};
    VerticalGradient(cr, top, bottom);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_set_line_width(cr, pass ? 1.5 : 6);
        cairo_set_source_rgba(cr, 0.1, 1, 0.6, pass ? 0.9 : 0.2);
        for (int i = 0; i <= 8; ++i) {
            const double at = 16 + i * 28;
            cairo_move_to(cr, at, 16);
            cairo_line_to(cr, at, kTile - 16);
            cairo_move_to(cr, 16, at);
            cairo_line_to(cr, kTile - 16, at);
        }
        cairo_stroke(cr);
    }
    cairo_set_source_rgb(cr, 1, 1, 0.8);
    for (int i = 0; i <= 8; i += 2) {
        for (int j = (i / 2) % 2; j <= 8; j += 2) {
            cairo_arc(cr, 16 + i * 28, 16 + j * 28, 3.5, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    cairo_set_source_rgba(cr, 0, 0.02, 0.05, 0.85);
    cairo_rectangle(cr, 72, 100, 112, 56);
    cairo_fill(cr);
    canvas.SetFont("Liberation Mono", 30, true);
    cairo_set_source_rgb(cr, 0.2, 1, 0.7);
    canvas.TextPath(kTile / 2.0 - canvas.TextWidth("TVK") / 2, 139, "TVK");
    cairo_fill(cr);
}

void DrawMonogram(Canvas& canvas)
{
    cairo_t* cr = canvas.Context();
    double top[3] = {0.3, 0.0, 0.05}, bottom[3] = {0.05, 0.0, 0.15};
    VerticalGradient(cr, top, bottom);
    cairo_set_source_rgba(cr, 1, 0.5, 0.1, 0.18);
    for (int i = 0; i < 16; ++i) {  // sun rays from the centre
        const double a0 = i * 2 * kPi / 16, a1 = a0 + kPi / 16;
        cairo_move_to(cr, kTile / 2.0, kTile / 2.0);
        cairo_line_to(cr, kTile / 2.0 + 200 * std::cos(a0), kTile / 2.0 + 200 * std::sin(a0));
        cairo_line_to(cr, kTile / 2.0 + 200 * std::cos(a1), kTile / 2.0 + 200 * std::sin(a1));
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    Scanlines(cr, 0.15);
    ChromeText(canvas, "TVK", 96, kTile / 2.0, 165, false);
}

void DrawPlasma(Image& atlas, int left, int top)
{
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double fx = x / 40.0, fy = y / 40.0;
            const double wave = std::sin(fx) + std::sin(fy * 1.3 + fx * 0.4) + std::sin(std::hypot(fx - 3, fy - 3) * 1.7) +
                                std::sin(fx * 0.7 - fy * 0.9);
            atlas.At(left + x, top + y) = FromHsv(0.62 + wave * 0.12, 0.85, 0.55 + 0.4 * std::sin(wave * 2.2) * std::sin(wave * 2.2));
        }
    }
}

void DrawMetal(Image& atlas, int left, int top)
{
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double streak = TileFbm(x / 64.0, y / 2.0, 4, 3, 77);
            const double band = 0.5 + 0.5 * std::cos(y * 2 * kPi / kTile * 2);
            const double light = 0.35 + 0.35 * band + 0.3 * streak;
            atlas.At(left + x, top + y) = Rgba{static_cast<uint8_t>(120 * light + 40), static_cast<uint8_t>(150 * light + 40),
                                               static_cast<uint8_t>(200 * light + 50), 255};
        }
    }
}

void DrawCircuit(Canvas& canvas)
{
    cairo_t* cr = canvas.Context();
    double top[3] = {0.02, 0.08, 0.08}, bottom[3] = {0.0, 0.02, 0.05};
    VerticalGradient(cr, top, bottom);
    Random random(4242);
    cairo_set_line_width(cr, 2);
    for (int trace = 0; trace < 40; ++trace) {
        double x = 16 + 8 * std::floor(random.Range(0, 28)), y = 16 + 8 * std::floor(random.Range(0, 28));
        cairo_set_source_rgba(cr, 0.1, 0.9, 0.8, 0.5 + 0.5 * random.Unit());
        cairo_move_to(cr, x, y);
        for (int step = 0; step < 4; ++step) {
            const double length = 8 * std::floor(random.Range(1, 6));
            if (step % 2)
                y = std::fmin(kTile - 16.0, y + length);
            else
                x = std::fmin(kTile - 16.0, x + length);
            cairo_line_to(cr, x, y);
        }
        cairo_stroke(cr);
        cairo_arc(cr, x, y, 3, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void DrawTile(Canvas& canvas, CubeTile tile)
{
    const int index = static_cast<int>(tile);
    const int left = index % kColumns * kTile, top = index / kColumns * kTile;
    cairo_t* cr = canvas.Context();
    cairo_save(cr);
    cairo_translate(cr, left, top);
    cairo_rectangle(cr, 0, 0, kTile, kTile);
    cairo_clip(cr);
    switch (tile) {
    case CubeTile::Talvik: DrawTalvik(canvas); break;
    case CubeTile::Zenth: DrawZenth(canvas); break;
    case CubeTile::Emblem: DrawEmblem(canvas); break;
    case CubeTile::Grid: DrawGrid(canvas); break;
    case CubeTile::Monogram: DrawMonogram(canvas); break;
    case CubeTile::Circuit: DrawCircuit(canvas); break;
    case CubeTile::Plasma:
    case CubeTile::Metal: break;  // pixel tiles, drawn into the picture before the canvas starts
    }
    cairo_restore(cr);
}

}  // namespace

Image DrawCubeSkin()
{
    // The pixel-drawn tiles go first; the canvas then starts from them and draws the others and every
    // frame on top.
    Image atlas(kColumns * kTile, kRows * kTile, Rgba{0, 0, 0, 255});
    DrawPlasma(atlas, static_cast<int>(CubeTile::Plasma) % kColumns * kTile, static_cast<int>(CubeTile::Plasma) / kColumns * kTile);
    DrawMetal(atlas, static_cast<int>(CubeTile::Metal) % kColumns * kTile, static_cast<int>(CubeTile::Metal) / kColumns * kTile);
    Canvas canvas(atlas);
    for (CubeTile tile : {CubeTile::Talvik, CubeTile::Zenth, CubeTile::Emblem, CubeTile::Grid, CubeTile::Monogram,
                          CubeTile::Circuit})
        DrawTile(canvas, tile);
    cairo_t* cr = canvas.Context();
    for (int index = 0; index < kColumns * kRows; ++index) {
        cairo_save(cr);
        cairo_translate(cr, index % kColumns * kTile, index / kColumns * kTile);
        BevelFrame(cr);
        cairo_restore(cr);
    }
    return canvas.ToImage();
}

UvRect CubeTileRect(CubeTile tile)
{
    const int index = static_cast<int>(tile);
    const double width = kColumns * kTile, height = kRows * kTile, inset = 1.5;
    const double left = index % kColumns * kTile, top = index / kColumns * kTile;
    return {(left + inset) / width, (top + inset) / height, (left + kTile - inset) / width,
            (top + kTile - inset) / height};
}

}  // namespace datagen
