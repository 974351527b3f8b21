#include "pictures/opening/OpeningLook.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace datagen::opening {

const Palette& DuskPalette()
{
    static const Palette palette({{0.0, kNight}, {0.22, kIndigo}, {0.45, kViolet}, {0.65, kMagenta},
                                  {0.82, kEmber}, {1.0, kGold}});
    return palette;
}

const Palette& DuskCycle()
{
    static const Palette palette({{0.0, kIndigo}, {0.16, kViolet}, {0.32, kMagenta}, {0.46, kEmber},
                                  {0.56, kGold}, {0.66, kEmber}, {0.76, kMagenta}, {0.86, kIce},
                                  {1.0, kIndigo}});
    return palette;
}

Light ToLight(Rgba colour) { return {colour.r / 255.0, colour.g / 255.0, colour.b / 255.0}; }

Rgba ToRgba(Light light, double alpha)
{
    auto byte = [](double v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255)); };
    return {byte(light.r), byte(light.g), byte(light.b), byte(alpha)};
}

Light operator+(Light a, Light b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
Light operator*(Light a, double k) { return {a.r * k, a.g * k, a.b * k}; }
Light Lerp(Light a, Light b, double t) { return a * (1 - t) + b * t; }

Image Painted(int width, int height, const std::function<Rgba(int x, int y)>& paint)
{
    Image picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.At(x, y) = paint(x, y);
    return picture;
}

CoarseField::CoarseField(int cells, const std::function<double(double u, double v)>& field)
    : m_cells(cells), m_values(static_cast<size_t>(cells + 1) * (cells + 1))
{
    if (cells < 1)
        throw std::invalid_argument("a coarse field needs at least one cell");
    for (int j = 0; j <= cells; ++j)
        for (int i = 0; i <= cells; ++i)
            m_values[static_cast<size_t>(j) * (cells + 1) + i] = field(double(i) / cells, double(j) / cells);
}

double CoarseField::At(double u, double v) const
{
    const double fx = Clamp01(u) * m_cells, fy = Clamp01(v) * m_cells;
    const int i = std::min(static_cast<int>(fx), m_cells - 1), j = std::min(static_cast<int>(fy), m_cells - 1);
    const double tx = fx - i, ty = fy - j;
    auto value = [this](int column, int row) { return m_values[static_cast<size_t>(row) * (m_cells + 1) + column]; };
    const double top = value(i, j) * (1 - tx) + value(i + 1, j) * tx;
    const double bottom = value(i, j + 1) * (1 - tx) + value(i + 1, j + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

Image Tinted(const Image& mask, Rgba colour, double gain)
{
    Image tinted(mask.Width(), mask.Height());
    for (size_t i = 0; i < tinted.Pixels().size(); ++i) {
        Rgba out = colour;
        out.a = static_cast<uint8_t>(std::lround(Clamp01(mask.Pixels()[i].a / 255.0 * gain) * 255));
        tinted.Pixels()[i] = out;
    }
    return tinted;
}

void AddStop(cairo_pattern_t* pattern, double at, Rgba colour, double alpha)
{
    cairo_pattern_add_color_stop_rgba(pattern, at, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0,
                                      alpha * colour.a / 255.0);
}

namespace {

void SelectFont(cairo_t* cr, const TextLayout& layout)
{
    cairo_select_font_face(cr, layout.family.c_str(),
                           layout.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           layout.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, layout.size);
}

// Width of TEXT in the selected font with TRACKING between letters, and its ink box's vertical extent.
struct Measure {
    double width = 0;
    double inkTop = 0;
    double inkBottom = 0;
};

Measure MeasureText(cairo_t* cr, const TextLayout& layout, const std::string& text)
{
    Measure measure;
    cairo_text_extents_t whole;
    cairo_text_extents(cr, text.c_str(), &whole);
    measure.inkTop = whole.y_bearing;
    measure.inkBottom = whole.y_bearing + whole.height;
    if (layout.tracking == 0) {
        measure.width = whole.x_advance;
        return measure;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        cairo_text_extents_t letter;
        cairo_text_extents(cr, text.substr(i, 1).c_str(), &letter);
        measure.width += letter.x_advance + (i + 1 < text.size() ? layout.tracking : 0);
    }
    return measure;
}

}  // namespace

void CentredTextPath(cairo_t* cr, const TextLayout& layout, const std::string& text, double centreX,
                     double centreY)
{
    cairo_save(cr);
    cairo_scale(cr, layout.scaleX, layout.scaleY);
    SelectFont(cr, layout);
    const Measure measure = MeasureText(cr, layout, text);
    double x = centreX - measure.width / 2;
    const double baseline = centreY - (measure.inkTop + measure.inkBottom) / 2;
    if (layout.tracking == 0) {
        cairo_move_to(cr, x, baseline);
        cairo_text_path(cr, text.c_str());
    } else {
        for (size_t i = 0; i < text.size(); ++i) {
            const std::string letter = text.substr(i, 1);
            cairo_text_extents_t extents;
            cairo_text_extents(cr, letter.c_str(), &extents);
            cairo_move_to(cr, x, baseline);
            cairo_text_path(cr, letter.c_str());
            x += extents.x_advance + layout.tracking;
        }
    }
    cairo_restore(cr);
}

double DesignWidth(cairo_t* cr, const TextLayout& layout, const std::string& text)
{
    cairo_save(cr);
    SelectFont(cr, layout);
    const double width = MeasureText(cr, layout, text).width;
    cairo_restore(cr);
    return width;
}

Image GlowingLettering(int width, int height, const std::function<void(cairo_t*)>& addPath,
                       const Lettering& lettering)
{
    Canvas maskCanvas(width, height);
    addPath(maskCanvas.Context());
    cairo_set_source_rgba(maskCanvas.Context(), 1, 1, 1, 1);
    cairo_set_line_width(maskCanvas.Context(), lettering.outlineWidth * 2);
    cairo_stroke_preserve(maskCanvas.Context());
    cairo_fill(maskCanvas.Context());
    const Image glow = Tinted(Blurred(maskCanvas.ToImage(), lettering.glowRadius), lettering.glow,
                              lettering.glowGain);

    Canvas canvas(glow);
    cairo_t* cr = canvas.Context();
    addPath(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, lettering.outlineWidth * 2);
    SetSource(cr, lettering.outline);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, lettering.gradientTop, 0, lettering.gradientBottom);
    lettering.fillStops(fill);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    return canvas.ToImage();
}

void ChromeStops(cairo_pattern_t* pattern)
{
    AddStop(pattern, 0.0, {40, 90, 200, 255});
    AddStop(pattern, 0.30, kIce);
    AddStop(pattern, 0.52, kWhite);
    AddStop(pattern, 0.53, {46, 12, 64, 255});
    AddStop(pattern, 0.70, kMagenta);
    AddStop(pattern, 0.88, kEmber);
    AddStop(pattern, 1.0, kGold);
}

void GoldStops(cairo_pattern_t* pattern)
{
    AddStop(pattern, 0.0, {255, 248, 210, 255});
    AddStop(pattern, 0.35, kGold);
    AddStop(pattern, 0.70, kEmber);
    AddStop(pattern, 1.0, kMagenta);
}

}  // namespace datagen::opening
