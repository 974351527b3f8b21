// A surface: a level of a texture (or of a cube texture's face), a system-memory image, a render
// target, a depth buffer, or the device's own back buffer and depth buffer. Surfaces with system
// memory can be locked. Colour surfaces that live only in GL can be read back (CopyRects into system
// memory), and locked when they were made lockable (a lockable render target, or the back buffer of a
// device created with D3DPRESENTFLAG_LOCKABLE_BACKBUFFER); the others answer D3DERR_INVALIDCALL.
#pragma once

#include <vector>

#include "private_data.h"
#include "tracked_resource.h"

namespace d3d8 {

class TextureStorage;

enum class SurfaceKind { TextureLevel, Image, RenderTarget, DepthStencil, BackBuffer, AutoDepth };

class Surface final : public IDirect3DSurface8, public TrackedResource {
public:
    // A level of a texture's face: its references are the texture's.
    Surface(TextureStorage* container, UINT face, UINT level, const D3DSURFACE_DESC& desc);
    // A surface of its own (image, render target, depth buffer, or one of the device's own two).
    Surface(Device* device, SurfaceKind kind, const D3DSURFACE_DESC& desc, bool lockable = false);
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

    void DetachDevice() override;
    TrackedResource& Counted() override;

    SurfaceKind Kind() const { return kind_; }
    const D3DSURFACE_DESC& Desc() const { return desc_; }
    TextureStorage* Container() const { return container_; }
    // System memory of the surface, top row first, pitch = width x bytes per pixel; empty for
    // surfaces that live only in GL.
    std::vector<BYTE>& Memory() { return memory_; }
    UINT Pitch() const;
    // Marks the memory as changed (the texture uploads it before its next use).
    void MarkChanged();
    // Whether the picture lives in GL and can be read back into memory.
    bool IsReadable() const;
    // The GL picture in system-memory layout; false if it cannot be read.
    bool ReadBack(std::vector<BYTE>& bytes);

    // GL side. Colour surfaces draw through a framebuffer with the depth surface attached; depth
    // surfaces are renderbuffers. Call with the device's context current.
    GLuint ColorTexture();
    GLuint DepthRenderbuffer();
    GLuint BindAsRenderTarget(Surface* depth);
    // The device's own surfaces use the back buffer's GL objects instead of making their own.
    void UseExternalGlObjects(GLuint colorTexture, GLuint depthRenderbuffer, GLuint framebuffer);

private:
    Surface(Device* device, TextureStorage* container, UINT face, UINT level, SurfaceKind kind,
            const D3DSURFACE_DESC& desc, bool lockable);
    bool OwnsGlObjects() const;
    GLenum ImageTarget() const;
    void WriteBack(const std::vector<BYTE>& bytes);

    SurfaceKind kind_;
    D3DSURFACE_DESC desc_;
    TextureStorage* container_;
    UINT face_;
    UINT level_;
    bool lockable_;
    std::vector<BYTE> memory_;
    // A lock of a GL-only surface hands out this copy; an unlock that may have written puts it back.
    std::vector<BYTE> lockCopy_;
    bool locked_ = false;
    bool lockWrites_ = false;
    PrivateDataStore privateData_;
    GLuint colorTexture_ = 0;
    GLuint depthRenderbuffer_ = 0;
    GLuint framebuffer_ = 0;
    GLuint attachedDepth_ = ~0u;
};

}  // namespace d3d8
