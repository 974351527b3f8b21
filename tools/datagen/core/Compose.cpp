#include "core/Compose.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace datagen {

namespace {

using Premultiplied = std::array<float, 4>;

// One box pass along a line of COUNT samples STEP apart, clamping at both ends.
void BoxPass(std::vector<Premultiplied>& pixels, size_t start, size_t step, int count, int radius,
             std::vector<Premultiplied>& line)
{
    line.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        line[static_cast<size_t>(i)] = pixels[start + static_cast<size_t>(i) * step];
    auto sample = [&](int i) { return line[static_cast<size_t>(std::clamp(i, 0, count - 1))]; };
    Premultiplied sum{};
    for (int i = -radius - 1; i < radius; ++i)
        for (int c = 0; c < 4; ++c)
            sum[c] += sample(i)[c];
    const float scale = 1.0f / static_cast<float>(2 * radius + 1);
    for (int i = 0; i < count; ++i) {
        const Premultiplied entering = sample(i + radius), leaving = sample(i - radius - 1);
        Premultiplied& out = pixels[start + static_cast<size_t>(i) * step];
        for (int c = 0; c < 4; ++c) {
            sum[c] += entering[c] - leaving[c];
            out[c] = sum[c] * scale;
        }
    }
}

}  // namespace

Image Blurred(const Image& picture, int radius)
{
    if (radius < 1)
        return picture;
    const int width = picture.Width(), height = picture.Height();
    std::vector<Premultiplied> pixels(picture.Pixels().size());
    for (size_t i = 0; i < pixels.size(); ++i) {
        const Rgba& p = picture.Pixels()[i];
        const float a = p.a / 255.0f;
        pixels[i] = {p.r * a, p.g * a, p.b * a, a};
    }
    std::vector<Premultiplied> line;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y)
            BoxPass(pixels, static_cast<size_t>(y) * width, 1, width, radius, line);
        for (int x = 0; x < width; ++x)
            BoxPass(pixels, static_cast<size_t>(x), static_cast<size_t>(width), height, radius, line);
    }
    Image blurred(width, height);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const Premultiplied& p = pixels[i];
        Rgba& out = blurred.Pixels()[i];
        out.a = static_cast<uint8_t>(std::lround(std::clamp(p[3], 0.0f, 1.0f) * 255));
        const float a = std::max(p[3], 1e-6f);
        out.r = static_cast<uint8_t>(std::lround(std::clamp(p[0] / a, 0.0f, 255.0f)));
        out.g = static_cast<uint8_t>(std::lround(std::clamp(p[1] / a, 0.0f, 255.0f)));
        out.b = static_cast<uint8_t>(std::lround(std::clamp(p[2] / a, 0.0f, 255.0f)));
    }
    return blurred;
}

void DrawOver(Image& below, const Image& above)
{
    if (below.Width() != above.Width() || below.Height() != above.Height())
        throw std::invalid_argument("pictures laid over each other differ in size");
    for (size_t i = 0; i < below.Pixels().size(); ++i) {
        Rgba& b = below.Pixels()[i];
        const Rgba& a = above.Pixels()[i];
        const double top = a.a / 255.0, bottom = b.a / 255.0 * (1 - top);
        const double alpha = top + bottom;
        if (alpha <= 0) {
            b = {0, 0, 0, 0};
            continue;
        }
        auto channel = [&](uint8_t over, uint8_t under) {
            return static_cast<uint8_t>(std::lround((over * top + under * bottom) / alpha));
        };
        b = {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b),
             static_cast<uint8_t>(std::lround(alpha * 255))};
    }
}

void SetSource(cairo_t* cr, Rgba colour, double alpha)
{
    cairo_set_source_rgba(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, alpha * colour.a / 255.0);
}

}  // namespace datagen
