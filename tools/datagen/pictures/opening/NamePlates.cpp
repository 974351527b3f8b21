// The six name plates of the fire part. Each is drawn on a full-screen plane and on the 5 x 4 front of a
// box, at under half strength and in fading echoes, so the plates are bold and bright: a translucent
// dark panel with a glowing rim, one word in metal lettering, a light rule beneath it. The roles
// ("code", "msx", "gfx") are icy; the members' names are warm.
#include <algorithm>
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kSide = 512;
// The box front is 5:4, so the plate is laid out in 640 x 512 design units.
constexpr double kDesignWidth = 640, kDesignHeight = 512;
constexpr double kScaleX = kSide / kDesignWidth;
constexpr double kWordCentreY = 236, kMaxWordWidth = 500;

struct PlateColours {
    Rgba rimTop, rimBottom, glow;
    void (*stops)(cairo_pattern_t*);
};

PlateColours ColoursOf(PlateKind kind)
{
    if (kind == PlateKind::Role)
        return {kIce, kViolet, kIce, ChromeStops};
    return {kGold, kMagenta, kMagenta, GoldStops};
}

void RoundedRectangle(cairo_t* cr, double x, double y, double width, double height, double radius)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width - radius, y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, x + radius, y + height - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void DrawPanel(cairo_t* cr, const PlateColours& colours)
{
    cairo_save(cr);
    cairo_scale(cr, kScaleX, 1);
    RoundedRectangle(cr, 22, 22, kDesignWidth - 44, kDesignHeight - 44, 40);
    cairo_restore(cr);
    cairo_pattern_t* body = cairo_pattern_create_linear(0, 0, 0, kSide);
    AddStop(body, 0, kIndigo, 0.8);
    AddStop(body, 1, kNight, 0.6);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, 0, kSide);
    AddStop(rim, 0, colours.rimTop);
    AddStop(rim, 1, colours.rimBottom);
    cairo_set_source(cr, rim);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    cairo_pattern_destroy(rim);

    cairo_save(cr);
    cairo_scale(cr, kScaleX, 1);
    RoundedRectangle(cr, 40, 40, kDesignWidth - 80, kDesignHeight - 80, 26);
    cairo_restore(cr);
    SetSource(cr, kWhite, 0.3);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

// Faint diagonal hatching inside the panel, so the plate is no flat colour even where no word is.
void DrawHatching(cairo_t* cr)
{
    cairo_save(cr);
    cairo_rectangle(cr, 48 * kScaleX, 48, (kDesignWidth - 96) * kScaleX, kDesignHeight - 96);
    cairo_clip(cr);
    for (double x = -kSide; x < kSide * 2; x += 14) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x + kSide, kSide);
    }
    SetSource(cr, kWhite, 0.05);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void DrawRule(cairo_t* cr, const PlateColours& colours)
{
    const double y = 372, half = 190 * kScaleX, centre = kSide / 2.0;
    cairo_pattern_t* rule = cairo_pattern_create_linear(centre - half, 0, centre + half, 0);
    AddStop(rule, 0, colours.rimBottom, 0);
    AddStop(rule, 0.5, kWhite, 0.95);
    AddStop(rule, 1, colours.rimBottom, 0);
    cairo_set_source(cr, rule);
    cairo_rectangle(cr, centre - half, y - 2, half * 2, 4);
    cairo_fill(cr);
    cairo_pattern_destroy(rule);
}

TextLayout WordLayout(cairo_t* cr, const char* word, PlateKind kind)
{
    TextLayout layout;
    layout.family = kind == PlateKind::Role ? "DejaVu Sans" : "Liberation Sans";
    layout.italic = kind == PlateKind::Member;
    layout.size = 180;
    layout.tracking = 6;
    layout.scaleX = kScaleX;
    const double width = DesignWidth(cr, layout, word);
    layout.size *= std::min(1.0, kMaxWordWidth / width);
    return layout;
}

}  // namespace

Image DrawNamePlate(const char* word, PlateKind kind)
{
    const PlateColours colours = ColoursOf(kind);
    Canvas canvas(kSide, kSide);
    DrawPanel(canvas.Context(), colours);
    DrawHatching(canvas.Context());
    DrawRule(canvas.Context(), colours);
    Image plate = canvas.ToImage();

    const TextLayout layout = WordLayout(canvas.Context(), word, kind);
    Lettering style;
    style.fillStops = colours.stops;
    style.gradientTop = kWordCentreY - layout.size * 0.38;
    style.gradientBottom = kWordCentreY + layout.size * 0.38;
    style.glow = colours.glow;
    style.glowRadius = 11;
    style.outlineWidth = 3.5;
    DrawOver(plate, GlowingLettering(kSide, kSide, [&](cairo_t* cr) {
        CentredTextPath(cr, layout, word, kDesignWidth / 2, kWordCentreY);
    }, style));
    return plate;
}

}  // namespace datagen::opening
