// JPEG files through libjpeg: grey and colour (YCbCr or RGB) pictures; CMYK is refused. libjpeg
// reports errors by longjmp back to ReadJpeg. A file that ends before its picture does is refused
// too: libjpeg would only warn and fill the rest with grey.
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>
#include <jerror.h>  // after jpeglib.h, which it needs

#include <csetjmp>

#include "d3dx8tex_image.h"

namespace d3dx8 {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
    bool endedEarly;
};

void FailOnError(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (level -1) are kept quiet; the one that says the data ran out marks the decode failed.
void NoteMessage(j_common_ptr cinfo, int level)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level < 0 && errors->base.msg_code == JWRN_JPEG_EOF)
        errors->endedEarly = true;
}

// Owns libjpeg's decompressor for one decode.
class JpegReader {
public:
    JpegReader()
    {
        cinfo.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = FailOnError;
        errors.base.emit_message = NoteMessage;
        errors.endedEarly = false;
    }
    ~JpegReader()
    {
        if (created)
            jpeg_destroy_decompress(&cinfo);
    }
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;

    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    bool created = false;
};

void StoreScanline(const JSAMPLE* samples, int components, UINT width, D3DCOLOR* out)
{
    for (UINT x = 0; x < width; ++x) {
        const JSAMPLE* s = samples + size_t(x) * components;
        const DWORD r = s[0];
        const DWORD g = components == 3 ? s[1] : s[0];
        const DWORD b = components == 3 ? s[2] : s[0];
        out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
}

bool ReadJpeg(JpegReader& reader, const BYTE* data, size_t size, DecodeMode mode, Image* image)
{
    std::vector<JSAMPLE> scanline;
    jpeg_decompress_struct* cinfo = &reader.cinfo;
    if (setjmp(reader.errors.jump))
        return false;
    jpeg_create_decompress(cinfo);
    reader.created = true;
    jpeg_mem_src(cinfo, const_cast<BYTE*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(cinfo, TRUE);
    const bool grey = cinfo->jpeg_color_space == JCS_GRAYSCALE;
    if (!grey && cinfo->num_components != 3)
        return false;
    if (cinfo->image_width > kMaxImageSide || cinfo->image_height > kMaxImageSide || reader.errors.endedEarly)
        return false;
    image->width = cinfo->image_width;
    image->height = cinfo->image_height;
    image->fileFormat = grey ? D3DFMT_L8 : D3DFMT_R8G8B8;
    image->fileType = D3DXIFF_JPG;
    image->hasAlpha = false;
    if (mode == DecodeMode::HeaderOnly)
        return true;
    cinfo->out_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(cinfo);
    const int components = cinfo->output_components;
    scanline.resize(size_t(image->width) * components);
    image->pixels.assign(size_t(image->width) * image->height, 0);
    JSAMPROW row = scanline.data();
    while (cinfo->output_scanline < cinfo->output_height) {
        const UINT y = cinfo->output_scanline;
        if (jpeg_read_scanlines(cinfo, &row, 1) != 1)
            return false;
        StoreScanline(row, components, image->width, image->pixels.data() + size_t(y) * image->width);
    }
    jpeg_finish_decompress(cinfo);
    return !reader.errors.endedEarly;
}

}  // namespace

bool DecodeJpeg(const BYTE* data, size_t size, DecodeMode mode, Image* image)
{
    if (size < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF)
        return false;
    JpegReader reader;
    if (ReadJpeg(reader, data, size, mode, image))
        return true;
    image->pixels.clear();
    return false;
}

}  // namespace d3dx8
