#include "core/Canvas.h"

#include <cstdint>
#include <cstring>

namespace datagen {

Canvas::Canvas(int width, int height)
    : m_width(width),
      m_height(height),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      m_context(cairo_create(m_surface))
{
    // Antialiasing and hinting are fixed, so text and shapes come out the same on every run.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(m_context, options);
    cairo_font_options_destroy(options);
}

Canvas::Canvas(const Image& start) : Canvas(start.Width(), start.Height())
{
    cairo_surface_flush(m_surface);
    unsigned char* data = cairo_image_surface_get_data(m_surface);
    const int stride = cairo_image_surface_get_stride(m_surface);
    for (int y = 0; y < m_height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < m_width; ++x) {
            const Rgba& p = start.At(x, y);
            const uint32_t r = p.r * p.a / 255, g = p.g * p.a / 255, b = p.b * p.a / 255;
            row[x] = (uint32_t(p.a) << 24) | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(m_surface);
}

Canvas::~Canvas()
{
    cairo_destroy(m_context);
    cairo_surface_destroy(m_surface);
}

void Canvas::SetFont(const std::string& family, double size, bool bold, bool italic)
{
    cairo_select_font_face(m_context, family.c_str(), italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(m_context, size);
}

void Canvas::TextPath(double x, double y, const std::string& utf8)
{
    cairo_move_to(m_context, x, y);
    cairo_text_path(m_context, utf8.c_str());
}

double Canvas::TextWidth(const std::string& utf8)
{
    cairo_text_extents_t extents;
    cairo_text_extents(m_context, utf8.c_str(), &extents);
    return extents.x_advance;
}

Image Canvas::ToImage()
{
    cairo_surface_flush(m_surface);
    const unsigned char* data = cairo_image_surface_get_data(m_surface);
    const int stride = cairo_image_surface_get_stride(m_surface);
    Image picture(m_width, m_height);
    for (int y = 0; y < m_height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < m_width; ++x) {
            const uint32_t argb = row[x];
            const uint32_t a = argb >> 24;
            Rgba& p = picture.At(x, y);
            p.a = static_cast<uint8_t>(a);
            if (a == 0) {
                p.r = p.g = p.b = 0;
                continue;
            }
            p.r = static_cast<uint8_t>((((argb >> 16) & 0xFF) * 255 + a / 2) / a);
            p.g = static_cast<uint8_t>((((argb >> 8) & 0xFF) * 255 + a / 2) / a);
            p.b = static_cast<uint8_t>(((argb & 0xFF) * 255 + a / 2) / a);
        }
    }
    return picture;
}

}  // namespace datagen
