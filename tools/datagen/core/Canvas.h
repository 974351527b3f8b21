// A cairo drawing surface that turns into an Image: shapes, gradients and text are drawn with cairo,
// then finished with pixel code on the Image.
#pragma once

#include <cairo.h>
#include <string>

#include "core/Image.h"

namespace datagen {

class Canvas {
public:
    Canvas(int width, int height);  // transparent
    explicit Canvas(const Image& start);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* Context() { return m_context; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Text in a font family of the system ("Liberation Sans", "DejaVu Sans" ...), its baseline starting
    // at (x, y), filled with the current source.
    void SetFont(const std::string& family, double size, bool bold = false, bool italic = false);
    void TextPath(double x, double y, const std::string& utf8);
    // Width of the text in the current font, for centring.
    double TextWidth(const std::string& utf8);

    // The picture, alpha not premultiplied.
    Image ToImage();

private:
    int m_width;
    int m_height;
    cairo_surface_t* m_surface;
    cairo_t* m_context;
};

}  // namespace datagen
