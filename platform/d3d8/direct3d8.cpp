#include "direct3d8.h"

#include <cstdio>

#include "device.h"
#include "device_caps.h"
#include "display_modes.h"
#include "format_info.h"
#include "win32_internal.h"

namespace d3d8 {

namespace {

bool IsDeviceType(D3DDEVTYPE type)
{
    return type == D3DDEVTYPE_HAL || type == D3DDEVTYPE_REF;
}

bool IsDisplayFormat(D3DFORMAT format)
{
    return format == D3DFMT_X8R8G8B8 || format == D3DFMT_R5G6B5;
}

}  // namespace

Direct3D8::Direct3D8()
{
    platform::EnsureVideo();
}

HRESULT Direct3D8::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IDirect3D8 || riid == IID_IUnknown) {
        AddRef();
        *object = static_cast<IDirect3D8*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Direct3D8::AddRef()
{
    return ++refs_;
}

ULONG Direct3D8::Release()
{
    ULONG left = --refs_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT Direct3D8::RegisterSoftwareDevice(void*)
{
    return D3DERR_INVALIDCALL;
}

UINT Direct3D8::GetAdapterCount()
{
    return 1;
}

HRESULT Direct3D8::GetAdapterIdentifier(UINT adapter, DWORD, D3DADAPTER_IDENTIFIER8* identifier)
{
    if (adapter != D3DADAPTER_DEFAULT || !identifier)
        return D3DERR_INVALIDCALL;
    *identifier = D3DADAPTER_IDENTIFIER8{};
    std::snprintf(identifier->Driver, sizeof identifier->Driver, "opengl");
    std::snprintf(identifier->Description, sizeof identifier->Description, "OpenGL 3.3 core device");
    return D3D_OK;
}

const std::vector<D3DDISPLAYMODE>& Direct3D8::Modes()
{
    if (!modesListed_) {
        modes_ = ListDisplayModes(AdapterModeSizes());
        modesListed_ = true;
    }
    return modes_;
}

UINT Direct3D8::GetAdapterModeCount(UINT adapter)
{
    return adapter == D3DADAPTER_DEFAULT ? static_cast<UINT>(Modes().size()) : 0;
}

HRESULT Direct3D8::EnumAdapterModes(UINT adapter, UINT mode, D3DDISPLAYMODE* displayMode)
{
    if (adapter != D3DADAPTER_DEFAULT || !displayMode || mode >= Modes().size())
        return D3DERR_INVALIDCALL;
    *displayMode = Modes()[mode];
    return D3D_OK;
}

HRESULT Direct3D8::GetAdapterDisplayMode(UINT adapter, D3DDISPLAYMODE* displayMode)
{
    if (adapter != D3DADAPTER_DEFAULT || !displayMode)
        return D3DERR_INVALIDCALL;
    return DesktopDisplayMode(displayMode) ? D3D_OK : D3DERR_NOTAVAILABLE;
}

HRESULT Direct3D8::CheckDeviceType(UINT adapter, D3DDEVTYPE checkType, D3DFORMAT displayFormat,
                                   D3DFORMAT backBufferFormat, BOOL)
{
    if (adapter != D3DADAPTER_DEFAULT || !IsDeviceType(checkType))
        return D3DERR_INVALIDCALL;
    if (!IsDisplayFormat(displayFormat) || !IsRenderTargetFormat(backBufferFormat))
        return D3DERR_NOTAVAILABLE;
    return D3D_OK;
}

HRESULT Direct3D8::CheckDeviceFormat(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT, DWORD usage,
                                     D3DRESOURCETYPE resourceType, D3DFORMAT checkFormat)
{
    if (adapter != D3DADAPTER_DEFAULT || !IsDeviceType(deviceType))
        return D3DERR_INVALIDCALL;
    if (usage & D3DUSAGE_DEPTHSTENCIL)
        return IsDepthFormat(checkFormat) ? D3D_OK : D3DERR_NOTAVAILABLE;
    if (usage & D3DUSAGE_RENDERTARGET)
        return IsRenderTargetFormat(checkFormat) ? D3D_OK : D3DERR_NOTAVAILABLE;
    if (resourceType == D3DRTYPE_TEXTURE || resourceType == D3DRTYPE_SURFACE || resourceType == D3DRTYPE_CUBETEXTURE)
        return IsColorFormat(checkFormat) ? D3D_OK : D3DERR_NOTAVAILABLE;
    return D3DERR_NOTAVAILABLE;
}

HRESULT Direct3D8::CheckDeviceMultiSampleType(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT, BOOL,
                                              D3DMULTISAMPLE_TYPE multiSampleType)
{
    if (adapter != D3DADAPTER_DEFAULT || !IsDeviceType(deviceType))
        return D3DERR_INVALIDCALL;
    return multiSampleType == D3DMULTISAMPLE_NONE ? D3D_OK : D3DERR_NOTAVAILABLE;
}

HRESULT Direct3D8::CheckDepthStencilMatch(UINT adapter, D3DDEVTYPE deviceType, D3DFORMAT,
                                          D3DFORMAT renderTargetFormat, D3DFORMAT depthStencilFormat)
{
    if (adapter != D3DADAPTER_DEFAULT || !IsDeviceType(deviceType))
        return D3DERR_INVALIDCALL;
    return IsRenderTargetFormat(renderTargetFormat) && IsDepthFormat(depthStencilFormat) ? D3D_OK
                                                                                          : D3DERR_NOTAVAILABLE;
}

HRESULT Direct3D8::GetDeviceCaps(UINT adapter, D3DDEVTYPE deviceType, D3DCAPS8* caps)
{
    if (adapter != D3DADAPTER_DEFAULT || !IsDeviceType(deviceType) || !caps)
        return D3DERR_INVALIDCALL;
    FillDeviceCaps(deviceType, caps);
    return D3D_OK;
}

HMONITOR Direct3D8::GetAdapterMonitor(UINT)
{
    return nullptr;
}

HRESULT Direct3D8::CreateDevice(UINT adapter, D3DDEVTYPE deviceType, HWND focusWindow, DWORD behaviorFlags,
                                D3DPRESENT_PARAMETERS* params, IDirect3DDevice8** device)
{
    if (!device)
        return D3DERR_INVALIDCALL;
    *device = nullptr;
    if (adapter != D3DADAPTER_DEFAULT || !IsDeviceType(deviceType) || !params)
        return D3DERR_INVALIDCALL;
    HRESULT result = D3D_OK;
    *device = Device::Create(this, adapter, deviceType, focusWindow, behaviorFlags, params, &result);
    return result;
}

}  // namespace d3d8

IDirect3D8* WINAPI Direct3DCreate8(UINT sdkVersion)
{
    if (sdkVersion != D3D_SDK_VERSION)
        return nullptr;
    return new d3d8::Direct3D8();
}
