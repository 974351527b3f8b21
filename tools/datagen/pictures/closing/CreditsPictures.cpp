// The credits part: the film dust laid over the whole screen at alpha 0.8, and the face of the
// pulsing title cube.
#include <cmath>

#include "core/Procedural.h"
#include "pictures/closing/ClosingArt.h"
#include "pictures/closing/ClosingPictures.h"

namespace datagen::closing {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Old film: specks of dust, curly hairs and long vertical scratches, light and dark, on a transparent
// picture so the credits show through everywhere else.
Image FilmDust()
{
    constexpr int kSize = 512;
    Canvas canvas(kSize, kSize);
    cairo_t* cr = canvas.Context();
    Random random(1977);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 140; ++i) {
        const double x = random.Unit() * kSize, y = random.Unit() * kSize;
        const double size = 0.6 + std::pow(random.Unit(), 4) * 4.5;
        const bool light = random.Unit() < 0.7;  // the credits run over black, where light marks show
        const double shade = light ? 0.92 : 0.05;
        cairo_set_source_rgba(cr, shade, shade, shade * 0.95, 0.5 + random.Unit() * 0.5);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 1.0, 0.6 + random.Unit() * 0.8);
        cairo_arc(cr, 0, 0, size, 0, 2 * kPi);
        cairo_restore(cr);
        cairo_fill(cr);
    }
    for (int i = 0; i < 9; ++i) {
        double x = random.Unit() * kSize, y = random.Unit() * kSize, heading = random.Unit() * 2 * kPi;
        const double shade = random.Unit() < 0.5 ? 0.9 : 0.08;
        cairo_set_source_rgba(cr, shade, shade, shade, 0.75);
        cairo_set_line_width(cr, 0.8 + random.Unit() * 0.8);
        cairo_move_to(cr, x, y);
        for (int step = 0; step < 30; ++step) {
            heading += (random.Unit() - 0.5) * 0.9;
            x += std::cos(heading) * 2.2, y += std::sin(heading) * 2.2;
            cairo_line_to(cr, x, y);
        }
        cairo_stroke(cr);
    }
    for (int i = 0; i < 7; ++i) {
        const double x = random.Unit() * kSize, top = random.Unit() * kSize * 0.5;
        const double length = kSize * (0.3 + random.Unit() * 0.7), drift = (random.Unit() - 0.5) * 6;
        cairo_set_source_rgba(cr, 0.95, 0.95, 0.9, 0.35 + random.Unit() * 0.35);
        cairo_set_line_width(cr, 0.7 + random.Unit());
        cairo_move_to(cr, x, top);
        cairo_curve_to(cr, x + drift, top + length / 3, x - drift, top + 2 * length / 3, x + drift / 2, top + length);
        cairo_stroke(cr);
    }
    return canvas.ToImage();
}

// The title cube's face: "the Zenth" in chrome on a dark panel with a glowing frame.
Image TitleFace()
{
    constexpr int kSize = 512;
    Image panel(kSize, kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = (x - kSize / 2.0) / kSize, dy = (y - kSize / 2.0) / kSize;
            const double light = std::exp(-(dx * dx + dy * dy) * 5) * 0.8 + TileFbm(x / 64.0, y / 64.0, 8, 4, 5) * 0.25;
            panel.At(x, y) = Mix(kNight, kDeepBlue, light);
        }
    }
    Canvas canvas(panel);
    cairo_t* cr = canvas.Context();
    SetSource(canvas.Context(), kCyan);
    cairo_set_line_width(cr, 6);
    cairo_rectangle(cr, 22, 22, kSize - 44, kSize - 44);
    cairo_stroke(cr);
    SetSource(canvas.Context(), kAmber);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, 36, 36, kSize - 72, kSize - 72);
    cairo_stroke(cr);
    ChromeText(canvas, "Liberation Serif", 74, kSize / 2.0, 200, "the", 3);
    ChromeText(canvas, "Liberation Sans", 136, kSize / 2.0, 340, "Zenth", 4);
    canvas.SetFont("DejaVu Sans", 22);
    const double width = canvas.TextWidth("by  T a l v i k");
    SetSource(canvas.Context(), kCyan);
    canvas.TextPath((kSize - width) / 2, 420, "by  T a l v i k");
    cairo_fill(cr);
    Image face = canvas.ToImage();
    AddGlow(face, Blurred(face, 6), 0.3);
    return face;
}

}  // namespace

void WriteCreditsPictures(DataFolder& folder)
{
    folder.WritePicture("poussiere.png", FilmDust());
    folder.WritePicture("theZenth.png", TitleFace());
}

}  // namespace datagen::closing
