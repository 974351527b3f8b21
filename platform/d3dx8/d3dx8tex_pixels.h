// Pixel work of the texture loader: scaling pictures with the D3DX filters and writing A8R8G8B8
// values in the formats a texture may have.
#pragma once

#include <vector>

#include "d3dx8tex.h"

namespace d3dx8 {

// A8R8G8B8 values, top row first, without padding.
struct Pixels {
    UINT width = 0;
    UINT height = 0;
    std::vector<D3DCOLOR> values;
};

// The filter kind (the low 16 bits of a D3DX_FILTER value), D3DX_DEFAULT standing for fallback;
// 0 for a value that names no filter.
DWORD FilterKind(DWORD filter, DWORD fallback);

// Scales to width x height. D3DX_FILTER_NONE copies into the top left and leaves the rest transparent
// black, D3DX_FILTER_POINT takes the nearest pixel, the others average each target pixel's footprint
// in the source (a box filter, exact for halving).
Pixels Resize(const Pixels& source, UINT width, UINT height, DWORD filterKind);

// Formats WriteRow can write.
bool IsWritableFormat(D3DFORMAT format);
// Writes count A8R8G8B8 values in format. Channels are rounded to the nearest value of fewer bits;
// X channels are written as ones; luminance weighs red, green and blue 0.21, 0.71, 0.07.
void WriteRow(const D3DCOLOR* values, UINT count, D3DFORMAT format, BYTE* out);

}  // namespace d3dx8
