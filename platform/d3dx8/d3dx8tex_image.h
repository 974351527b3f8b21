// Pictures decoded from image files, as the texture loader works on them: A8R8G8B8 values, top row
// first, rows without padding.
#pragma once

#include <cstddef>
#include <vector>

#include "d3dx8tex.h"

namespace d3dx8 {

struct Image {
    UINT width = 0;
    UINT height = 0;
    bool hasAlpha = false;               // the file has an alpha channel or transparent colours
    D3DFORMAT fileFormat = D3DFMT_UNKNOWN;  // what the file stores, as D3DXIMAGE_INFO reports it
    D3DXIMAGE_FILEFORMAT fileType = D3DXIFF_PNG;
    std::vector<D3DCOLOR> pixels;        // empty after a header-only decode
};

// Pictures larger than this on either side are refused before any memory is taken for them.
constexpr UINT kMaxImageSide = 16384;

enum class DecodeMode { HeaderOnly, Pixels };

// Each answers false for data that is not a complete, valid file of its kind; none reads outside
// [data, data + size).
bool DecodePng(const BYTE* data, size_t size, DecodeMode mode, Image* image);
bool DecodeJpeg(const BYTE* data, size_t size, DecodeMode mode, Image* image);
// Picks the decoder from the file's signature.
bool DecodeImage(const BYTE* data, size_t size, DecodeMode mode, Image* image);

// The whole content of a file named the Windows way; false if it cannot be read.
bool ReadWholeFile(const char* windowsName, std::vector<BYTE>* content);

}  // namespace d3dx8
