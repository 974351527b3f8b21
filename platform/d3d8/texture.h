// A 2D texture with its mip levels, kept by the texture storage it shares with cube textures.
#pragma once

#include "resource_base.h"
#include "texture_storage.h"

namespace d3d8 {

class Texture final : public ResourceBase<IDirect3DTexture8> {
public:
    Texture(Device* device, UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool);
    ~Texture() override;

    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }
    DWORD SetLOD(DWORD lod) override { return storage_.SetLOD(lod, pool_); }
    DWORD GetLOD() override { return storage_.GetLOD(); }
    DWORD GetLevelCount() override { return storage_.LevelCount(); }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override { return storage_.GetLevelDesc(level, desc); }
    HRESULT GetSurfaceLevel(UINT level, IDirect3DSurface8** surface) override
    {
        return storage_.GetSurface(0, level, surface);
    }
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) override
    {
        return storage_.LockRect(0, level, lockedRect, rect, flags);
    }
    HRESULT UnlockRect(UINT level) override { return storage_.UnlockRect(0, level); }
    HRESULT AddDirtyRect(const RECT* dirtyRect) override;
    void DetachDevice() override;

    TextureStorage& Storage() { return storage_; }

private:
    TextureStorage storage_;
};

// The storage behind a texture of ours of either kind, or null for anything else.
TextureStorage* StorageOf(IDirect3DBaseTexture8* texture);

}  // namespace d3d8
