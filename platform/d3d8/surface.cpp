#include "surface.h"

#include "device.h"
#include "format_info.h"
#include "texture_storage.h"

namespace d3d8 {

namespace {

bool HasSystemMemory(SurfaceKind kind, const TextureStorage* container)
{
    if (kind == SurfaceKind::Image)
        return true;
    return kind == SurfaceKind::TextureLevel && !container->IsRenderTarget();
}

bool RectInside(const RECT& r, UINT width, UINT height)
{
    return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom &&
           static_cast<UINT>(r.right) <= width && static_cast<UINT>(r.bottom) <= height;
}

TrackedResource::Lifetime LifetimeOf(SurfaceKind kind, const TextureStorage* container)
{
    if (container)
        return TrackedResource::Lifetime::Container;
    if (kind == SurfaceKind::BackBuffer || kind == SurfaceKind::AutoDepth)
        return TrackedResource::Lifetime::Device;
    return TrackedResource::Lifetime::Application;
}

}  // namespace

Surface::Surface(Device* device, TextureStorage* container, UINT face, UINT level, SurfaceKind kind,
                 const D3DSURFACE_DESC& desc, bool lockable)
    : TrackedResource(device, desc.Pool, desc.Usage, LifetimeOf(kind, container)),
      kind_(kind),
      desc_(desc),
      container_(container),
      face_(face),
      level_(level),
      lockable_(lockable)
{
    if (HasSystemMemory(kind_, container_))
        memory_.assign(static_cast<size_t>(Pitch()) * desc_.Height, 0);
}

Surface::Surface(TextureStorage* container, UINT face, UINT level, const D3DSURFACE_DESC& desc)
    : Surface(container->Owner().OwnerDevice(), container, face, level, SurfaceKind::TextureLevel, desc, false)
{
}

Surface::Surface(Device* device, SurfaceKind kind, const D3DSURFACE_DESC& desc, bool lockable)
    : Surface(device, nullptr, 0, 0, kind, desc, lockable)
{
}

Surface::~Surface()
{
    if (OwnsGlObjects()) {
        ReleaseGlTexture(colorTexture_);
        ReleaseGlRenderbuffer(depthRenderbuffer_);
        ReleaseGlFramebuffer(framebuffer_);
    } else if (kind_ == SurfaceKind::TextureLevel) {
        ReleaseGlFramebuffer(framebuffer_);
    }
}

bool Surface::OwnsGlObjects() const
{
    return kind_ == SurfaceKind::RenderTarget || kind_ == SurfaceKind::DepthStencil || kind_ == SurfaceKind::Image;
}

HRESULT Surface::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IDirect3DSurface8 || riid == IID_IUnknown) {
        AddRef();
        *object = static_cast<IDirect3DSurface8*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Surface::AddRef()
{
    if (container_)
        return container_->Interface().AddRef();
    return AddPublicReference();
}

ULONG Surface::Release()
{
    if (container_)
        return container_->Interface().Release();
    return ReleasePublicReference();
}

TrackedResource& Surface::Counted()
{
    return container_ ? container_->Owner() : *this;
}

HRESULT Surface::SetPrivateData(REFGUID guid, const void* data, DWORD size, DWORD flags)
{
    return privateData_.Set(guid, data, size, flags);
}

HRESULT Surface::GetPrivateData(REFGUID guid, void* data, DWORD* size)
{
    return privateData_.Get(guid, data, size);
}

HRESULT Surface::FreePrivateData(REFGUID guid)
{
    return privateData_.Free(guid);
}

// A level's container is its texture; any other surface's container is the device.
HRESULT Surface::GetContainer(REFIID riid, void** container)
{
    if (!container)
        return D3DERR_INVALIDCALL;
    *container = nullptr;
    if (container_)
        return container_->Interface().QueryInterface(riid, container) == S_OK ? D3D_OK : E_NOINTERFACE;
    if (!device_)
        return D3DERR_INVALIDCALL;
    return device_->QueryInterface(riid, container) == S_OK ? D3D_OK : E_NOINTERFACE;
}

HRESULT Surface::GetDesc(D3DSURFACE_DESC* desc)
{
    if (!desc)
        return D3DERR_INVALIDCALL;
    *desc = desc_;
    return D3D_OK;
}

UINT Surface::Pitch() const
{
    return desc_.Width * BytesPerPixel(desc_.Format);
}

HRESULT Surface::LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags)
{
    if (!lockedRect || locked_)
        return D3DERR_INVALIDCALL;
    const bool inGl = memory_.empty();
    if (inGl && !lockable_)
        return D3DERR_INVALIDCALL;
    RECT whole = {0, 0, static_cast<LONG>(desc_.Width), static_cast<LONG>(desc_.Height)};
    const RECT& area = rect ? *rect : whole;
    if (!RectInside(area, desc_.Width, desc_.Height))
        return D3DERR_INVALIDCALL;
    if (inGl && !ReadBack(lockCopy_))
        return D3DERR_INVALIDCALL;
    BYTE* bits = inGl ? lockCopy_.data() : memory_.data();
    const UINT pitch = Pitch();
    lockedRect->Pitch = static_cast<INT>(pitch);
    lockedRect->pBits = bits + static_cast<size_t>(area.top) * pitch +
                        static_cast<size_t>(area.left) * BytesPerPixel(desc_.Format);
    locked_ = true;
    lockWrites_ = !(flags & D3DLOCK_READONLY);
    if (lockWrites_ && !inGl)
        MarkChanged();
    return D3D_OK;
}

HRESULT Surface::UnlockRect()
{
    if (!locked_)
        return D3DERR_INVALIDCALL;
    locked_ = false;
    if (memory_.empty()) {
        if (lockWrites_)
            WriteBack(lockCopy_);
        lockCopy_ = std::vector<BYTE>{};
    }
    return D3D_OK;
}

void Surface::MarkChanged()
{
    if (container_)
        container_->MarkChanged(face_, level_);
}

void Surface::DetachDevice()
{
    colorTexture_ = depthRenderbuffer_ = framebuffer_ = 0;
    TrackedResource::DetachDevice();
}

bool Surface::IsReadable() const
{
    if (!memory_.empty() || kind_ == SurfaceKind::DepthStencil || kind_ == SurfaceKind::AutoDepth)
        return false;
    GlColorFormat format;
    return GlFormatOf(desc_.Format, &format);
}

GLenum Surface::ImageTarget() const
{
    return container_ ? container_->GlImageTarget(face_) : GL_TEXTURE_2D;
}

// Rows are stored top first in GL as in memory, so the texture image is the memory layout as it is.
bool Surface::ReadBack(std::vector<BYTE>& bytes)
{
    GlColorFormat format;
    if (!IsReadable() || !device_ || !device_->MakeCurrent() || !GlFormatOf(desc_.Format, &format))
        return false;
    const GLuint texture = ColorTexture();
    if (!texture)
        return false;
    glBindTexture(container_ ? container_->GlTarget() : GL_TEXTURE_2D, texture);
    bytes.assign(static_cast<size_t>(Pitch()) * desc_.Height, 0);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glGetTexImage(ImageTarget(), static_cast<GLint>(level_), format.uploadFormat, format.uploadType, bytes.data());
    return true;
}

void Surface::WriteBack(const std::vector<BYTE>& bytes)
{
    GlColorFormat format;
    if (!device_ || !device_->MakeCurrent() || !GlFormatOf(desc_.Format, &format))
        return;
    const GLuint texture = ColorTexture();
    if (!texture)
        return;
    glBindTexture(container_ ? container_->GlTarget() : GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glTexSubImage2D(ImageTarget(), static_cast<GLint>(level_), 0, 0, desc_.Width, desc_.Height, format.uploadFormat,
                    format.uploadType, bytes.data());
}

void Surface::UseExternalGlObjects(GLuint colorTexture, GLuint depthRenderbuffer, GLuint framebuffer)
{
    colorTexture_ = colorTexture;
    depthRenderbuffer_ = depthRenderbuffer;
    framebuffer_ = framebuffer;
    attachedDepth_ = ~0u;
}

GLuint Surface::ColorTexture()
{
    if (container_)
        return container_->GlTexture();
    if (!colorTexture_ && kind_ == SurfaceKind::RenderTarget) {
        GlColorFormat format;
        GlFormatOf(desc_.Format, &format);
        glGenTextures(1, &colorTexture_);
        glBindTexture(GL_TEXTURE_2D, colorTexture_);
        glTexImage2D(GL_TEXTURE_2D, 0, format.internalFormat, desc_.Width, desc_.Height, 0, format.uploadFormat,
                     format.uploadType, nullptr);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    }
    return colorTexture_;
}

GLuint Surface::DepthRenderbuffer()
{
    if (!depthRenderbuffer_ && kind_ == SurfaceKind::DepthStencil) {
        glGenRenderbuffers(1, &depthRenderbuffer_);
        glBindRenderbuffer(GL_RENDERBUFFER, depthRenderbuffer_);
        glRenderbufferStorage(GL_RENDERBUFFER, GlDepthFormatOf(desc_.Format), desc_.Width, desc_.Height);
    }
    return depthRenderbuffer_;
}

GLuint Surface::BindAsRenderTarget(Surface* depth)
{
    if (!framebuffer_) {
        const GLuint texture = ColorTexture();
        glGenFramebuffers(1, &framebuffer_);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, ImageTarget(), texture,
                               static_cast<GLint>(level_));
        attachedDepth_ = ~0u;
    }
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    GLuint depthName = depth ? depth->DepthRenderbuffer() : 0;
    if (depthName != attachedDepth_) {
        bool stencil = depth && HasStencil(depth->Desc().Format);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, 0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, stencil ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT,
                                  GL_RENDERBUFFER, depthName);
        attachedDepth_ = depthName;
    }
    return framebuffer_;
}

}  // namespace d3d8
