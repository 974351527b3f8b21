// A 2D texture with its mip levels. Lockable textures keep each level in system memory and upload
// the changed levels to their GL texture when a draw uses them; render-target textures live in GL and
// draw through a framebuffer of their level surface.
#pragma once

#include <vector>

#include "format_info.h"
#include "resource_base.h"

namespace d3d8 {

class Surface;

class Texture final : public ResourceBase<IDirect3DTexture8> {
public:
    Texture(Device* device, UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool);
    ~Texture() override;

    D3DRESOURCETYPE GetType() override { return D3DRTYPE_TEXTURE; }
    DWORD SetLOD(DWORD lod) override;
    DWORD GetLOD() override { return lod_; }
    DWORD GetLevelCount() override { return static_cast<DWORD>(levels_.size()); }
    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) override;
    HRESULT GetSurfaceLevel(UINT level, IDirect3DSurface8** surface) override;
    HRESULT LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect(UINT level) override;
    HRESULT AddDirtyRect(const RECT* dirtyRect) override;
    void DetachDevice() override;

    bool IsRenderTarget() const { return (usage_ & D3DUSAGE_RENDERTARGET) != 0; }
    D3DFORMAT Format() const { return format_; }
    Surface* Level(UINT level) const { return levels_[level]; }
    void MarkLevelChanged(UINT level);
    // The GL texture with every changed level uploaded; call with the device's context current.
    GLuint GlTexture();

    // Levels of a full chain down to 1 x 1 for the given size.
    static UINT FullChainLength(UINT width, UINT height);

private:
    void CreateGlTexture();
    void UploadLevel(UINT level);

    D3DFORMAT format_;
    std::vector<Surface*> levels_;
    std::vector<bool> changed_;
    DWORD lod_ = 0;
    GLuint glTexture_ = 0;
};

}  // namespace d3d8
