#include "font/FontPainter.h"

#include "core/Canvas.h"

namespace datagen::font {

namespace {

constexpr double kOutlineWidth = 1.6;

cairo_pattern_t* ChromeGradient(double baseline)
{
    // The horizon sits a little above the middle of the lowercase letters.
    const double top = baseline - kFontSize * 0.78, bottom = baseline + kFontSize * 0.05;
    cairo_pattern_t* chrome = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(chrome, 0.00, 1.00, 1.00, 1.00);
    cairo_pattern_add_color_stop_rgb(chrome, 0.35, 0.70, 0.90, 1.00);
    cairo_pattern_add_color_stop_rgb(chrome, 0.57, 0.26, 0.50, 0.85);
    cairo_pattern_add_color_stop_rgb(chrome, 0.60, 0.10, 0.14, 0.34);
    cairo_pattern_add_color_stop_rgb(chrome, 0.72, 0.62, 0.36, 0.18);
    cairo_pattern_add_color_stop_rgb(chrome, 0.90, 1.00, 0.66, 0.19);
    cairo_pattern_add_color_stop_rgb(chrome, 1.00, 1.00, 0.90, 0.62);
    return chrome;
}

void PaintGlyph(Canvas& canvas, const PlacedGlyph& glyph)
{
    cairo_t* cr = canvas.Context();
    cairo_save(cr);
    // Each letter is clipped to its own cell, so filtering at a cell's edge never picks up a neighbour.
    cairo_rectangle(cr, glyph.x0 + 1, glyph.y0 + 1, glyph.x1 - glyph.x0 - 2, glyph.y1 - glyph.y0 - 2);
    cairo_clip(cr);
    // The letter is stretched; its outline is stroked afterwards with an even pen.
    cairo_save(cr);
    cairo_translate(cr, glyph.penX, glyph.baseline);
    cairo_scale(cr, kStretch, 1.0);
    canvas.TextPath(0, 0, Utf8Of(glyph.code));
    cairo_restore(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_source_rgba(cr, 0.02, 0.03, 0.10, 0.95);
    cairo_set_line_width(cr, kOutlineWidth * 2);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* chrome = ChromeGradient(glyph.baseline);
    cairo_set_source(cr, chrome);
    cairo_fill(cr);
    cairo_pattern_destroy(chrome);
    cairo_restore(cr);
}

}  // namespace

Image PaintFont(const std::vector<PlacedGlyph>& glyphs)
{
    Canvas canvas(kPictureSize, kPictureSize);
    canvas.SetFont(kFontFamily, kFontSize, true);
    for (const PlacedGlyph& glyph : glyphs)
        PaintGlyph(canvas, glyph);
    return canvas.ToImage();
}

}  // namespace datagen::font
