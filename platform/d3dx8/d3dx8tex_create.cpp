// Making textures: empty ones, and ones filled from image files. A loaded picture is colour keyed,
// scaled to the texture's size with the filter, written into level 0 in the texture's format, and
// each further level is box filtered from the one above it.
#include <new>

#include "d3dx8tex_image.h"
#include "d3dx8tex_pixels.h"

namespace d3dx8 {

namespace {

constexpr UINT kDefaultTextureSide = 256;

UINT NextPowerOfTwo(UINT value)
{
    UINT power = 1;
    while (power < value && power < (1u << 31))
        power <<= 1;
    return power;
}

bool AsksForDefault(UINT value)
{
    return value == 0 || value == D3DX_DEFAULT;
}

// The side a texture gets: the wanted one, or for 0 or D3DX_DEFAULT the fallback rounded up to a power
// of two; never above the device's limit.
UINT TextureSide(UINT wanted, UINT fallback, UINT deviceLimit)
{
    const UINT side = AsksForDefault(wanted) ? NextPowerOfTwo(fallback) : wanted;
    return deviceLimit && side > deviceLimit ? deviceLimit : side;
}

D3DFORMAT TextureFormat(D3DFORMAT wanted, bool needsAlpha)
{
    if (IsWritableFormat(wanted))
        return wanted;
    return needsAlpha ? D3DFMT_A8R8G8B8 : D3DFMT_X8R8G8B8;
}

void DeviceLimits(IDirect3DDevice8* device, UINT* maxWidth, UINT* maxHeight)
{
    D3DCAPS8 caps{};
    const bool known = device->GetDeviceCaps(&caps) == D3D_OK;
    *maxWidth = known ? caps.MaxTextureWidth : 0;
    *maxHeight = known ? caps.MaxTextureHeight : 0;
}

// Keyed pixels become transparent black; the key is compared with alpha.
void ApplyColorKey(std::vector<D3DCOLOR>& pixels, D3DCOLOR key)
{
    if (key == 0)
        return;
    for (D3DCOLOR& pixel : pixels)
        if (pixel == key)
            pixel = 0;
}

void ReportImage(const Image& image, D3DXIMAGE_INFO* info)
{
    info->Width = image.width;
    info->Height = image.height;
    info->Depth = 1;
    info->MipLevels = 1;
    info->Format = image.fileFormat;
    info->ResourceType = D3DRTYPE_TEXTURE;
    info->ImageFileFormat = image.fileType;
}

HRESULT WriteLevel(IDirect3DTexture8* texture, UINT level, const Pixels& pixels, D3DFORMAT format)
{
    D3DLOCKED_RECT locked{};
    const HRESULT hr = texture->LockRect(level, &locked, nullptr, 0);
    if (hr != D3D_OK)
        return hr;
    for (UINT y = 0; y < pixels.height; ++y)
        WriteRow(pixels.values.data() + size_t(y) * pixels.width, pixels.width, format,
                 static_cast<BYTE*>(locked.pBits) + size_t(y) * locked.Pitch);
    return texture->UnlockRect(level);
}

// Fills every level from the picture: level 0 scaled with filterKind, the rest with mipFilterKind
// (none leaves them as created).
HRESULT FillLevels(IDirect3DTexture8* texture, Pixels picture, DWORD filterKind, DWORD mipFilterKind)
{
    const UINT levels = mipFilterKind == D3DX_FILTER_NONE ? 1 : texture->GetLevelCount();
    for (UINT level = 0; level < levels; ++level) {
        D3DSURFACE_DESC desc{};
        HRESULT hr = texture->GetLevelDesc(level, &desc);
        if (hr != D3D_OK)
            return hr;
        picture = Resize(picture, desc.Width, desc.Height, level == 0 ? filterKind : mipFilterKind);
        hr = WriteLevel(texture, level, picture, desc.Format);
        if (hr != D3D_OK)
            return hr;
    }
    return D3D_OK;
}

struct LoadRequest {
    UINT width, height, mipLevels;
    DWORD usage;
    D3DFORMAT format;
    D3DPOOL pool;
    DWORD filter, mipFilter;
    D3DCOLOR colorKey;
};

HRESULT CreateFromImage(IDirect3DDevice8* device, Image& image, const LoadRequest& request,
                        IDirect3DTexture8** texture)
{
    const DWORD filterKind = FilterKind(request.filter, D3DX_FILTER_TRIANGLE);
    const DWORD mipFilterKind = FilterKind(request.mipFilter, D3DX_FILTER_BOX);
    if (!filterKind || !mipFilterKind)
        return D3DERR_INVALIDCALL;
    ApplyColorKey(image.pixels, request.colorKey);
    UINT maxWidth, maxHeight;
    DeviceLimits(device, &maxWidth, &maxHeight);
    const UINT width = TextureSide(request.width, image.width, maxWidth);
    const UINT height = TextureSide(request.height, image.height, maxHeight);
    const D3DFORMAT format = TextureFormat(request.format, image.hasAlpha || request.colorKey != 0);
    const UINT levels = request.mipLevels == D3DX_DEFAULT ? 0 : request.mipLevels;
    IDirect3DTexture8* created = nullptr;
    HRESULT hr = device->CreateTexture(width, height, levels, request.usage, format, request.pool, &created);
    if (hr != D3D_OK)
        return hr;
    hr = FillLevels(created, Pixels{image.width, image.height, std::move(image.pixels)}, filterKind, mipFilterKind);
    if (hr != D3D_OK) {
        created->Release();
        return hr;
    }
    *texture = created;
    return D3D_OK;
}

HRESULT LoadFromMemory(IDirect3DDevice8* device, const BYTE* data, size_t size, const LoadRequest& request,
                       D3DXIMAGE_INFO* srcInfo, IDirect3DTexture8** texture)
{
    Image image;
    if (!DecodeImage(data, size, DecodeMode::Pixels, &image))
        return D3DXERR_INVALIDDATA;
    if (srcInfo)
        ReportImage(image, srcInfo);
    return CreateFromImage(device, image, request, texture);
}

HRESULT InfoFromMemory(const BYTE* data, size_t size, D3DXIMAGE_INFO* info)
{
    Image image;
    if (!DecodeImage(data, size, DecodeMode::HeaderOnly, &image))
        return D3DXERR_INVALIDDATA;
    ReportImage(image, info);
    return D3D_OK;
}

}  // namespace

}  // namespace d3dx8

using d3dx8::LoadRequest;

HRESULT WINAPI D3DXCreateTexture(LPDIRECT3DDEVICE8 device, UINT width, UINT height, UINT mipLevels, DWORD usage,
                                 D3DFORMAT format, D3DPOOL pool, LPDIRECT3DTEXTURE8* texture)
{
    if (!texture)
        return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!device)
        return D3DERR_INVALIDCALL;
    UINT maxWidth, maxHeight;
    d3dx8::DeviceLimits(device, &maxWidth, &maxHeight);
    width = d3dx8::TextureSide(width, d3dx8::kDefaultTextureSide, maxWidth);
    height = d3dx8::TextureSide(height, d3dx8::kDefaultTextureSide, maxHeight);
    const UINT levels = mipLevels == D3DX_DEFAULT ? 0 : mipLevels;
    return device->CreateTexture(width, height, levels, usage, d3dx8::TextureFormat(format, true), pool, texture);
}

HRESULT WINAPI D3DXCreateTextureFromFileInMemoryEx(LPDIRECT3DDEVICE8 device, LPCVOID data, UINT size, UINT width,
                                                   UINT height, UINT mipLevels, DWORD usage, D3DFORMAT format,
                                                   D3DPOOL pool, DWORD filter, DWORD mipFilter, D3DCOLOR colorKey,
                                                   D3DXIMAGE_INFO* srcInfo, PALETTEENTRY*,
                                                   LPDIRECT3DTEXTURE8* texture)
{
    if (!texture)
        return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!device || !data || size == 0)
        return D3DERR_INVALIDCALL;
    const LoadRequest request{width, height, mipLevels, usage, format, pool, filter, mipFilter, colorKey};
    try {
        return d3dx8::LoadFromMemory(device, static_cast<const BYTE*>(data), size, request, srcInfo, texture);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT WINAPI D3DXCreateTextureFromFileInMemory(LPDIRECT3DDEVICE8 device, LPCVOID data, UINT size,
                                                 LPDIRECT3DTEXTURE8* texture)
{
    return D3DXCreateTextureFromFileInMemoryEx(device, data, size, D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0,
                                               D3DFMT_UNKNOWN, D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_DEFAULT, 0,
                                               nullptr, nullptr, texture);
}

HRESULT WINAPI D3DXCreateTextureFromFileExA(LPDIRECT3DDEVICE8 device, LPCSTR file, UINT width, UINT height,
                                            UINT mipLevels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                            DWORD filter, DWORD mipFilter, D3DCOLOR colorKey,
                                            D3DXIMAGE_INFO* srcInfo, PALETTEENTRY* palette,
                                            LPDIRECT3DTEXTURE8* texture)
{
    if (!texture)
        return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!device || !file)
        return D3DERR_INVALIDCALL;
    std::vector<BYTE> content;
    try {
        if (!d3dx8::ReadWholeFile(file, &content) || content.empty())
            return D3DXERR_INVALIDDATA;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return D3DXCreateTextureFromFileInMemoryEx(device, content.data(), static_cast<UINT>(content.size()), width,
                                               height, mipLevels, usage, format, pool, filter, mipFilter, colorKey,
                                               srcInfo, palette, texture);
}

HRESULT WINAPI D3DXCreateTextureFromFileA(LPDIRECT3DDEVICE8 device, LPCSTR file, LPDIRECT3DTEXTURE8* texture)
{
    return D3DXCreateTextureFromFileExA(device, file, D3DX_DEFAULT, D3DX_DEFAULT, D3DX_DEFAULT, 0, D3DFMT_UNKNOWN,
                                        D3DPOOL_MANAGED, D3DX_DEFAULT, D3DX_DEFAULT, 0, nullptr, nullptr, texture);
}

HRESULT WINAPI D3DXGetImageInfoFromFileInMemory(LPCVOID data, UINT size, D3DXIMAGE_INFO* info)
{
    if (!data || size == 0 || !info)
        return D3DERR_INVALIDCALL;
    return d3dx8::InfoFromMemory(static_cast<const BYTE*>(data), size, info);
}

HRESULT WINAPI D3DXGetImageInfoFromFileA(LPCSTR file, D3DXIMAGE_INFO* info)
{
    if (!file || !info)
        return D3DERR_INVALIDCALL;
    std::vector<BYTE> content;
    try {
        if (!d3dx8::ReadWholeFile(file, &content) || content.empty())
            return D3DXERR_INVALIDDATA;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return D3DXGetImageInfoFromFileInMemory(content.data(), static_cast<UINT>(content.size()), info);
}
