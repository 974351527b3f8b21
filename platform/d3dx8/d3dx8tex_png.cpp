// PNG files through libpng: every colour type and bit depth, palettes with transparency, interlacing,
// all expanded to 8-bit B, G, R, A bytes, which on this little-endian system are A8R8G8B8 values.
// libpng reports errors by longjmp back to ReadPng; no C++ frame with a destructor lies between.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "d3dx8tex_image.h"

namespace d3dx8 {

namespace {

struct MemoryStream {
    const BYTE* data;
    size_t size;
    size_t offset;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* stream = static_cast<MemoryStream*>(png_get_io_ptr(png));
    if (length > stream->size - stream->offset)
        png_error(png, "file ends early");
    std::memcpy(out, stream->data + stream->offset, length);
    stream->offset += length;
}

void FailOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Owns libpng's two structures for one decode.
class PngReader {
public:
    PngReader()
    {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, FailOnError, IgnoreWarning);
        if (png)
            info = png_create_info_struct(png);
    }
    ~PngReader() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    png_structp png = nullptr;
    png_infop info = nullptr;
};

D3DFORMAT FileFormatOf(int colorType)
{
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY:
        return D3DFMT_L8;
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return D3DFMT_A8L8;
    case PNG_COLOR_TYPE_PALETTE:
        return D3DFMT_P8;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return D3DFMT_A8R8G8B8;
    default:
        return D3DFMT_R8G8B8;
    }
}

// Asks libpng for 8-bit BGRA rows whatever the file stores.
void RequestBgra(png_structp png, png_infop info, int colorType)
{
    png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to an alpha channel
    png_set_scale_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if (!(colorType & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

bool ReadPng(PngReader& reader, MemoryStream& stream, DecodeMode mode, Image* image)
{
    std::vector<png_bytep> rows;
    png_structp png = reader.png;
    png_infop info = reader.info;
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_read_fn(png, &stream, ReadFromMemory);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    image->width = png_get_image_width(png, info);
    image->height = png_get_image_height(png, info);
    image->fileFormat = FileFormatOf(colorType);
    image->fileType = D3DXIFF_PNG;
    image->hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
    if (mode == DecodeMode::HeaderOnly)
        return true;
    RequestBgra(png, info, colorType);
    if (png_get_rowbytes(png, info) != size_t(image->width) * 4)
        return false;
    image->pixels.assign(size_t(image->width) * image->height, 0);
    rows.resize(image->height);
    for (UINT y = 0; y < image->height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(image->pixels.data() + size_t(y) * image->width);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool DecodePng(const BYTE* data, size_t size, DecodeMode mode, Image* image)
{
    if (size < 8 || png_sig_cmp(data, 0, 8) != 0)
        return false;
    PngReader reader;
    if (!reader.info)
        return false;
    MemoryStream stream{data, size, 0};
    if (ReadPng(reader, stream, mode, image))
        return true;
    image->pixels.clear();
    return false;
}

}  // namespace d3dx8
