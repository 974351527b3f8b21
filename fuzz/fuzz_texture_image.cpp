// Pictures as the texture loader decodes them, PNG through libpng and JPEG through libjpeg: a file
// that decodes has sides from 1 to the limit, one A8R8G8B8 value per pixel, and the same header as
// the header-only read that D3DXGetImageInfo does; every failure of the libraries comes back as a
// refusal. A decoded picture is then scaled with each filter and written in each texture format.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "d3dx8tex_image.h"
#include "d3dx8tex_pixels.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// Larger pictures are decoded only as headers: their pixels take the same paths as small ones, and a
// few bytes claiming 16384 x 16384 would otherwise fill a gigabyte at every run.
constexpr size_t kMaxDecodedPixels = 1u << 20;
// Scaled and written only up to this size, to keep a run short.
constexpr size_t kMaxScaledPixels = 64u * 64u;

const DWORD kFilters[] = {D3DX_FILTER_NONE, D3DX_FILTER_POINT, D3DX_FILTER_LINEAR, D3DX_FILTER_BOX,
                          D3DX_FILTER_TRIANGLE};
const D3DFORMAT kFormats[] = {D3DFMT_A8R8G8B8, D3DFMT_X8R8G8B8, D3DFMT_R5G6B5,   D3DFMT_X1R5G5B5,
                              D3DFMT_A1R5G5B5, D3DFMT_A4R4G4B4, D3DFMT_R8G8B8,   D3DFMT_L8,
                              D3DFMT_A8,       D3DFMT_A8L8,     D3DFMT_X4R4G4B4, D3DFMT_R3G3B2};

UINT NextPowerOfTwo(UINT value)
{
    UINT power = 1;
    while (power < value)
        power *= 2;
    return power;
}

void ScaleAndWrite(const d3dx8::Image& image)
{
    const d3dx8::Pixels source{image.width, image.height, image.pixels};
    const UINT sides[][2] = {{NextPowerOfTwo(image.width), NextPowerOfTwo(image.height)},
                             {image.width / 2 + 1, image.height / 3 + 1}};
    for (const auto& side : sides) {
        for (DWORD filter : kFilters) {
            const d3dx8::Pixels scaled = d3dx8::Resize(source, side[0], side[1], d3dx8::FilterKind(filter, 0));
            Require(scaled.width == side[0] && scaled.height == side[1]);
            Require(scaled.values.size() == size_t(side[0]) * side[1]);
        }
    }
    std::vector<BYTE> row(size_t(image.width) * 4);
    for (D3DFORMAT format : kFormats)
        if (d3dx8::IsWritableFormat(format))
            d3dx8::WriteRow(image.pixels.data(), image.width, format, row.data());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    d3dx8::Image header;
    const bool known = d3dx8::DecodeImage(data, size, d3dx8::DecodeMode::HeaderOnly, &header);
    if (!known)
        return 0;
    Require(header.width >= 1 && header.width <= d3dx8::kMaxImageSide);
    Require(header.height >= 1 && header.height <= d3dx8::kMaxImageSide);
    Require(header.pixels.empty());
    if (size_t(header.width) * header.height > kMaxDecodedPixels)
        return 0;
    d3dx8::Image image;
    if (!d3dx8::DecodeImage(data, size, d3dx8::DecodeMode::Pixels, &image)) {
        Require(image.pixels.empty());
        return 0;
    }
    Require(image.width == header.width && image.height == header.height);
    Require(image.fileFormat == header.fileFormat && image.fileType == header.fileType);
    Require(image.hasAlpha == header.hasAlpha);
    Require(image.pixels.size() == size_t(image.width) * image.height);
    if (!image.hasAlpha)
        for (D3DCOLOR value : image.pixels)
            Require((value >> 24) == 0xFF);
    if (image.pixels.size() <= kMaxScaledPixels)
        ScaleAndWrite(image);
    return 0;
}
