// The texture loader tests' tools: PNG and JPEG files encoded here with libpng and libjpeg, a
// scratch folder to put them in, a device, and the texels of a level read back through LockRect.
#pragma once

#include <png.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "../d3d8/device_fixture.h"
#include "d3dx8.h"

namespace d3dx8_test {

using Bytes = std::vector<BYTE>;

struct PngPicture {
    PngPicture(UINT width, UINT height, int colorType, int bitDepth = 8, Bytes samples = {})
        : width(width), height(height), colorType(colorType), bitDepth(bitDepth), samples(std::move(samples))
    {
    }
    UINT width, height;
    int colorType;  // PNG_COLOR_TYPE_*
    int bitDepth;
    Bytes samples;       // rows as libpng stores them (16-bit samples high byte first), no padding
    Bytes palette;       // r, g, b triples
    Bytes transparency;  // tRNS alphas of the first palette entries
    bool interlaced = false;
};

Bytes EncodePng(const PngPicture& picture);
// An RGBA (withAlpha) or RGB PNG of A8R8G8B8 values, top row first.
Bytes EncodeColourPng(UINT width, UINT height, const std::vector<DWORD>& argb, bool withAlpha);
// components 1 (grey) or 3 (r, g, b); best quality, no chroma subsampling.
Bytes EncodeJpeg(UINT width, UINT height, int components, const Bytes& samples);

// A level's texels as units of its pixel size (DWORD, WORD or BYTE), rows joined without padding.
template <typename Texel>
std::vector<Texel> ReadLevel(IDirect3DTexture8* texture, UINT level)
{
    D3DSURFACE_DESC desc{};
    D3DLOCKED_RECT locked{};
    if (texture->GetLevelDesc(level, &desc) != D3D_OK || texture->LockRect(level, &locked, nullptr, 0) != D3D_OK)
        return {};
    std::vector<Texel> texels(size_t(desc.Width) * desc.Height);
    for (UINT y = 0; y < desc.Height; ++y)
        std::memcpy(&texels[size_t(y) * desc.Width], static_cast<BYTE*>(locked.pBits) + size_t(y) * locked.Pitch,
                    desc.Width * sizeof(Texel));
    texture->UnlockRect(level);
    return texels;
}

class TextureFileTest : public d3d8_test::DeviceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes content to the scratch folder (making the folders in relative) and answers its full name.
    std::string Write(const std::string& relative, const Bytes& content) const;
    // Loads the file as the engine loads its meshes' textures (a full mip chain, the managed pool,
    // default mip filter) with the size, format, filter and colour key given.
    HRESULT LoadEx(const Bytes& file, UINT width, UINT height, D3DFORMAT format, DWORD filter, D3DCOLOR colorKey = 0,
                   D3DXIMAGE_INFO* info = nullptr);
    // Loads the file with every choice left to the loader.
    HRESULT Load(const Bytes& file);
    D3DSURFACE_DESC LevelDesc(UINT level);
    void ReleaseTexture();

    std::string folder;
    IDirect3DTexture8* texture = nullptr;
};

}  // namespace d3dx8_test
