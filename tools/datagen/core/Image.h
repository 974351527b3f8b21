// An RGBA picture in memory, rows top first, and its PNG and JPEG encodings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace datagen {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgba fill = {});

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Rgba& At(int x, int y) { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    const Rgba& At(int x, int y) const { return m_pixels[static_cast<size_t>(y) * m_width + x]; }
    // Wraps coordinates around the edges, for tiling filters.
    const Rgba& Wrapped(int x, int y) const;
    std::vector<Rgba>& Pixels() { return m_pixels; }
    const std::vector<Rgba>& Pixels() const { return m_pixels; }

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Rgba> m_pixels;
};

// PNG, 8 bits per channel, RGBA; no time stamp or other varying chunk, so equal pictures give equal bytes.
std::vector<uint8_t> EncodePng(const Image& picture);
// Baseline JPEG of the colour channels (alpha is dropped), quality 1 to 100.
std::vector<uint8_t> EncodeJpeg(const Image& picture, int quality);
// Decodes a PNG written by EncodePng (or any 8-bit RGBA/RGB PNG); throws on a bad stream. For tests and
// the contact sheet.
Image DecodePng(const std::vector<uint8_t>& bytes);

}  // namespace datagen
