#include "d3dx8tex_fixture.h"

#include <jpeglib.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace d3dx8_test {

namespace {

void AppendToBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

}  // namespace

Bytes EncodePng(const PngPicture& picture)
{
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng could not encode the test picture";
        return {};
    }
    png_set_write_fn(png, &out, AppendToBytes, NoFlush);
    png_set_IHDR(png, info, picture.width, picture.height, picture.bitDepth, picture.colorType,
                 picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!picture.palette.empty())
        png_set_PLTE(png, info, reinterpret_cast<png_const_colorp>(picture.palette.data()),
                     static_cast<int>(picture.palette.size() / 3));
    if (!picture.transparency.empty())
        png_set_tRNS(png, info, picture.transparency.data(), static_cast<int>(picture.transparency.size()), nullptr);
    png_write_info(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    std::vector<png_bytep> rows;
    for (UINT y = 0; y < picture.height; ++y)
        rows.push_back(const_cast<png_bytep>(picture.samples.data() + y * rowBytes));
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes EncodeColourPng(UINT width, UINT height, const std::vector<DWORD>& argb, bool withAlpha)
{
    PngPicture picture(width, height, withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB);
    for (DWORD value : argb) {
        picture.samples.insert(picture.samples.end(), {BYTE(value >> 16), BYTE(value >> 8), BYTE(value)});
        if (withAlpha)
            picture.samples.push_back(BYTE(value >> 24));
    }
    return EncodePng(picture);
}

Bytes EncodeJpeg(UINT width, UINT height, int components, const Bytes& samples)
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    for (int c = 0; c < cinfo.num_components; ++c)
        cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < height) {
        JSAMPROW row = const_cast<JSAMPROW>(&samples[size_t(cinfo.next_scanline) * width * components]);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    free(buffer);
    return out;
}

void TextureFileTest::SetUp()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "d3dx8tex-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    DeviceTest::SetUp();
}

void TextureFileTest::TearDown()
{
    ReleaseTexture();
    DeviceTest::TearDown();
    std::error_code ignored;
    if (!folder.empty())
        std::filesystem::remove_all(folder, ignored);
}

std::string TextureFileTest::Write(const std::string& relative, const Bytes& content) const
{
    const std::filesystem::path full = std::filesystem::path(folder) / relative;
    std::filesystem::create_directories(full.parent_path());
    std::ofstream(full, std::ios::binary).write(reinterpret_cast<const char*>(content.data()), content.size());
    return full.string();
}

HRESULT TextureFileTest::LoadEx(const Bytes& file, UINT width, UINT height, D3DFORMAT format, DWORD filter,
                                D3DCOLOR colorKey, D3DXIMAGE_INFO* info)
{
    ReleaseTexture();
    return D3DXCreateTextureFromFileExA(device, Write("picture.img", file).c_str(), width, height, 0, 0, format,
                                        D3DPOOL_MANAGED, filter, D3DX_DEFAULT, colorKey, info, nullptr, &texture);
}

HRESULT TextureFileTest::Load(const Bytes& file)
{
    ReleaseTexture();
    return D3DXCreateTextureFromFileA(device, Write("picture.img", file).c_str(), &texture);
}

D3DSURFACE_DESC TextureFileTest::LevelDesc(UINT level)
{
    D3DSURFACE_DESC desc{};
    EXPECT_EQ(texture->GetLevelDesc(level, &desc), D3D_OK);
    return desc;
}

void TextureFileTest::ReleaseTexture()
{
    if (texture)
        texture->Release();
    texture = nullptr;
}

}  // namespace d3dx8_test
