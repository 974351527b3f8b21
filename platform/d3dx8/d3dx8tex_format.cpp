// Writing A8R8G8B8 values in the texture formats the loader supports.
#include <cstring>

#include "d3dx8tex_pixels.h"

namespace d3dx8 {

namespace {

// An 8-bit channel rounded to bits bits.
DWORD Narrow(DWORD channel, int bits)
{
    const DWORD top = (1u << bits) - 1;
    return (channel * top + 127) / 255;
}

struct Channels {
    DWORD a, r, g, b;
};

Channels Split(D3DCOLOR value)
{
    return {value >> 24, (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF};
}

DWORD Luminance(const Channels& c)
{
    return (54 * c.r + 183 * c.g + 19 * c.b + 128) >> 8;
}

WORD Pack16(const Channels& c, int aBits, int rBits, int gBits, int bBits)
{
    const DWORD a = aBits ? Narrow(c.a, aBits) : 0;
    return static_cast<WORD>((a << (rBits + gBits + bBits)) | (Narrow(c.r, rBits) << (gBits + bBits)) |
                             (Narrow(c.g, gBits) << bBits) | Narrow(c.b, bBits));
}

WORD PackWord(D3DCOLOR value, D3DFORMAT format)
{
    const Channels c = Split(value);
    switch (format) {
    case D3DFMT_R5G6B5:
        return Pack16(c, 0, 5, 6, 5);
    case D3DFMT_A1R5G5B5:
        return Pack16(c, 1, 5, 5, 5);
    case D3DFMT_X1R5G5B5:
        return Pack16(c, 0, 5, 5, 5) | 0x8000;
    case D3DFMT_A4R4G4B4:
        return Pack16(c, 4, 4, 4, 4);
    case D3DFMT_X4R4G4B4:
        return Pack16(c, 0, 4, 4, 4) | 0xF000;
    default:  // D3DFMT_A8L8
        return static_cast<WORD>((c.a << 8) | Luminance(c));
    }
}

BYTE PackByte(D3DCOLOR value, D3DFORMAT format)
{
    const Channels c = Split(value);
    return static_cast<BYTE>(format == D3DFMT_A8 ? c.a : Luminance(c));
}

}  // namespace

bool IsWritableFormat(D3DFORMAT format)
{
    switch (format) {
    case D3DFMT_A8R8G8B8:
    case D3DFMT_X8R8G8B8:
    case D3DFMT_R5G6B5:
    case D3DFMT_A1R5G5B5:
    case D3DFMT_X1R5G5B5:
    case D3DFMT_A4R4G4B4:
    case D3DFMT_X4R4G4B4:
    case D3DFMT_A8L8:
    case D3DFMT_L8:
    case D3DFMT_A8:
        return true;
    default:
        return false;
    }
}

void WriteRow(const D3DCOLOR* values, UINT count, D3DFORMAT format, BYTE* out)
{
    for (UINT x = 0; x < count; ++x) {
        if (format == D3DFMT_A8R8G8B8 || format == D3DFMT_X8R8G8B8) {
            const DWORD value = format == D3DFMT_X8R8G8B8 ? values[x] | 0xFF000000u : values[x];
            std::memcpy(out + size_t(x) * 4, &value, 4);
        } else if (format == D3DFMT_L8 || format == D3DFMT_A8) {
            out[x] = PackByte(values[x], format);
        } else {
            const WORD value = PackWord(values[x], format);
            std::memcpy(out + size_t(x) * 2, &value, 2);
        }
    }
}

}  // namespace d3dx8
