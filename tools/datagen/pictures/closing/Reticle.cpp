// The targeting reticle laid over the centre of the zoom (a plane of 0.2 x 0.2 of the screen): rings,
// ticks and corner brackets in a bright HUD green with a dark rim, its middle left clear so the
// target shows through.
#include <cmath>

#include "pictures/closing/ClosingArt.h"
#include "pictures/closing/ClosingPictures.h"

namespace datagen::closing {

namespace {

constexpr double kPi = 3.14159265358979323846;

void DrawReticleShapes(Canvas& canvas, double cx, double cy, double r)
{
    cairo_t* cr = canvas.Context();
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // Outer ring broken at the four axes.
    for (int q = 0; q < 4; ++q) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r * 0.78, q * kPi / 2 + 0.18, (q + 1) * kPi / 2 - 0.18);
    }
    cairo_stroke(cr);
    // Inner dashed ring.
    const double dashes[] = {r * 0.08, r * 0.06};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_arc(cr, cx, cy, r * 0.5, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Cross hairs that stop short of the middle, and ticks along them.
    for (int axis = 0; axis < 4; ++axis) {
        const double dx = std::cos(axis * kPi / 2), dy = std::sin(axis * kPi / 2);
        cairo_move_to(cr, cx + dx * r * 0.3, cy + dy * r * 0.3);
        cairo_line_to(cr, cx + dx * r * 0.95, cy + dy * r * 0.95);
        for (double at = 0.4; at < 0.75; at += 0.1) {
            cairo_move_to(cr, cx + dx * r * at - dy * r * 0.04, cy + dy * r * at - dx * r * 0.04);
            cairo_line_to(cr, cx + dx * r * at + dy * r * 0.04, cy + dy * r * at + dx * r * 0.04);
        }
    }
    cairo_stroke(cr);
    // Corner brackets.
    const double b = r * 0.98, arm = r * 0.28;
    for (int corner = 0; corner < 4; ++corner) {
        const double sx = corner % 2 ? 1 : -1, sy = corner / 2 ? 1 : -1;
        cairo_move_to(cr, cx + sx * (b - arm), cy + sy * b);
        cairo_line_to(cr, cx + sx * b, cy + sy * b);
        cairo_line_to(cr, cx + sx * b, cy + sy * (b - arm));
    }
    cairo_stroke(cr);
}

}  // namespace

void WriteReticle(DataFolder& folder)
{
    constexpr int kSize = 256;
    Canvas canvas(kSize, kSize);
    const double width = UseScreenProportions(canvas);
    const double cx = width / 2, cy = kSize / 2.0, r = kSize / 2.0 - 6;
    cairo_set_source_rgba(canvas.Context(), 0, 0.08, 0.02, 0.75);
    cairo_set_line_width(canvas.Context(), 7);
    DrawReticleShapes(canvas, cx, cy, r);
    cairo_set_source_rgba(canvas.Context(), 0.45, 1.0, 0.45, 1.0);
    cairo_set_line_width(canvas.Context(), 3);
    DrawReticleShapes(canvas, cx, cy, r);
    canvas.SetFont("DejaVu Sans Mono", 13, true);
    cairo_set_source_rgba(canvas.Context(), 0.45, 1.0, 0.45, 1.0);
    canvas.TextPath(cx + r * 0.55, cy - r * 0.62, "LOCK");
    canvas.TextPath(cx - r * 0.95, cy + r * 0.72, "x12");
    cairo_fill(canvas.Context());
    folder.WritePicture("reticule.png", canvas.ToImage());
}

}  // namespace datagen::closing
