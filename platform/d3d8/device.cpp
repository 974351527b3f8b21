#include "device.h"

#include <SDL.h>

#include "device_caps.h"
#include "display_modes.h"
#include "format_info.h"
#include "gl_context.h"
#include "surface.h"
#include "texture.h"
#include "win32_internal.h"

namespace d3d8 {

namespace {

HRESULT CheckPresentParameters(const D3DPRESENT_PARAMETERS& params)
{
    if (!params.Windowed && (params.BackBufferWidth == 0 || params.BackBufferHeight == 0))
        return D3DERR_INVALIDCALL;
    if (params.BackBufferFormat != D3DFMT_UNKNOWN && !IsRenderTargetFormat(params.BackBufferFormat))
        return D3DERR_INVALIDCALL;
    if (!params.Windowed && params.BackBufferFormat == D3DFMT_UNKNOWN)
        return D3DERR_INVALIDCALL;
    if (params.EnableAutoDepthStencil && !IsDepthFormat(params.AutoDepthStencilFormat))
        return D3DERR_INVALIDCALL;
    return D3D_OK;
}

}  // namespace

Device* AsDevice(IDirect3DDevice8* device)
{
    return dynamic_cast<Device*>(device);
}

Device::Device(IDirect3D8* d3d, UINT adapter, D3DDEVTYPE type, HWND window, DWORD flags)
    : d3d_(d3d), creation_{adapter, type, window, flags}, window_(window)
{
    d3d_->AddRef();
    // The device draws into the window's SDL window until it goes, even if the window is destroyed.
    platform::RetainSdlWindow(window);
    sdlWindow_ = platform::SdlWindowOf(window);
    if (!DesktopDisplayMode(&desktopMode_))
        desktopMode_ = {640, 480, 60, D3DFMT_X8R8G8B8};
}

Device* Device::Create(IDirect3D8* d3d, UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD flags,
                       D3DPRESENT_PARAMETERS* params, HRESULT* result)
{
    HWND window = params->hDeviceWindow ? params->hDeviceWindow : focusWindow;
    *result = CheckPresentParameters(*params);
    if (*result != D3D_OK)
        return nullptr;
    if (!window || !platform::SdlWindowOf(window)) {
        *result = D3DERR_INVALIDCALL;
        return nullptr;
    }
    Device* device = new Device(d3d, adapter, type, window, flags);
    if (!device->InitGl(type == D3DDEVTYPE_REF)) {
        delete device;
        *result = D3DERR_NOTAVAILABLE;
        return nullptr;
    }
    device->params_ = *params;
    device->FillPresentParameters(device->params_);
    device->ApplyPresentationMode();
    if (!device->CreateBackBuffer()) {
        delete device;
        *result = D3DERR_OUTOFVIDEOMEMORY;
        return nullptr;
    }
    // The stored parameters say what was made: the windowed size and format are filled in.
    *params = device->params_;
    device->ResetStateToDefaults();
    *result = D3D_OK;
    return device;
}

bool Device::InitGl(bool software)
{
    context_ = CreateCoreContext(sdlWindow_, software);
    if (!context_ && software)
        context_ = CreateCoreContext(sdlWindow_, false);
    return context_ != nullptr;
}

void Device::FillPresentParameters(D3DPRESENT_PARAMETERS& params) const
{
    if (params.Windowed) {
        RECT client{};
        int width = 0, height = 0;
        if (GetClientRect(window_, &client)) {
            width = client.right - client.left;
            height = client.bottom - client.top;
        }
        if (width <= 0 || height <= 0)
            SDL_GL_GetDrawableSize(sdlWindow_, &width, &height);
        if (params.BackBufferWidth == 0)
            params.BackBufferWidth = width > 0 ? static_cast<UINT>(width) : 1;
        if (params.BackBufferHeight == 0)
            params.BackBufferHeight = height > 0 ? static_cast<UINT>(height) : 1;
        if (params.BackBufferFormat == D3DFMT_UNKNOWN)
            params.BackBufferFormat = desktopMode_.Format;
    }
    if (params.BackBufferCount == 0)
        params.BackBufferCount = 1;
    params.hDeviceWindow = params.hDeviceWindow ? params.hDeviceWindow : nullptr;
}

void Device::ApplyPresentationMode()
{
    const bool fullscreen = !params_.Windowed;
    if (fullscreen != fullscreenApplied_) {
        platform::SetWindowFullscreen(window_, fullscreen);
        fullscreenApplied_ = fullscreen;
    }
    // Windowed presents never wait; full screen waits for the retrace unless told otherwise.
    swapInterval_ = 0;
    if (fullscreen && params_.FullScreen_PresentationInterval != D3DPRESENT_INTERVAL_IMMEDIATE)
        swapInterval_ = 1;
    MakeCurrent();
    SDL_GL_SetSwapInterval(static_cast<int>(swapInterval_));
}

bool Device::CreateBackBuffer()
{
    if (!MakeCurrent())
        return false;
    // Creating the buffers clears them with a viewport of their own.
    renderer_.ForgetWriteMasksAndViewport();
    if (!backBuffer_.Create(params_.BackBufferWidth, params_.BackBufferHeight, params_.BackBufferFormat,
                            params_.EnableAutoDepthStencil, params_.AutoDepthStencilFormat))
        return false;
    D3DSURFACE_DESC desc{};
    desc.Format = params_.BackBufferFormat;
    desc.Type = D3DRTYPE_SURFACE;
    desc.Usage = D3DUSAGE_RENDERTARGET;
    desc.Pool = D3DPOOL_DEFAULT;
    desc.Width = params_.BackBufferWidth;
    desc.Height = params_.BackBufferHeight;
    desc.Size = desc.Width * desc.Height * BytesPerPixel(desc.Format);
    const bool lockable = (params_.Flags & D3DPRESENTFLAG_LOCKABLE_BACKBUFFER) != 0;
    backBufferSurface_ = new Surface(this, SurfaceKind::BackBuffer, desc, lockable);
    backBufferSurface_->UseExternalGlObjects(backBuffer_.ColorTexture(), 0, backBuffer_.Framebuffer());
    renderTarget_ = backBufferSurface_;
    HoldInternally(renderTarget_);
    if (params_.EnableAutoDepthStencil) {
        desc.Format = params_.AutoDepthStencilFormat;
        desc.Usage = D3DUSAGE_DEPTHSTENCIL;
        desc.Size = desc.Width * desc.Height * BytesPerPixel(desc.Format);
        autoDepthSurface_ = new Surface(this, SurfaceKind::AutoDepth, desc);
        autoDepthSurface_->UseExternalGlObjects(0, backBuffer_.DepthRenderbuffer(), 0);
        depthStencil_ = autoDepthSurface_;
        HoldInternally(depthStencil_);
    }
    targetChanged_ = true;
    return true;
}

void Device::ReleaseImplicitSurfaces()
{
    for (Surface** bound : {&renderTarget_, &depthStencil_}) {
        DropInternally(*bound);
        *bound = nullptr;
    }
    // A surface the application still holds outlives the back buffer it stood for.
    for (Surface** own : {&backBufferSurface_, &autoDepthSurface_}) {
        if (*own)
            (*own)->EndDeviceOwnership();
        *own = nullptr;
    }
}

Device::~Device()
{
    const bool current = context_ && MakeCurrent();
    recording_.reset();
    stateBlocks_.clear();
    state_ = DeviceState{};
    ReleaseImplicitSurfaces();
    for (TrackedResource* resource : std::set<TrackedResource*>(resources_))
        resource->DetachDevice();
    resources_.clear();
    if (current) {
        CollectGlGarbage();
        backBuffer_.Destroy();
    }
    if (fullscreenApplied_)
        platform::SetWindowFullscreen(window_, false);
    DestroyContext(context_);
    platform::ReleaseSdlWindow(window_);
    d3d_->Release();
}

bool Device::MakeCurrent()
{
    return MakeContextCurrent(sdlWindow_, context_);
}

void Device::CollectGlGarbage()
{
    if (!garbage_.textures.empty())
        glDeleteTextures(static_cast<GLsizei>(garbage_.textures.size()), garbage_.textures.data());
    if (!garbage_.buffers.empty())
        glDeleteBuffers(static_cast<GLsizei>(garbage_.buffers.size()), garbage_.buffers.data());
    if (!garbage_.framebuffers.empty())
        glDeleteFramebuffers(static_cast<GLsizei>(garbage_.framebuffers.size()), garbage_.framebuffers.data());
    if (!garbage_.renderbuffers.empty())
        glDeleteRenderbuffers(static_cast<GLsizei>(garbage_.renderbuffers.size()), garbage_.renderbuffers.data());
    garbage_ = GlGarbageList{};
}

HRESULT Device::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IDirect3DDevice8 || riid == IID_IUnknown) {
        AddRef();
        *object = static_cast<IDirect3DDevice8*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Device::AddRef()
{
    return ++refs_;
}

ULONG Device::Release()
{
    ULONG left = --refs_;
    if (left == 0)
        delete this;
    return left;
}

void Device::RegisterResource(TrackedResource* resource)
{
    resources_.insert(resource);
}

void Device::UnregisterResource(TrackedResource* resource)
{
    resources_.erase(resource);
}

int Device::LiveDefaultPoolResources() const
{
    int live = 0;
    for (const TrackedResource* resource : resources_)
        if (resource->Pool() == D3DPOOL_DEFAULT && resource->HeldByApplication())
            ++live;
    return live;
}

UINT Device::GetAvailableTextureMem()
{
    return 256u * 1024u * 1024u;
}

HRESULT Device::ResourceManagerDiscardBytes(DWORD)
{
    return D3D_OK;
}

HRESULT Device::GetDirect3D(IDirect3D8** d3d8)
{
    if (!d3d8)
        return D3DERR_INVALIDCALL;
    d3d_->AddRef();
    *d3d8 = d3d_;
    return D3D_OK;
}

HRESULT Device::GetDeviceCaps(D3DCAPS8* caps)
{
    if (!caps)
        return D3DERR_INVALIDCALL;
    FillDeviceCaps(creation_.DeviceType, caps);
    return D3D_OK;
}

HRESULT Device::GetDisplayMode(D3DDISPLAYMODE* mode)
{
    if (!mode)
        return D3DERR_INVALIDCALL;
    if (params_.Windowed) {
        *mode = desktopMode_;
    } else {
        *mode = {params_.BackBufferWidth, params_.BackBufferHeight, desktopMode_.RefreshRate,
                 params_.BackBufferFormat};
        if (params_.FullScreen_RefreshRateInHz)
            mode->RefreshRate = params_.FullScreen_RefreshRateInHz;
    }
    return D3D_OK;
}

HRESULT Device::GetCreationParameters(D3DDEVICE_CREATION_PARAMETERS* parameters)
{
    if (!parameters)
        return D3DERR_INVALIDCALL;
    *parameters = creation_;
    return D3D_OK;
}

HRESULT Device::SetCursorProperties(UINT, UINT, IDirect3DSurface8* cursorBitmap)
{
    return cursorBitmap ? D3D_OK : D3DERR_INVALIDCALL;
}

void Device::SetCursorPosition(int, int, DWORD) {}

BOOL Device::ShowCursor(BOOL)
{
    return FALSE;
}

HRESULT Device::GetRasterStatus(D3DRASTER_STATUS*)
{
    return D3DERR_INVALIDCALL;
}

void Device::SetGammaRamp(DWORD, const D3DGAMMARAMP*) {}

void Device::GetGammaRamp(D3DGAMMARAMP* ramp)
{
    if (!ramp)
        return;
    for (int i = 0; i < 256; ++i)
        ramp->red[i] = ramp->green[i] = ramp->blue[i] = static_cast<WORD>(i * 257);
}

HRESULT Device::ValidateDevice(DWORD* numPasses)
{
    if (numPasses)
        *numPasses = 1;
    return D3D_OK;
}

HRESULT Device::GetInfo(DWORD, void*, DWORD)
{
    return S_FALSE;
}

HRESULT Device::SetPaletteEntries(UINT, const PALETTEENTRY*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::GetPaletteEntries(UINT, PALETTEENTRY*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::SetCurrentTexturePalette(UINT)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::GetCurrentTexturePalette(UINT*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::SetClipStatus(const D3DCLIPSTATUS8*)
{
    return D3D_OK;
}

HRESULT Device::GetClipStatus(D3DCLIPSTATUS8* clipStatus)
{
    if (!clipStatus)
        return D3DERR_INVALIDCALL;
    *clipStatus = D3DCLIPSTATUS8{};
    return D3D_OK;
}

}  // namespace d3d8
