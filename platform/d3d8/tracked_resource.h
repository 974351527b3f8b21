// The part every device resource shares: its device, its pool, its entry in the device's list of
// live resources, and its reference counts. The list lets Reset see which default-pool resources the
// application still holds, and lets a device that goes first cut its resources loose.
//
// Counts follow Direct3D 8: the count AddRef and Release answer is the application's alone. While it
// is above zero the resource holds a reference on its device, so the device lives until its last
// resource goes. What the device binds (textures, streams, indices, render targets) it holds through
// internal references that keep the object alive without showing in that count.
#pragma once

#include <atomic>

#include "d3d8.h"
#include "gl_api.h"

namespace d3d8 {

class Device;

class TrackedResource {
public:
    // Who ends the object's life: the application's last reference (with no binding left), or the
    // device (its own back buffer and depth buffer, which start at a count of 0 and survive it).
    enum class Lifetime { Application, Device, Container };

    TrackedResource(Device* device, D3DPOOL pool, DWORD usage, Lifetime lifetime);
    virtual ~TrackedResource();
    TrackedResource(const TrackedResource&) = delete;
    TrackedResource& operator=(const TrackedResource&) = delete;

    Device* OwnerDevice() const { return device_; }
    D3DPOOL Pool() const { return pool_; }
    DWORD Usage() const { return usage_; }
    // Whether the application (not the device itself) still holds this resource.
    bool HeldByApplication() const { return publicRefs_ > 0; }
    ULONG PublicReferences() const { return publicRefs_; }
    // The device is being destroyed: its GL objects go with its context. The resource stays usable
    // as system memory until its last reference goes.
    virtual void DetachDevice();
    // The object whose counts stand for this one (a texture level's texture; otherwise itself).
    virtual TrackedResource& Counted() { return *this; }

    void AddInternalReference();
    void ReleaseInternalReference();
    // The device gives up a surface it owns: it goes now, or with the application's last reference.
    void EndDeviceOwnership();

    // Hand a GL object back to the device, which deletes it once its context is current.
    void ReleaseGlTexture(GLuint& name);
    void ReleaseGlBuffer(GLuint& name);
    void ReleaseGlFramebuffer(GLuint& name);
    void ReleaseGlRenderbuffer(GLuint& name);

protected:
    ULONG AddPublicReference();
    ULONG ReleasePublicReference();
    HRESULT GetDeviceInterface(IDirect3DDevice8** device) const;

    Device* device_;
    D3DPOOL pool_;
    DWORD usage_;

private:
    void DeleteIfUnreferenced();

    Lifetime lifetime_;
    std::atomic<ULONG> publicRefs_;
    std::atomic<ULONG> internalRefs_{0};
};

// Internal references on whatever resource of ours an interface pointer is; nothing for null.
void HoldInternally(IUnknown* object);
void DropInternally(IUnknown* object);

}  // namespace d3d8
