// The logo "the Zenth", drawn across the top quarter of the screen over the loading screen: chrome
// lettering with a magenta glow, "the" in warm italics before it, a light streak and a sparkle.
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kTitleWidth = 1024, kTitleHeight = 256;
// On screen the logo is a full screen wide and a quarter high: 1024 x 192 design units.
constexpr double kTitleDesignHeight = 192;
constexpr double kTitleScaleY = kTitleHeight / kTitleDesignHeight;

TextLayout ZenthLayout()
{
    TextLayout layout;
    layout.family = "DejaVu Sans";
    layout.size = 150;
    layout.tracking = 4;
    layout.scaleY = kTitleScaleY;
    return layout;
}

TextLayout TheLayout()
{
    TextLayout layout;
    layout.family = "Liberation Serif";
    layout.size = 84;
    layout.bold = true;
    layout.italic = true;
    layout.scaleY = kTitleScaleY;
    return layout;
}

// A thin horizontal light streak behind the logo, along the chrome's horizon.
Image TitleStreak(double centreX, double y)
{
    Canvas canvas(kTitleWidth, kTitleHeight);
    cairo_t* cr = canvas.Context();
    cairo_pattern_t* streak = cairo_pattern_create_linear(0, 0, kTitleWidth, 0);
    AddStop(streak, 0.0, kIce, 0);
    AddStop(streak, centreX / kTitleWidth, kWhite, 0.9);
    AddStop(streak, 1.0, kIce, 0);
    cairo_set_source(cr, streak);
    cairo_rectangle(cr, 0, y - 1.5, kTitleWidth, 3);
    cairo_fill(cr);
    cairo_pattern_destroy(streak);
    return canvas.ToImage();
}

// A four-pointed sparkle glinting on the logo's edge.
void DrawSparkle(Image& picture, double x, double y)
{
    Canvas canvas(picture);
    cairo_t* cr = canvas.Context();
    for (int arm = 0; arm < 2; ++arm) {
        const double length = arm == 0 ? 70 : 34, thickness = arm == 0 ? 3 : 4;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, M_PI / 2 * arm);
        cairo_scale(cr, length, thickness);
        cairo_pattern_t* arms = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
        AddStop(arms, 0, kWhite, 1);
        AddStop(arms, 0.3, kWhite, 0.8);
        AddStop(arms, 1, kIce, 0);
        cairo_set_source(cr, arms);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(arms);
        cairo_restore(cr);
    }
    cairo_pattern_t* core = cairo_pattern_create_radial(x, y, 0, x, y, 9);
    AddStop(core, 0, kWhite, 1);
    AddStop(core, 1, kIce, 0);
    cairo_set_source(cr, core);
    cairo_arc(cr, x, y, 9, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(core);
    picture = canvas.ToImage();
}

}  // namespace

Image DrawTitleLogo()
{
    Canvas measure(1, 1);
    const TextLayout zenth = ZenthLayout(), the = TheLayout();
    const double zenthWidth = DesignWidth(measure.Context(), zenth, "Zenth");
    const double theWidth = DesignWidth(measure.Context(), the, "the");
    const double gap = 18;
    const double left = (kTitleWidth - zenthWidth - theWidth - gap) / 2;
    const double zenthCentre = left + theWidth + gap + zenthWidth / 2;
    const double zenthMiddle = 104;

    Lettering chrome;
    chrome.fillStops = ChromeStops;
    chrome.gradientTop = (zenthMiddle - 56) * kTitleScaleY;
    chrome.gradientBottom = (zenthMiddle + 56) * kTitleScaleY;
    chrome.glow = kMagenta;
    chrome.glowRadius = 12;
    Image logo = GlowingLettering(kTitleWidth, kTitleHeight, [&](cairo_t* cr) {
        CentredTextPath(cr, zenth, "Zenth", zenthCentre, zenthMiddle);
    }, chrome);

    Lettering gold;
    gold.fillStops = GoldStops;
    gold.gradientTop = 30 * kTitleScaleY;
    gold.gradientBottom = 80 * kTitleScaleY;
    gold.glow = kEmber;
    gold.glowRadius = 8;
    const Image small = GlowingLettering(kTitleWidth, kTitleHeight, [&](cairo_t* cr) {
        CentredTextPath(cr, the, "the", left + theWidth / 2, 62);
    }, gold);

    Image picture = TitleStreak(zenthCentre, zenthMiddle * kTitleScaleY);
    DrawOver(picture, logo);
    DrawOver(picture, small);
    const double inkTop = (zenthMiddle - 56) * kTitleScaleY;
    DrawSparkle(picture, zenthCentre + zenthWidth / 2 - 12, inkTop + 4);
    return picture;
}

}  // namespace datagen::opening
