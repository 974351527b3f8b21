// Writing the presented picture as PNG.
#include "FramePng.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "screen/Screen.h"

bool ReadFrontBuffer(std::vector<unsigned char>& rgb, int& width, int& height)
{
    CScreen& screen = CScreen::Instance();
    IDirect3DDevice8* device = screen.GetD3DDevice();
    width = screen.GetXResolution();
    height = screen.GetYResolution();
    IDirect3DSurface8* surface = nullptr;
    if (!device || width <= 0 || height <= 0 ||
        FAILED(device->CreateImageSurface(width, height, D3DFMT_A8R8G8B8, &surface)))
        return false;
    D3DLOCKED_RECT locked{};
    const bool read = SUCCEEDED(device->GetFrontBuffer(surface)) &&
                      SUCCEEDED(surface->LockRect(&locked, nullptr, D3DLOCK_READONLY));
    if (read) {
        rgb.resize(static_cast<size_t>(width) * height * 3);
        for (int y = 0; y < height; ++y) {
            const DWORD* row = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch);
            unsigned char* out = &rgb[static_cast<size_t>(y) * width * 3];
            for (int x = 0; x < width; ++x) {
                out[3 * x] = (row[x] >> 16) & 0xFF;
                out[3 * x + 1] = (row[x] >> 8) & 0xFF;
                out[3 * x + 2] = row[x] & 0xFF;
            }
        }
        surface->UnlockRect();
    }
    surface->Release();
    return read;
}

bool WriteRgbPng(const std::string& path, const std::vector<unsigned char>& rgb, int width, int height)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = false;
    if (png && info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, file);
        // A fast level: captures write thousands of frames.
        png_set_compression_level(png, 3);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y)
            png_write_row(png, const_cast<png_bytep>(&rgb[static_cast<size_t>(y) * width * 3]));
        png_write_end(png, nullptr);
        ok = true;
    }
    png_destroy_write_struct(&png, &info);
    return fclose(file) == 0 && ok;
}

bool SaveFrontBufferPng(const std::string& path)
{
    std::vector<unsigned char> rgb;
    int width = 0, height = 0;
    return ReadFrontBuffer(rgb, width, height) && WriteRgbPng(path, rgb, width, height);
}
