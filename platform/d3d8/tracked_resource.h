// The part every device resource shares: its device, its pool and its entry in the device's list of
// live resources. The list lets Reset see which default-pool resources the application still holds,
// and lets a device that goes first cut its resources loose.
#pragma once

#include "d3d8.h"
#include "gl_api.h"

namespace d3d8 {

class Device;

class TrackedResource {
public:
    TrackedResource(Device* device, D3DPOOL pool, DWORD usage, bool tracked);
    virtual ~TrackedResource();
    TrackedResource(const TrackedResource&) = delete;
    TrackedResource& operator=(const TrackedResource&) = delete;

    Device* OwnerDevice() const { return device_; }
    D3DPOOL Pool() const { return pool_; }
    DWORD Usage() const { return usage_; }
    // Whether the application (not the device itself) still holds this resource.
    virtual bool HeldByApplication() const = 0;
    // The device is being destroyed: its GL objects go with its context. The resource stays usable
    // as system memory until its last reference goes.
    virtual void DetachDevice();

protected:
    // Hands a GL object back to the device, which deletes it once its context is current.
    void ReleaseGlTexture(GLuint& name);
    void ReleaseGlBuffer(GLuint& name);
    void ReleaseGlFramebuffer(GLuint& name);
    void ReleaseGlRenderbuffer(GLuint& name);
    HRESULT GetDeviceInterface(IDirect3DDevice8** device) const;
    // References the device holds on this resource (bindings, state blocks, its own surfaces).
    ULONG DeviceHolds() const;

    Device* device_;
    D3DPOOL pool_;
    DWORD usage_;

private:
    bool tracked_;
};

}  // namespace d3d8
