// The "Talvik presents" banner: six screens wide and an eighth of a screen high, it slides in from the
// right until the last sixth but one of it fills the screen. The first screen of it shows the group's
// name, the middle streams light streaks past, and it comes to rest on "talvik presents".
#include <cmath>

#include "pictures/opening/OpeningLook.h"
#include "pictures/opening/OpeningSet.h"

namespace datagen::opening {

namespace {

constexpr int kBannerWidth = 4096, kBannerHeight = 128;
// In screen pixels of a 1024 x 768 screen the banner is 6144 x 96.
constexpr double kDesignWidth = 6144, kDesignHeight = 96;
constexpr double kScaleX = kBannerWidth / kDesignWidth, kScaleY = kBannerHeight / kDesignHeight;
constexpr double kMiddle = kDesignHeight / 2;
// Where the banner rests, the screen shows design x from 0.8167 to 0.9833 of its length.
constexpr double kRestCentre = 0.9 * kDesignWidth;

void DrawCentreLine(cairo_t* cr)
{
    cairo_pattern_t* line = cairo_pattern_create_linear(0, 0, kBannerWidth, 0);
    AddStop(line, 0.0, kIce, 0);
    AddStop(line, 0.15, kIce, 0.6);
    AddStop(line, 0.45, kMagenta, 0.6);
    AddStop(line, 0.78, kGold, 0.6);
    AddStop(line, 1.0, kGold, 0);
    cairo_set_source(cr, line);
    cairo_rectangle(cr, 0, kMiddle * kScaleY - 1, kBannerWidth, 2);
    cairo_fill(cr);
    cairo_pattern_destroy(line);
}

// Light streaks between the name and the resting place, bright at their heads (left, the way the
// banner travels) and fading into tails.
void DrawStreaks(cairo_t* cr)
{
    const Rgba colours[] = {kIce, kMagenta, kGold, kWhite};
    Random random(6144);
    for (int i = 0; i < 170; ++i) {
        const double x = kDesignWidth * (0.18 + 0.6 * random.Unit());
        const double y = 10 + (kDesignHeight - 20) * random.Unit();
        const double length = 60 + 340 * random.Unit() * random.Unit();
        const double thickness = 1.2 + 2.4 * random.Unit() * random.Unit();
        const Rgba colour = colours[random.Next() % 4];
        cairo_pattern_t* streak = cairo_pattern_create_linear(x * kScaleX, 0, (x + length) * kScaleX, 0);
        AddStop(streak, 0, kWhite, 0.95);
        AddStop(streak, 0.1, colour, 0.8);
        AddStop(streak, 1, colour, 0);
        cairo_set_source(cr, streak);
        cairo_rectangle(cr, x * kScaleX, (y - thickness / 2) * kScaleY, length * kScaleX, thickness * kScaleY);
        cairo_fill(cr);
        cairo_pattern_destroy(streak);
    }
}

TextLayout BannerLayout(const char* family, double size, bool italic, double tracking)
{
    TextLayout layout;
    layout.family = family;
    layout.size = size;
    layout.italic = italic;
    layout.tracking = tracking;
    layout.scaleX = kScaleX;
    layout.scaleY = kScaleY;
    return layout;
}

Image BannerText(const TextLayout& layout, const char* text, double centreX, Rgba glow,
                void (*stops)(cairo_pattern_t*))
{
    Lettering style;
    style.fillStops = stops;
    style.gradientTop = (kMiddle - 30) * kScaleY;
    style.gradientBottom = (kMiddle + 30) * kScaleY;
    style.glow = glow;
    style.glowRadius = 7;
    style.outlineWidth = 2;
    return GlowingLettering(kBannerWidth, kBannerHeight, [&](cairo_t* cr) {
        CentredTextPath(cr, layout, text, centreX, kMiddle);
    }, style);
}

}  // namespace

Image DrawPresentsBanner()
{
    Canvas canvas(kBannerWidth, kBannerHeight);
    DrawCentreLine(canvas.Context());
    DrawStreaks(canvas.Context());
    Image banner = canvas.ToImage();

    const TextLayout name = BannerLayout("DejaVu Sans", 64, false, 26);
    DrawOver(banner, BannerText(name, "TALVIK", kDesignWidth / 12, kMagenta, ChromeStops));

    const TextLayout group = BannerLayout("DejaVu Sans", 60, false, 4);
    const TextLayout presents = BannerLayout("Liberation Serif", 62, true, 2);
    const double groupWidth = DesignWidth(canvas.Context(), group, "talvik");
    const double presentsWidth = DesignWidth(canvas.Context(), presents, "presents");
    const double gap = 34;
    const double left = kRestCentre - (groupWidth + gap + presentsWidth) / 2;
    DrawOver(banner, BannerText(group, "talvik", left + groupWidth / 2, kMagenta, ChromeStops));
    DrawOver(banner, BannerText(presents, "presents", left + groupWidth + gap + presentsWidth / 2, kEmber, GoldStops));
    return banner;
}

}  // namespace datagen::opening
