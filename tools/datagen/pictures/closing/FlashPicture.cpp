// The flash picture that Space throws over the hidden part: "savoir vivre" in chrome on a burst of
// rays, over the whole screen and fading from the middle out to a transparent border.
#include <cmath>
#include <utility>

#include "core/Procedural.h"
#include "pictures/closing/ClosingArt.h"
#include "pictures/closing/ClosingPictures.h"

namespace datagen::closing {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSize = 512;

Image RayBurst()
{
    Image burst(kSize, kSize, {0, 0, 0, 0});
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const double dx = (x - kSize / 2.0) / kSize * 4.0 / 3.0, dy = (y - kSize / 2.0) / kSize;
            const double r = std::sqrt(dx * dx + dy * dy), angle = std::atan2(dy, dx);
            const double rays = 0.5 + 0.5 * std::cos(angle * 16);
            const double falloff = Smoothstep(0.62, 0.08, r);
            const double alpha = Clamp01((0.25 + 0.6 * rays * rays) * falloff + std::exp(-r * r * 30) * 0.5);
            Rgba colour = Mix(kAmber, kWhiteHot, std::exp(-r * r * 12));
            colour.a = static_cast<uint8_t>(std::lround(alpha * 255));
            burst.At(x, y) = colour;
        }
    }
    return burst;
}

}  // namespace

void WriteFlashPicture(DataFolder& folder)
{
    Canvas canvas(RayBurst());
    const double width = UseScreenProportions(canvas);
    // A dark halo keeps the letters readable on the bright heart of the burst.
    for (const auto& [line, baseline] : {std::pair<const char*, double>{"savoir", 240}, {"vivre", 340}}) {
        canvas.SetFont("Liberation Sans", 96, true);
        cairo_text_extents_t extents;
        cairo_text_extents(canvas.Context(), line, &extents);
        canvas.TextPath(width / 2 - extents.width / 2 - extents.x_bearing, baseline, line);
        cairo_set_line_join(canvas.Context(), CAIRO_LINE_JOIN_ROUND);
        cairo_set_line_width(canvas.Context(), 18);
        SetSource(canvas.Context(), kNight, 0.55);
        cairo_stroke(canvas.Context());
    }
    ChromeText(canvas, "Liberation Sans", 96, width / 2, 240, "savoir", 4);
    ChromeText(canvas, "Liberation Sans", 96, width / 2, 340, "vivre", 4);
    folder.WritePicture("savoirvivre.png", canvas.ToImage());
}

}  // namespace datagen::closing
