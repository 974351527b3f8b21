// Writing pictures for the examples: PNG files, and the last presented frame as one.
#pragma once

#include <png.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "screen/Screen.h"

namespace example {

inline bool SavePng(const char* path, const std::vector<DWORD>& argb, int width, int height)
{
    FILE* file = fopen(path, "wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const DWORD c = argb[static_cast<size_t>(y) * width + x];
            row[x * 3] = (c >> 16) & 0xFF;
            row[x * 3 + 1] = (c >> 8) & 0xFF;
            row[x * 3 + 2] = c & 0xFF;
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(file);
    return true;
}

inline bool SaveFrontBuffer(const char* path)
{
    CScreen& screen = CScreen::Instance();
    const int width = screen.GetXResolution(), height = screen.GetYResolution();
    IDirect3DSurface8* surface = nullptr;
    if (FAILED(screen.GetD3DDevice()->CreateImageSurface(width, height, D3DFMT_A8R8G8B8, &surface)))
        return false;
    std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
    D3DLOCKED_RECT locked{};
    if (SUCCEEDED(screen.GetD3DDevice()->GetFrontBuffer(surface)) &&
        SUCCEEDED(surface->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
        for (int y = 0; y < height; ++y)
            memcpy(&pixels[static_cast<size_t>(y) * width], static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch,
                   width * 4);
        surface->UnlockRect();
    }
    surface->Release();
    return SavePng(path, pixels, width, height);
}

}  // namespace example
