#include "texture.h"

#include <algorithm>

#include "surface.h"

namespace d3d8 {

UINT Texture::FullChainLength(UINT width, UINT height)
{
    UINT levels = 1;
    while (width > 1 || height > 1) {
        width = std::max(1u, width / 2);
        height = std::max(1u, height / 2);
        ++levels;
    }
    return levels;
}

Texture::Texture(Device* device, UINT width, UINT height, UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool)
    : ResourceBase(device, pool, usage, IID_IDirect3DTexture8), format_(format)
{
    const UINT chain = FullChainLength(width, height);
    const UINT count = (levels == 0 || levels > chain) ? chain : levels;
    for (UINT level = 0; level < count; ++level) {
        D3DSURFACE_DESC desc{};
        desc.Format = format;
        desc.Type = D3DRTYPE_SURFACE;
        desc.Usage = usage;
        desc.Pool = pool;
        desc.Width = width;
        desc.Height = height;
        desc.Size = width * height * BytesPerPixel(format);
        levels_.push_back(new Surface(this, level, desc));
        width = std::max(1u, width / 2);
        height = std::max(1u, height / 2);
    }
    changed_.assign(count, true);
}

Texture::~Texture()
{
    for (Surface* level : levels_)
        delete level;
    ReleaseGlTexture(glTexture_);
}

DWORD Texture::SetLOD(DWORD lod)
{
    DWORD old = lod_;
    if (pool_ == D3DPOOL_MANAGED)
        lod_ = std::min<DWORD>(lod, GetLevelCount() - 1);
    return old;
}

HRESULT Texture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc)
{
    if (level >= levels_.size() || !desc)
        return D3DERR_INVALIDCALL;
    return levels_[level]->GetDesc(desc);
}

HRESULT Texture::GetSurfaceLevel(UINT level, IDirect3DSurface8** surface)
{
    if (!surface)
        return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (level >= levels_.size())
        return D3DERR_INVALIDCALL;
    AddRef();
    *surface = levels_[level];
    return D3D_OK;
}

HRESULT Texture::LockRect(UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags)
{
    if (level >= levels_.size())
        return D3DERR_INVALIDCALL;
    return levels_[level]->LockRect(lockedRect, rect, flags);
}

HRESULT Texture::UnlockRect(UINT level)
{
    if (level >= levels_.size())
        return D3DERR_INVALIDCALL;
    return levels_[level]->UnlockRect();
}

HRESULT Texture::AddDirtyRect(const RECT*)
{
    MarkLevelChanged(0);
    return D3D_OK;
}

void Texture::DetachDevice()
{
    glTexture_ = 0;
    for (Surface* level : levels_)
        level->DetachDevice();
    TrackedResource::DetachDevice();
}

void Texture::MarkLevelChanged(UINT level)
{
    if (level < changed_.size())
        changed_[level] = true;
}

GLuint Texture::GlTexture()
{
    if (!glTexture_)
        CreateGlTexture();
    glBindTexture(GL_TEXTURE_2D, glTexture_);
    for (UINT level = 0; level < levels_.size(); ++level)
        if (changed_[level])
            UploadLevel(level);
    return glTexture_;
}

void Texture::CreateGlTexture()
{
    GlColorFormat format;
    GlFormatOf(format_, &format);
    glGenTextures(1, &glTexture_);
    glBindTexture(GL_TEXTURE_2D, glTexture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(levels_.size()) - 1);
    glTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_RGBA, format.swizzle);
    for (UINT level = 0; level < levels_.size(); ++level) {
        const D3DSURFACE_DESC& desc = levels_[level]->Desc();
        glTexImage2D(GL_TEXTURE_2D, level, format.internalFormat, desc.Width, desc.Height, 0, format.uploadFormat,
                     format.uploadType, nullptr);
        changed_[level] = !IsRenderTarget();
    }
}

// System memory is top row first and so is the GL texture: texture coordinate (0, 0) is the top left
// in both.
void Texture::UploadLevel(UINT level)
{
    GlColorFormat format;
    GlFormatOf(format_, &format);
    Surface* surface = levels_[level];
    const D3DSURFACE_DESC& desc = surface->Desc();
    changed_[level] = false;
    if (surface->Memory().empty())
        return;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexSubImage2D(GL_TEXTURE_2D, level, 0, 0, desc.Width, desc.Height, format.uploadFormat, format.uploadType,
                    surface->Memory().data());
}

}  // namespace d3d8
