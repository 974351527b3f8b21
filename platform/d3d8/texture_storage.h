// What 2D and cube textures share: their level surfaces (one chain per face), the GL texture that a
// draw samples, and which levels changed in system memory since it was last uploaded. Lockable
// textures keep each level in system memory; render-target textures live in GL only and draw
// through a framebuffer of their level surface.
#pragma once

#include <vector>

#include "format_info.h"
#include "tracked_resource.h"

namespace d3d8 {

class Surface;

class TextureStorage {
public:
    // faces is 1 for a 2D texture and 6 for a cube texture. The owner is the COM object whose
    // counts the level surfaces share.
    TextureStorage(TrackedResource& owner, IUnknown& ownerInterface, UINT faces, UINT width, UINT height, UINT levels,
                   DWORD usage, D3DFORMAT format, D3DPOOL pool);
    ~TextureStorage();
    TextureStorage(const TextureStorage&) = delete;
    TextureStorage& operator=(const TextureStorage&) = delete;

    TrackedResource& Owner() const { return owner_; }
    IUnknown& Interface() const { return interface_; }
    UINT LevelCount() const { return levelCount_; }
    UINT FaceCount() const { return faces_; }
    bool IsCube() const { return faces_ == 6; }
    bool IsRenderTarget() const { return (usage_ & D3DUSAGE_RENDERTARGET) != 0; }
    D3DFORMAT Format() const { return format_; }
    // The surface of a face's level, or null outside the texture.
    Surface* Level(UINT face, UINT level) const;
    GLenum GlTarget() const { return IsCube() ? GL_TEXTURE_CUBE_MAP : GL_TEXTURE_2D; }
    // The GL image a face's levels are stored in (a cube face, or the 2D texture itself).
    GLenum GlImageTarget(UINT face) const;

    HRESULT GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) const;
    // Hands out a face's level surface with a reference on the texture.
    HRESULT GetSurface(UINT face, UINT level, IDirect3DSurface8** surface) const;
    HRESULT LockRect(UINT face, UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags);
    HRESULT UnlockRect(UINT face, UINT level);
    DWORD SetLOD(DWORD lod, D3DPOOL pool);
    DWORD GetLOD() const { return lod_; }

    void MarkChanged(UINT face, UINT level);
    void MarkAllChanged();
    // The GL texture bound on the active unit, every changed level uploaded; call with the device's
    // context current.
    GLuint GlTexture();
    void ReleaseGl() { owner_.ReleaseGlTexture(glTexture_); }
    void DetachDevice();

    // Levels of a full chain down to 1 x 1 for the given size.
    static UINT FullChainLength(UINT width, UINT height);

private:
    void CreateGlTexture();
    void UploadLevel(UINT face, UINT level);
    UINT Index(UINT face, UINT level) const { return face * levelCount_ + level; }

    TrackedResource& owner_;
    IUnknown& interface_;
    UINT faces_;
    UINT levelCount_ = 0;
    DWORD usage_;
    D3DFORMAT format_;
    std::vector<Surface*> surfaces_;  // face-major
    std::vector<bool> changed_;
    DWORD lod_ = 0;
    GLuint glTexture_ = 0;
};

}  // namespace d3d8
