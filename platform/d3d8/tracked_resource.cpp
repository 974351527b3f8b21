#include "tracked_resource.h"

#include "device.h"

namespace d3d8 {

TrackedResource::TrackedResource(Device* device, D3DPOOL pool, DWORD usage, bool tracked)
    : device_(device), pool_(pool), usage_(usage), tracked_(tracked)
{
    if (device_ && tracked_)
        device_->RegisterResource(this);
}

TrackedResource::~TrackedResource()
{
    if (device_ && tracked_)
        device_->UnregisterResource(this);
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

ULONG TrackedResource::DeviceHolds() const
{
    return device_ ? device_->InternalReferencesTo(this) : 0;
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

}  // namespace d3d8
