// Device loss and Reset. A full-screen device is lost as soon as its window loses the foreground and
// stays lost until a Reset succeeds; a windowed device is lost only when a test forces it.
#include "device.h"

#include "surface.h"
#include "win32_internal.h"

namespace d3d8 {

bool Device::UpdateLossFromFocus()
{
    if (!params_.Windowed) {
        if (!platform::IsForeground(window_)) {
            lost_ = true;
            if (forcedLoss_)
                sawForegroundLoss_ = true;
        } else if (forcedLoss_ && sawForegroundLoss_) {
            forcedLoss_ = false;
            sawForegroundLoss_ = false;
        }
    }
    return lost_;
}

void Device::ForceLoss()
{
    lost_ = true;
    forcedLoss_ = true;
    sawForegroundLoss_ = false;
}

void Device::EndForcedLoss()
{
    forcedLoss_ = false;
    sawForegroundLoss_ = false;
}

HRESULT Device::TestCooperativeLevel()
{
    if (!UpdateLossFromFocus())
        return D3D_OK;
    if (forcedLoss_ || (!params_.Windowed && !platform::IsForeground(window_)))
        return D3DERR_DEVICELOST;
    return D3DERR_DEVICENOTRESET;
}

void Device::ResetStateToDefaults()
{
    SetDefaultState(state_, params_, creation_.BehaviorFlags);
    targetChanged_ = true;
}

HRESULT Device::Reset(D3DPRESENT_PARAMETERS* params)
{
    if (!params)
        return D3DERR_INVALIDCALL;
    if (TestCooperativeLevel() == D3DERR_DEVICELOST)
        return D3DERR_DEVICELOST;
    // Bindings do not keep a resource alive for this rule: Reset drops them anyway.
    if (LiveDefaultPoolResources() > 0)
        return D3DERR_INVALIDCALL;
    D3DPRESENT_PARAMETERS wanted = *params;
    if (!wanted.Windowed && (wanted.BackBufferWidth == 0 || wanted.BackBufferHeight == 0))
        return D3DERR_INVALIDCALL;
    if (!MakeCurrent())
        return D3DERR_DEVICELOST;

    recording_.reset();
    state_ = DeviceState{};
    ReleaseImplicitSurfaces();
    backBuffer_.Destroy();
    CollectGlGarbage();

    params_ = wanted;
    FillPresentParameters(params_);
    ApplyPresentationMode();
    if (!CreateBackBuffer()) {
        lost_ = true;
        return D3DERR_OUTOFVIDEOMEMORY;
    }
    *params = params_;
    ResetStateToDefaults();
    inScene_ = false;
    lost_ = false;
    forcedLoss_ = false;
    sawForegroundLoss_ = false;
    return D3D_OK;
}

}  // namespace d3d8
