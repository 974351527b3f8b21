// The tunnel part: its deep-space backdrop, the face of the orbiting boxes and the group logo that is
// laid over the whole picture at alpha 0.8.
#include <cmath>

#include "core/Procedural.h"
#include "pictures/closing/ClosingArt.h"
#include "pictures/closing/ClosingPictures.h"

namespace datagen::closing {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Scattered stars of a few sizes; brightness falls off quickly from each centre.
void AddStars(Image& picture, uint32_t seed, int count)
{
    Random random(seed);
    for (int i = 0; i < count; ++i) {
        const int cx = static_cast<int>(random.Unit() * picture.Width());
        const int cy = static_cast<int>(random.Unit() * picture.Height());
        const double brightness = std::pow(random.Unit(), 3.0);
        const double radius = 0.6 + brightness * 1.6;
        const Rgba tint = Mix(kWhiteHot, kCyan, random.Unit());
        for (int dy = -3; dy <= 3; ++dy) {
            for (int dx = -3; dx <= 3; ++dx) {
                const double d = std::sqrt(dx * dx + dy * dy);
                const double light = (0.35 + brightness) * std::exp(-d * d / (radius * radius));
                Rgba& p = picture.At((cx + dx + picture.Width()) % picture.Width(), (cy + dy + picture.Height()) % picture.Height());
                p = Mix(p, tint, light);
            }
        }
    }
}

// Behind the tunnel: a nebula of blue and violet around a bright core where the rings vanish.
Image TunnelBackdrop()
{
    constexpr int kSize = 512;
    Image picture(kSize, kSize);
    const Palette nebula({{0.0, kNight}, {0.45, {28, 16, 70, 255}}, {0.7, kDeepBlue}, {0.9, {70, 120, 220, 255}}, {1.0, kCyan}});
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            // Screen proportions: the square texture is spread over a 4:3 screen.
            const double sx = (x - kSize / 2.0) / kSize * 4.0 / 3.0, sy = (y - kSize / 2.0) / kSize;
            const double radius = std::sqrt(sx * sx + sy * sy);
            const double angle = std::atan2(sy, sx);
            const double swirl = TileFbm(angle / (2 * kPi) * 8 + radius * 3, radius * 6, 8, 5, 91);
            const double clouds = TileFbm(x / 64.0, y / 64.0, 8, 5, 17);
            const double core = std::exp(-radius * radius * 60);
            // The swirl fades out towards the centre, where its arms would pinch into a point.
            const double swirlWeight = 0.45 * Smoothstep(0.03, 0.25, radius);
            double density = (1 - swirlWeight) * clouds + swirlWeight * swirl;
            density = Smoothstep(0.3, 0.85, density) * (0.35 + 0.65 * Smoothstep(0.75, 0.05, radius));
            Rgba colour = nebula.At(Clamp01(density * 1.15 + core * 0.5));
            colour = Mix(colour, Mix(kCyan, kWhiteHot, core), core * 0.7);
            picture.At(x, y) = colour;
        }
    }
    AddStars(picture, 4242, 420);
    return picture;
}

constexpr int kFaceSize = 256;
constexpr double kFrameWidth = 30;

Image StarryWindow()
{
    Image sky(kFaceSize, kFaceSize);
    const Palette skyColours({{0.0, kNight}, {0.5, {30, 24, 90, 255}}, {0.8, {40, 90, 190, 255}}, {1.0, {150, 220, 255, 255}}});
    for (int y = 0; y < kFaceSize; ++y)
        for (int x = 0; x < kFaceSize; ++x)
            sky.At(x, y) = skyColours.At(Smoothstep(0.25, 0.9, TileFbm(x / 48.0, y / 48.0, 16, 5, 333)) * 0.8 + y / 1280.0);
    AddStars(sky, 777, 90);
    return sky;
}

// A steel ring with a bevel that is light on the upper left and dark on the lower right, grooved.
void DrawSteelFrame(Canvas& canvas)
{
    cairo_t* cr = canvas.Context();
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, kFaceSize, kFaceSize);
    cairo_rectangle(cr, kFrameWidth, kFrameWidth, kFaceSize - 2 * kFrameWidth, kFaceSize - 2 * kFrameWidth);
    cairo_pattern_t* steel = cairo_pattern_create_linear(0, 0, kFaceSize, kFaceSize);
    cairo_pattern_add_color_stop_rgb(steel, 0.0, 0.62, 0.68, 0.78);
    cairo_pattern_add_color_stop_rgb(steel, 0.45, 0.22, 0.26, 0.36);
    cairo_pattern_add_color_stop_rgb(steel, 0.55, 0.30, 0.34, 0.46);
    cairo_pattern_add_color_stop_rgb(steel, 1.0, 0.08, 0.09, 0.14);
    cairo_set_source(cr, steel);
    cairo_fill(cr);
    cairo_pattern_destroy(steel);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_set_line_width(cr, 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    for (double at = 6; at < kFrameWidth - 2; at += 8) {
        cairo_rectangle(cr, at, at, kFaceSize - 2 * at, kFaceSize - 2 * at);
        cairo_stroke(cr);
    }
}

// Glowing cyan seams around the window and along the outer edge, amber lights in the corners.
void DrawSeamsAndLights(Canvas& canvas)
{
    cairo_t* cr = canvas.Context();
    SetSource(canvas.Context(), kCyan);
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, kFrameWidth - 1.5, kFrameWidth - 1.5, kFaceSize - 2 * kFrameWidth + 3, kFaceSize - 2 * kFrameWidth + 3);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, 1, 1, kFaceSize - 2, kFaceSize - 2);
    cairo_stroke(cr);
    for (int corner = 0; corner < 4; ++corner) {
        const double cx = corner % 2 ? kFaceSize - kFrameWidth / 2 : kFrameWidth / 2;
        const double cy = corner / 2 ? kFaceSize - kFrameWidth / 2 : kFrameWidth / 2;
        cairo_pattern_t* light = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 9);
        cairo_pattern_add_color_stop_rgba(light, 0, 1, 0.95, 0.8, 1);
        cairo_pattern_add_color_stop_rgba(light, 0.5, 1, 0.66, 0.19, 0.9);
        cairo_pattern_add_color_stop_rgba(light, 1, 1, 0.5, 0.1, 0);
        cairo_set_source(cr, light);
        cairo_arc(cr, cx, cy, 9, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(light);
    }
}

// The face of every box of the orbiting system: a window on a starry sky in a bevelled steel frame.
Image BoxFace()
{
    Canvas canvas(StarryWindow());
    DrawSteelFrame(canvas);
    DrawSeamsAndLights(canvas);
    Image face = canvas.ToImage();
    AddGlow(face, Blurred(face, 3), 0.25);
    return face;
}

// An outline cube seen from a corner, the emblem beside the group name.
void DrawCubeEmblem(Canvas& canvas, double cx, double cy, double size)
{
    cairo_t* cr = canvas.Context();
    const double s = size / 2, h = s * std::sin(kPi / 6), w = s * std::cos(kPi / 6);
    const double top[4][2] = {{cx, cy - s}, {cx + w, cy - s + h}, {cx, cy - s + 2 * h}, {cx - w, cy - s + h}};
    const double faces[3][4][2] = {
        {{top[0][0], top[0][1]}, {top[1][0], top[1][1]}, {top[2][0], top[2][1]}, {top[3][0], top[3][1]}},
        {{top[3][0], top[3][1]}, {top[2][0], top[2][1]}, {cx, cy + s}, {cx - w, cy + s - h}},
        {{top[2][0], top[2][1]}, {top[1][0], top[1][1]}, {cx + w, cy + s - h}, {cx, cy + s}},
    };
    const Rgba shades[3] = {{150, 225, 255, 255}, {40, 90, 190, 255}, {18, 36, 110, 255}};
    for (int f = 0; f < 3; ++f) {
        cairo_move_to(cr, faces[f][0][0], faces[f][0][1]);
        for (int k = 1; k < 4; ++k)
            cairo_line_to(cr, faces[f][k][0], faces[f][k][1]);
        cairo_close_path(cr);
        SetSource(canvas.Context(), shades[f]);
        cairo_fill_preserve(cr);
        SetSource(canvas.Context(), kWhiteHot);
        cairo_set_line_width(cr, 2.5);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
}

// The group logo over the tunnel: emblem and name along the lower edge, the rest transparent.
Image GroupLogo()
{
    Canvas canvas(1024, 512);
    const double width = UseScreenProportions(canvas);
    const double baseline = 452;
    canvas.SetFont("Liberation Sans", 46, true);
    const double textWidth = canvas.TextWidth("cube de ravelle");
    const double emblem = 58, gap = 16;
    const double left = (width - (emblem + gap + textWidth)) / 2;
    Canvas glowLayer(1024, 512);
    UseScreenProportions(glowLayer);
    SetSource(glowLayer.Context(), kCyan, 0.9);
    cairo_set_line_width(glowLayer.Context(), 2);
    cairo_move_to(glowLayer.Context(), left - 20, baseline + 14);
    cairo_line_to(glowLayer.Context(), left + emblem + gap + textWidth + 20, baseline + 14);
    cairo_stroke(glowLayer.Context());

    DrawCubeEmblem(canvas, left + emblem / 2, baseline - 17, emblem);
    ChromeText(canvas, "Liberation Sans", 46, left + emblem + gap + textWidth / 2, baseline, "cube de ravelle", 2.5);
    Image logo = canvas.ToImage();
    Image glow = Blurred(logo, 5);
    for (Rgba& p : glow.Pixels())
        p = {kCyan.r, kCyan.g, kCyan.b, p.a};
    Image result = glowLayer.ToImage();
    AddGlow(result, glow, 0.7);
    DrawOver(result, logo);
    return result;
}

}  // namespace

void WriteTunnelPictures(DataFolder& folder)
{
    folder.WritePicture("cubederavelle.png", GroupLogo());
    folder.WritePicture("skycube.png", BoxFace());
    folder.WritePicture("fond_cube.png", TunnelBackdrop());
}

}  // namespace datagen::closing
