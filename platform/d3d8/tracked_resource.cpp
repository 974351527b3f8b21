#include "tracked_resource.h"

#include "device.h"

namespace d3d8 {

TrackedResource::TrackedResource(Device* device, D3DPOOL pool, DWORD usage, Lifetime lifetime)
    : device_(device), pool_(pool), usage_(usage), lifetime_(lifetime),
      publicRefs_(lifetime == Lifetime::Application ? 1 : 0)
{
    if (!device_ || lifetime_ == Lifetime::Container)
        return;
    device_->RegisterResource(this);
    if (lifetime_ == Lifetime::Application)
        device_->AddRef();
}

TrackedResource::~TrackedResource()
{
    if (device_ && lifetime_ != Lifetime::Container)
        device_->UnregisterResource(this);
}

ULONG TrackedResource::AddPublicReference()
{
    const ULONG count = ++publicRefs_;
    if (count == 1 && device_)
        device_->AddRef();
    return count;
}

// The device reference goes last: releasing it may destroy the device, which drops its bindings
// and with them possibly this object.
ULONG TrackedResource::ReleasePublicReference()
{
    ULONG current = publicRefs_.load();
    do {
        if (current == 0)
            return 0;  // an extra release neither wraps the count nor deletes a device-owned surface
    } while (!publicRefs_.compare_exchange_weak(current, current - 1));
    const ULONG left = current - 1;
    if (left > 0)
        return left;
    Device* device = device_;
    DeleteIfUnreferenced();
    if (device)
        device->Release();
    return 0;
}

void TrackedResource::AddInternalReference()
{
    ++internalRefs_;
}

void TrackedResource::ReleaseInternalReference()
{
    if (internalRefs_.load() == 0)
        return;
    if (--internalRefs_ == 0)
        DeleteIfUnreferenced();
}

void TrackedResource::EndDeviceOwnership()
{
    if (lifetime_ != Lifetime::Device)
        return;
    lifetime_ = Lifetime::Application;
    if (publicRefs_ > 0) {
        // The application's references no longer hold a device that is going away.
        if (device_)
            device_->UnregisterResource(this);
        DetachDevice();
        return;
    }
    DeleteIfUnreferenced();
}

void TrackedResource::DeleteIfUnreferenced()
{
    if (lifetime_ == Lifetime::Application && publicRefs_ == 0 && internalRefs_ == 0)
        delete this;
}

void TrackedResource::DetachDevice()
{
    device_ = nullptr;
}

void TrackedResource::ReleaseGlTexture(GLuint& name)
{
    if (device_ && name)
        device_->GlGarbage().textures.push_back(name);
    name = 0;
}

void TrackedResource::ReleaseGlBuffer(GLuint& name)
{
    if (device_ && name)
        device_->GlGarbage().buffers.push_back(name);
    name = 0;
}

void TrackedResource::ReleaseGlFramebuffer(GLuint& name)
{
    if (device_ && name)
        device_->GlGarbage().framebuffers.push_back(name);
    name = 0;
}

void TrackedResource::ReleaseGlRenderbuffer(GLuint& name)
{
    if (device_ && name)
        device_->GlGarbage().renderbuffers.push_back(name);
    name = 0;
}

HRESULT TrackedResource::GetDeviceInterface(IDirect3DDevice8** device) const
{
    if (!device)
        return D3DERR_INVALIDCALL;
    *device = device_;
    if (!device_)
        return D3DERR_INVALIDCALL;
    device_->AddRef();
    return D3D_OK;
}

void HoldInternally(IUnknown* object)
{
    if (auto* resource = dynamic_cast<TrackedResource*>(object))
        resource->Counted().AddInternalReference();
}

void DropInternally(IUnknown* object)
{
    if (auto* resource = dynamic_cast<TrackedResource*>(object))
        resource->Counted().ReleaseInternalReference();
}

}  // namespace d3d8
