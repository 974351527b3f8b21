#include "cube_texture.h"

namespace d3d8 {

CubeTexture::CubeTexture(Device* device, UINT edgeLength, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool)
    : ResourceBase(device, pool, usage, IID_IDirect3DCubeTexture8),
      storage_(*this, *static_cast<IDirect3DCubeTexture8*>(this), 6, edgeLength, edgeLength, levels, usage, format,
               pool)
{
}

CubeTexture::~CubeTexture()
{
    storage_.ReleaseGl();
}

HRESULT CubeTexture::AddDirtyRect(D3DCUBEMAP_FACES face, const RECT*)
{
    if (static_cast<UINT>(face) >= 6)
        return D3DERR_INVALIDCALL;
    storage_.MarkChanged(static_cast<UINT>(face), 0);
    return D3D_OK;
}

void CubeTexture::DetachDevice()
{
    storage_.DetachDevice();
    TrackedResource::DetachDevice();
}

}  // namespace d3d8
