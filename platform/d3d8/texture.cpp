#include "texture.h"

#include "cube_texture.h"

namespace d3d8 {

Texture::Texture(Device* device, UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool)
    : ResourceBase(device, pool, usage, IID_IDirect3DTexture8),
      storage_(*this, *static_cast<IDirect3DTexture8*>(this), 1, width, height, levels, usage, format, pool)
{
}

Texture::~Texture()
{
    storage_.ReleaseGl();
}

HRESULT Texture::AddDirtyRect(const RECT*)
{
    storage_.MarkChanged(0, 0);
    return D3D_OK;
}

void Texture::DetachDevice()
{
    storage_.DetachDevice();
    TrackedResource::DetachDevice();
}

TextureStorage* StorageOf(IDirect3DBaseTexture8* texture)
{
    if (auto* flat = dynamic_cast<Texture*>(texture))
        return &flat->Storage();
    if (auto* cube = dynamic_cast<CubeTexture*>(texture))
        return &cube->Storage();
    return nullptr;
}

}  // namespace d3d8
