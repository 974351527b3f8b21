// The IUnknown and IDirect3DResource8 methods that vertex buffers, index buffers and textures share.
#pragma once

#include "private_data.h"
#include "tracked_resource.h"

namespace d3d8 {

template <class Interface>
class ResourceBase : public Interface, public TrackedResource {
public:
    ResourceBase(Device* device, D3DPOOL pool, DWORD usage, const IID& iid)
        : TrackedResource(device, pool, usage, Lifetime::Application), iid_(iid)
    {
    }

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (riid == iid_ || riid == IID_IDirect3DResource8 || riid == IID_IUnknown ||
            (riid == IID_IDirect3DBaseTexture8 &&
             (iid_ == IID_IDirect3DTexture8 || iid_ == IID_IDirect3DCubeTexture8))) {
            AddRef();
            *object = static_cast<Interface*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return AddPublicReference(); }
    ULONG Release() override { return ReleasePublicReference(); }

    HRESULT GetDevice(IDirect3DDevice8** device) override { return GetDeviceInterface(device); }
    HRESULT SetPrivateData(REFGUID guid, const void* data, DWORD size, DWORD flags) override
    {
        return privateData_.Set(guid, data, size, flags);
    }
    HRESULT GetPrivateData(REFGUID guid, void* data, DWORD* size) override
    {
        return privateData_.Get(guid, data, size);
    }
    HRESULT FreePrivateData(REFGUID guid) override { return privateData_.Free(guid); }
    DWORD SetPriority(DWORD priority) override
    {
        DWORD old = priority_;
        priority_ = priority;
        return old;
    }
    DWORD GetPriority() override { return priority_; }
    void PreLoad() override {}

private:
    const IID iid_;
    PrivateDataStore privateData_;
    DWORD priority_ = 0;
};

}  // namespace d3d8
