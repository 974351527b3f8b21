// A cube texture: six square faces, each with its mip levels, sampled by a direction.
#pragma once

#include "resource_base.h"
#include "texture_storage.h"

namespace d3d8 {

class CubeTexture final : public ResourceBase<IDirect3DCubeTexture8> {
public:
    CubeTexture(Device* device, UINT edgeLength, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool);
    ~CubeTexture() override;

    D3DRESOURCETYPE GetType() override { return D3DRTYPE_CUBETEXTURE; }
    DWORD SetLOD(DWORD lod) override { return storage_.SetLOD(lod, pool_); }
    DWORD GetLOD() override { return storage_.GetLOD(); }
    DWORD GetLevelCount() override { return storage_.LevelCount(); }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override { return storage_.GetLevelDesc(level, desc); }
    HRESULT GetCubeMapSurface(D3DCUBEMAP_FACES face, UINT level, IDirect3DSurface8** surface) override
    {
        return storage_.GetSurface(static_cast<UINT>(face), level, surface);
    }
    HRESULT LockRect(D3DCUBEMAP_FACES face, UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect,
                     DWORD flags) override
    {
        return storage_.LockRect(static_cast<UINT>(face), level, lockedRect, rect, flags);
    }
    HRESULT UnlockRect(D3DCUBEMAP_FACES face, UINT level) override
    {
        return storage_.UnlockRect(static_cast<UINT>(face), level);
    }
    HRESULT AddDirtyRect(D3DCUBEMAP_FACES face, const RECT* dirtyRect) override;
    void DetachDevice() override;

    TextureStorage& Storage() { return storage_; }

private:
    TextureStorage storage_;
};

}  // namespace d3d8
