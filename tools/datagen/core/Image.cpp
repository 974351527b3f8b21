#include "core/Image.h"

#include <png.h>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <stdexcept>

namespace datagen {

Image::Image(int width, int height, Rgba fill)
    : m_width(width), m_height(height), m_pixels(static_cast<size_t>(width) * height, fill)
{
    if (width <= 0 || height <= 0)
        throw std::invalid_argument("Image sides must be positive");
}

const Rgba& Image::Wrapped(int x, int y) const
{
    x %= m_width;
    y %= m_height;
    return At(x < 0 ? x + m_width : x, y < 0 ? y + m_height : y);
}

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void PngError(png_structp, png_const_charp message) { throw std::runtime_error(std::string("PNG: ") + message); }
void PngWarning(png_structp, png_const_charp) {}

struct PngReadSource {
    const std::vector<uint8_t>* bytes;
    size_t offset;
};

void ReadFromVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* source = static_cast<PngReadSource*>(png_get_io_ptr(png));
    if (source->offset + length > source->bytes->size())
        png_error(png, "stream cut short");
    std::memcpy(data, source->bytes->data() + source->offset, length);
    source->offset += length;
}

}  // namespace

std::vector<uint8_t> EncodePng(const Image& picture)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    png_infop info = png_create_info_struct(png);
    try {
        png_set_write_fn(png, &out, AppendToVector, nullptr);
        png_set_IHDR(png, info, picture.Width(), picture.Height(), 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                     PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < picture.Height(); ++y) {
            auto* row = reinterpret_cast<png_const_bytep>(&picture.At(0, y));
            png_write_row(png, row);
        }
        png_write_end(png, nullptr);
    } catch (...) {
        png_destroy_write_struct(&png, &info);
        throw;
    }
    png_destroy_write_struct(&png, &info);
    return out;
}

Image DecodePng(const std::vector<uint8_t>& bytes)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    png_infop info = png_create_info_struct(png);
    PngReadSource source{&bytes, 0};
    Image picture;
    try {
        png_set_read_fn(png, &source, ReadFromVector);
        png_read_info(png, info);
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
        png_read_update_info(png, info);
        picture = Image(static_cast<int>(png_get_image_width(png, info)), static_cast<int>(png_get_image_height(png, info)));
        for (int y = 0; y < picture.Height(); ++y)
            png_read_row(png, reinterpret_cast<png_bytep>(&picture.At(0, y)), nullptr);
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return picture;
}

std::vector<uint8_t> EncodeJpeg(const Image& picture, int quality)
{
    jpeg_compress_struct jpeg{};
    jpeg_error_mgr errors{};
    jpeg.err = jpeg_std_error(&errors);
    jpeg_create_compress(&jpeg);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&jpeg, &buffer, &size);
    jpeg.image_width = static_cast<JDIMENSION>(picture.Width());
    jpeg.image_height = static_cast<JDIMENSION>(picture.Height());
    jpeg.input_components = 3;
    jpeg.in_color_space = JCS_RGB;
    jpeg_set_defaults(&jpeg);
    jpeg_set_quality(&jpeg, quality, TRUE);
    jpeg_start_compress(&jpeg, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(picture.Width()) * 3);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Rgba& pixel = picture.At(x, y);
            row[x * 3] = pixel.r;
            row[x * 3 + 1] = pixel.g;
            row[x * 3 + 2] = pixel.b;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&jpeg, rows, 1);
    }
    jpeg_finish_compress(&jpeg);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&jpeg);
    std::free(buffer);
    return out;
}

}  // namespace datagen
