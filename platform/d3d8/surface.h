// A surface: a level of a texture, a system-memory image, a render target, a depth buffer, or the
// device's own back buffer and depth buffer. Surfaces with system memory can be locked; the ones that
// live only in GL (render targets, depth buffers, the back buffer) answer D3DERR_INVALIDCALL to a lock.
#pragma once

#include <atomic>
#include <vector>

#include "private_data.h"
#include "tracked_resource.h"

namespace d3d8 {

class Texture;

enum class SurfaceKind { TextureLevel, Image, RenderTarget, DepthStencil, BackBuffer, AutoDepth };

class Surface final : public IDirect3DSurface8, public TrackedResource {
public:
    // A level of a texture: its references are the texture's.
    Surface(Texture* container, UINT level, const D3DSURFACE_DESC& desc);
    // A surface of its own (image, render target, depth buffer, or one of the device's own two).
    Surface(Device* device, SurfaceKind kind, const D3DSURFACE_DESC& desc);
    ~Surface() override;

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT GetDevice(IDirect3DDevice8** device) override { return GetDeviceInterface(device); }
    HRESULT SetPrivateData(REFGUID guid, const void* data, DWORD size, DWORD flags) override;
    HRESULT GetPrivateData(REFGUID guid, void* data, DWORD* size) override;
    HRESULT FreePrivateData(REFGUID guid) override;
    HRESULT GetContainer(REFIID riid, void** container) override;
    HRESULT GetDesc(D3DSURFACE_DESC* desc) override;
    HRESULT LockRect(D3DLOCKED_RECT* lockedRect, const RECT* rect, DWORD flags) override;
    HRESULT UnlockRect() override;

    bool HeldByApplication() const override;
    void DetachDevice() override;

    SurfaceKind Kind() const { return kind_; }
    const D3DSURFACE_DESC& Desc() const { return desc_; }
    Texture* Container() const { return container_; }
    UINT Level() const { return level_; }
    ULONG References() const { return refs_; }
    // System memory of the surface, top row first, pitch = width x bytes per pixel; empty for
    // surfaces that live only in GL.
    std::vector<BYTE>& Memory() { return memory_; }
    UINT Pitch() const;
    // Marks the memory as changed (the texture uploads it before its next use).
    void MarkChanged();

    // GL side. Colour surfaces draw through a framebuffer with the depth surface attached; depth
    // surfaces are renderbuffers. Call with the device's context current.
    GLuint ColorTexture();
    GLuint DepthRenderbuffer();
    GLuint BindAsRenderTarget(Surface* depth);
    // The device's own surfaces use the back buffer's GL objects instead of making their own.
    void UseExternalGlObjects(GLuint colorTexture, GLuint depthRenderbuffer, GLuint framebuffer);

private:
    Surface(Device* device, Texture* container, UINT level, SurfaceKind kind, const D3DSURFACE_DESC& desc);
    bool OwnsGlObjects() const;

    SurfaceKind kind_;
    D3DSURFACE_DESC desc_;
    Texture* container_;
    UINT level_;
    std::atomic<ULONG> refs_{1};
    std::vector<BYTE> memory_;
    bool locked_ = false;
    PrivateDataStore privateData_;
    GLuint colorTexture_ = 0;
    GLuint depthRenderbuffer_ = 0;
    GLuint framebuffer_ = 0;
    GLuint attachedDepth_ = ~0u;
};

}  // namespace d3d8
