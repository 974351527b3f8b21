// Creating buffers, textures and surfaces, and copying into system-memory surfaces.
#include <algorithm>
#include <cstring>

#include "cube_texture.h"
#include "device.h"
#include "format_info.h"
#include "index_buffer.h"
#include "surface.h"
#include "texture.h"
#include "vertex_buffer.h"

namespace d3d8 {

namespace {

constexpr UINT kMaxTextureSize = 4096;

bool IsPool(D3DPOOL pool)
{
    return pool == D3DPOOL_DEFAULT || pool == D3DPOOL_MANAGED || pool == D3DPOOL_SYSTEMMEM;
}

D3DSURFACE_DESC SurfaceDesc(UINT width, UINT height, D3DFORMAT format, DWORD usage, D3DPOOL pool)
{
    D3DSURFACE_DESC desc{};
    desc.Format = format;
    desc.Type = D3DRTYPE_SURFACE;
    desc.Usage = usage;
    desc.Pool = pool;
    desc.Width = width;
    desc.Height = height;
    desc.Size = width * height * BytesPerPixel(format);
    return desc;
}

bool ValidSize(UINT width, UINT height)
{
    return width > 0 && height > 0 && width <= kMaxTextureSize && height <= kMaxTextureSize;
}

}  // namespace

HRESULT Device::CreateVertexBuffer(UINT length, DWORD usage, DWORD fvf, D3DPOOL pool,
                                   IDirect3DVertexBuffer8** vertexBuffer)
{
    if (!vertexBuffer)
        return D3DERR_INVALIDCALL;
    *vertexBuffer = nullptr;
    if (length == 0 || !IsPool(pool))
        return D3DERR_INVALIDCALL;
    *vertexBuffer = new VertexBuffer(this, length, usage, fvf, pool);
    return D3D_OK;
}

HRESULT Device::CreateIndexBuffer(UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                  IDirect3DIndexBuffer8** indexBuffer)
{
    if (!indexBuffer)
        return D3DERR_INVALIDCALL;
    *indexBuffer = nullptr;
    if (length == 0 || !IsPool(pool) || (format != D3DFMT_INDEX16 && format != D3DFMT_INDEX32))
        return D3DERR_INVALIDCALL;
    *indexBuffer = new IndexBuffer(this, length, usage, format, pool);
    return D3D_OK;
}

HRESULT Device::CreateTexture(UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                              IDirect3DTexture8** texture)
{
    if (!texture)
        return D3DERR_INVALIDCALL;
    *texture = nullptr;
    if (!ValidSize(width, height) || !IsPool(pool) || (usage & D3DUSAGE_DEPTHSTENCIL))
        return D3DERR_INVALIDCALL;
    if (!IsColorFormat(format))
        return D3DERR_INVALIDCALL;
    if ((usage & D3DUSAGE_RENDERTARGET) && (pool != D3DPOOL_DEFAULT || !IsRenderTargetFormat(format)))
        return D3DERR_INVALIDCALL;
    *texture = new Texture(this, width, height, levels, usage, format, pool);
    return D3D_OK;
}

// Volume textures are not offered: the caps report no D3DPTEXTURECAPS_VOLUMEMAP.
HRESULT Device::CreateVolumeTexture(UINT, UINT, UINT, UINT, DWORD, D3DFORMAT, D3DPOOL,
                                    IDirect3DVolumeTexture8** volumeTexture)
{
    if (volumeTexture)
        *volumeTexture = nullptr;
    return D3DERR_INVALIDCALL;
}

HRESULT Device::CreateCubeTexture(UINT edgeLength, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool,
                                  IDirect3DCubeTexture8** cubeTexture)
{
    if (!cubeTexture)
        return D3DERR_INVALIDCALL;
    *cubeTexture = nullptr;
    if (!ValidSize(edgeLength, edgeLength) || !IsPool(pool) || (usage & D3DUSAGE_DEPTHSTENCIL) ||
        !IsColorFormat(format))
        return D3DERR_INVALIDCALL;
    if ((usage & D3DUSAGE_RENDERTARGET) && (pool != D3DPOOL_DEFAULT || !IsRenderTargetFormat(format)))
        return D3DERR_INVALIDCALL;
    *cubeTexture = new CubeTexture(this, edgeLength, levels, usage, format, pool);
    return D3D_OK;
}

// Multisampling is not offered (CheckDeviceMultiSampleType answers none but D3DMULTISAMPLE_NONE).
HRESULT Device::CreateRenderTarget(UINT width, UINT height, D3DFORMAT format, D3DMULTISAMPLE_TYPE multiSample,
                                   BOOL lockable, IDirect3DSurface8** surface)
{
    if (!surface)
        return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (!ValidSize(width, height) || !IsRenderTargetFormat(format) || multiSample != D3DMULTISAMPLE_NONE)
        return D3DERR_INVALIDCALL;
    *surface = new Surface(this, SurfaceKind::RenderTarget,
                           SurfaceDesc(width, height, format, D3DUSAGE_RENDERTARGET, D3DPOOL_DEFAULT),
                           lockable != FALSE);
    return D3D_OK;
}

HRESULT Device::CreateDepthStencilSurface(UINT width, UINT height, D3DFORMAT format, D3DMULTISAMPLE_TYPE multiSample,
                                          IDirect3DSurface8** surface)
{
    if (!surface)
        return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (!ValidSize(width, height) || !IsDepthFormat(format) || multiSample != D3DMULTISAMPLE_NONE)
        return D3DERR_INVALIDCALL;
    *surface = new Surface(this, SurfaceKind::DepthStencil,
                           SurfaceDesc(width, height, format, D3DUSAGE_DEPTHSTENCIL, D3DPOOL_DEFAULT));
    return D3D_OK;
}

HRESULT Device::CreateImageSurface(UINT width, UINT height, D3DFORMAT format, IDirect3DSurface8** surface)
{
    if (!surface)
        return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (!ValidSize(width, height) || !IsColorFormat(format))
        return D3DERR_INVALIDCALL;
    *surface = new Surface(this, SurfaceKind::Image, SurfaceDesc(width, height, format, 0, D3DPOOL_SYSTEMMEM));
    return D3D_OK;
}

// Copies rectangles of the same format into a surface with system memory, from another such surface
// or from one that lives in GL (a render target, the back buffer, a render-target texture level),
// which is read back first. Without rectangles the whole source goes to the top left of the
// destination.
HRESULT Device::CopyRects(IDirect3DSurface8* sourceSurface, const RECT* sourceRects, UINT rectCount,
                          IDirect3DSurface8* destinationSurface, const POINT* destPoints)
{
    auto* source = dynamic_cast<Surface*>(sourceSurface);
    auto* destination = dynamic_cast<Surface*>(destinationSurface);
    if (!source || !destination || source == destination || destination->Memory().empty() ||
        source->Desc().Format != destination->Desc().Format)
        return D3DERR_INVALIDCALL;
    std::vector<BYTE> readBack;
    if (source->Memory().empty() && !source->ReadBack(readBack))
        return D3DERR_INVALIDCALL;
    const BYTE* sourceBytes = source->Memory().empty() ? readBack.data() : source->Memory().data();
    const D3DSURFACE_DESC& from = source->Desc();
    const D3DSURFACE_DESC& to = destination->Desc();
    const RECT whole = {0, 0, static_cast<LONG>(from.Width), static_cast<LONG>(from.Height)};
    const UINT count = sourceRects ? rectCount : 1;
    const UINT bpp = BytesPerPixel(from.Format);
    for (UINT i = 0; i < count; ++i) {
        const RECT& r = sourceRects ? sourceRects[i] : whole;
        const POINT at = destPoints ? destPoints[i] : POINT{r.left, r.top};
        if (r.left < 0 || r.top < 0 || r.right <= r.left || r.bottom <= r.top ||
            static_cast<UINT>(r.right) > from.Width || static_cast<UINT>(r.bottom) > from.Height || at.x < 0 ||
            at.y < 0 || static_cast<UINT>(at.x + (r.right - r.left)) > to.Width ||
            static_cast<UINT>(at.y + (r.bottom - r.top)) > to.Height)
            return D3DERR_INVALIDCALL;
        const size_t rowBytes = static_cast<size_t>(r.right - r.left) * bpp;
        for (LONG y = 0; y < r.bottom - r.top; ++y)
            std::memcpy(destination->Memory().data() + (at.y + y) * destination->Pitch() + at.x * bpp,
                        sourceBytes + (r.top + y) * source->Pitch() + r.left * bpp, rowBytes);
    }
    destination->MarkChanged();
    return D3D_OK;
}

// Copies every level the two textures share from a system-memory texture into another one of the
// same kind.
HRESULT Device::UpdateTexture(IDirect3DBaseTexture8* sourceTexture, IDirect3DBaseTexture8* destinationTexture)
{
    TextureStorage* source = StorageOf(sourceTexture);
    TextureStorage* destination = StorageOf(destinationTexture);
    if (!source || !destination || source->Owner().Pool() != D3DPOOL_SYSTEMMEM ||
        destination->Owner().Pool() != D3DPOOL_DEFAULT || source->Format() != destination->Format() ||
        source->FaceCount() != destination->FaceCount())
        return D3DERR_INVALIDCALL;
    const UINT levels = std::min(source->LevelCount(), destination->LevelCount());
    for (UINT face = 0; face < source->FaceCount(); ++face) {
        for (UINT level = 0; level < levels; ++level) {
            auto& from = source->Level(face, level)->Memory();
            auto& to = destination->Level(face, level)->Memory();
            if (from.size() != to.size())
                return D3DERR_INVALIDCALL;
            to = from;
            destination->MarkChanged(face, level);
        }
    }
    return D3D_OK;
}

}  // namespace d3d8
