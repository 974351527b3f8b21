#include "texture_storage.h"

#include <algorithm>

#include "surface.h"

namespace d3d8 {

UINT TextureStorage::FullChainLength(UINT width, UINT height)
{
    UINT levels = 1;
    while (width > 1 || height > 1) {
        width = std::max(1u, width / 2);
        height = std::max(1u, height / 2);
        ++levels;
    }
    return levels;
}

TextureStorage::TextureStorage(TrackedResource& owner, IUnknown& ownerInterface, UINT faces, UINT width, UINT height,
                               UINT levels, DWORD usage, D3DFORMAT format, D3DPOOL pool)
    : owner_(owner), interface_(ownerInterface), faces_(faces), usage_(usage), format_(format)
{
    const UINT chain = FullChainLength(width, height);
    levelCount_ = (levels == 0 || levels > chain) ? chain : levels;
    for (UINT face = 0; face < faces_; ++face) {
        UINT w = width, h = height;
        for (UINT level = 0; level < levelCount_; ++level) {
            D3DSURFACE_DESC desc{};
            desc.Format = format;
            desc.Type = D3DRTYPE_SURFACE;
            desc.Usage = usage;
            desc.Pool = pool;
            desc.Width = w;
            desc.Height = h;
            desc.Size = w * h * BytesPerPixel(format);
            surfaces_.push_back(new Surface(this, face, level, desc));
            w = std::max(1u, w / 2);
            h = std::max(1u, h / 2);
        }
    }
    changed_.assign(surfaces_.size(), true);
}

TextureStorage::~TextureStorage()
{
    for (Surface* surface : surfaces_)
        delete surface;
}

Surface* TextureStorage::Level(UINT face, UINT level) const
{
    if (face >= faces_ || level >= levelCount_)
        return nullptr;
    return surfaces_[Index(face, level)];
}

GLenum TextureStorage::GlImageTarget(UINT face) const
{
    return IsCube() ? GL_TEXTURE_CUBE_MAP_POSITIVE_X + face : GL_TEXTURE_2D;
}

HRESULT TextureStorage::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) const
{
    Surface* surface = Level(0, level);
    if (!surface || !desc)
        return D3DERR_INVALIDCALL;
    return surface->GetDesc(desc);
}

HRESULT TextureStorage::GetSurface(UINT face, UINT level, IDirect3DSurface8** surface) const
{
    if (!surface)
        return D3DERR_INVALIDCALL;
    *surface = Level(face, level);
    if (!*surface)
        return D3DERR_INVALIDCALL;
    interface_.AddRef();
    return D3D_OK;
}

HRESULT TextureStorage::LockRect(UINT face, UINT level, D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags)
{
    Surface* surface = Level(face, level);
    return surface ? surface->LockRect(lockedRect, rect, flags) : D3DERR_INVALIDCALL;
}

HRESULT TextureStorage::UnlockRect(UINT face, UINT level)
{
    Surface* surface = Level(face, level);
    return surface ? surface->UnlockRect() : D3DERR_INVALIDCALL;
}

DWORD TextureStorage::SetLOD(DWORD lod, D3DPOOL pool)
{
    const DWORD old = lod_;
    if (pool == D3DPOOL_MANAGED)
        lod_ = std::min<DWORD>(lod, levelCount_ - 1);
    return old;
}

void TextureStorage::MarkChanged(UINT face, UINT level)
{
    if (face < faces_ && level < levelCount_)
        changed_[Index(face, level)] = true;
}

void TextureStorage::MarkAllChanged()
{
    changed_.assign(changed_.size(), true);
}

void TextureStorage::DetachDevice()
{
    glTexture_ = 0;
    for (Surface* surface : surfaces_)
        surface->DetachDevice();
}

GLuint TextureStorage::GlTexture()
{
    if (!glTexture_)
        CreateGlTexture();
    glBindTexture(GlTarget(), glTexture_);
    for (UINT face = 0; face < faces_; ++face)
        for (UINT level = 0; level < levelCount_; ++level)
            if (changed_[Index(face, level)])
                UploadLevel(face, level);
    return glTexture_;
}

void TextureStorage::CreateGlTexture()
{
    GlColorFormat format;
    GlFormatOf(format_, &format);
    const GLenum target = GlTarget();
    glGenTextures(1, &glTexture_);
    glBindTexture(target, glTexture_);
    glTexParameteri(target, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(target, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(levelCount_) - 1);
    glTexParameteriv(target, GL_TEXTURE_SWIZZLE_RGBA, format.swizzle);
    for (UINT face = 0; face < faces_; ++face) {
        for (UINT level = 0; level < levelCount_; ++level) {
            const D3DSURFACE_DESC& desc = Level(face, level)->Desc();
            glTexImage2D(GlImageTarget(face), level, format.internalFormat, desc.Width, desc.Height, 0,
                         format.uploadFormat, format.uploadType, nullptr);
            changed_[Index(face, level)] = !IsRenderTarget();
        }
    }
}

// System memory is top row first and so is the GL texture: texture coordinate (0, 0) is the top left
// in both, and a cube face's rows run the way Direct3D lays out the face.
void TextureStorage::UploadLevel(UINT face, UINT level)
{
    GlColorFormat format;
    GlFormatOf(format_, &format);
    Surface* surface = Level(face, level);
    const D3DSURFACE_DESC& desc = surface->Desc();
    changed_[Index(face, level)] = false;
    if (surface->Memory().empty())
        return;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexSubImage2D(GlImageTarget(face), level, 0, 0, desc.Width, desc.Height, format.uploadFormat,
                    format.uploadType, surface->Memory().data());
}

}  // namespace d3d8
