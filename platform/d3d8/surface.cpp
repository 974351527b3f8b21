#include "surface.h"

#include "device.h"
#include "format_info.h"
#include "texture.h"

namespace d3d8 {

namespace {

bool HasSystemMemory(SurfaceKind kind, const Texture* container)
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

}  // namespace

Surface::Surface(Device* device, Texture* container, UINT level, SurfaceKind kind, const D3DSURFACE_DESC& desc)
    : TrackedResource(device, desc.Pool, desc.Usage, container == nullptr),
      kind_(kind),
      desc_(desc),
      container_(container),
      level_(level)
{
    if (HasSystemMemory(kind_, container_))
        memory_.assign(static_cast<size_t>(Pitch()) * desc_.Height, 0);
}

Surface::Surface(Texture* container, UINT level, const D3DSURFACE_DESC& desc)
    : Surface(container->OwnerDevice(), container, level, SurfaceKind::TextureLevel, desc)
{
}

Surface::Surface(Device* device, SurfaceKind kind, const D3DSURFACE_DESC& desc)
    : Surface(device, nullptr, 0, kind, desc)
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
        return container_->AddRef();
    return ++refs_;
}

ULONG Surface::Release()
{
    if (container_)
        return container_->Release();
    ULONG left = --refs_;
    if (left == 0)
        delete this;
    return left;
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
        return container_->QueryInterface(riid, container) == S_OK ? D3D_OK : E_NOINTERFACE;
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
    if (!lockedRect || memory_.empty() || locked_)
        return D3DERR_INVALIDCALL;
    RECT whole = {0, 0, static_cast<LONG>(desc_.Width), static_cast<LONG>(desc_.Height)};
    const RECT& area = rect ? *rect : whole;
    if (!RectInside(area, desc_.Width, desc_.Height))
        return D3DERR_INVALIDCALL;
    const UINT pitch = Pitch();
    lockedRect->Pitch = static_cast<INT>(pitch);
    lockedRect->pBits = memory_.data() + static_cast<size_t>(area.top) * pitch +
                        static_cast<size_t>(area.left) * BytesPerPixel(desc_.Format);
    locked_ = true;
    if (!(flags & D3DLOCK_READONLY))
        MarkChanged();
    return D3D_OK;
}

HRESULT Surface::UnlockRect()
{
    if (!locked_)
        return D3DERR_INVALIDCALL;
    locked_ = false;
    return D3D_OK;
}

void Surface::MarkChanged()
{
    if (container_)
        container_->MarkLevelChanged(level_);
}

bool Surface::HeldByApplication() const
{
    return refs_ > DeviceHolds();
}

void Surface::DetachDevice()
{
    colorTexture_ = depthRenderbuffer_ = framebuffer_ = 0;
    TrackedResource::DetachDevice();
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
        glGenFramebuffers(1, &framebuffer_);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, ColorTexture(), level_);
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
