// Render states, texture-stage states, transforms, viewport, material, lights and clip planes. While
// a state block is being recorded the Set calls go into the block and the device is left as it was.
#include "device.h"

#include "surface.h"

namespace d3d8 {

namespace {

D3DMATRIX Multiply(const D3DMATRIX& a, const D3DMATRIX& b)
{
    D3DMATRIX r{};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            for (int k = 0; k < 4; ++k)
                r.m[row][col] += a.m[row][k] * b.m[k][col];
    return r;
}

}  // namespace

DeviceState& Device::WritableState()
{
    return recording_ ? recording_->values : state_;
}

StateMask* Device::RecordingMask()
{
    return recording_ ? &recording_->mask : nullptr;
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE state, DWORD value)
{
    if (!IsValidRenderState(state))
        return D3DERR_INVALIDCALL;
    WritableState().renderStates[state] = value;
    if (StateMask* mask = RecordingMask())
        mask->renderStates.set(state);
    return D3D_OK;
}

HRESULT Device::GetRenderState(D3DRENDERSTATETYPE state, DWORD* value)
{
    if (!value || !IsValidRenderState(state))
        return D3DERR_INVALIDCALL;
    *value = state_.renderStates[state];
    return D3D_OK;
}

HRESULT Device::SetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD value)
{
    if (stage >= kTextureStages || !IsValidStageState(type))
        return D3DERR_INVALIDCALL;
    WritableState().stageStates[stage][type] = value;
    if (StateMask* mask = RecordingMask())
        mask->stageStates[stage].set(type);
    return D3D_OK;
}

HRESULT Device::GetTextureStageState(DWORD stage, D3DTEXTURESTAGESTATETYPE type, DWORD* value)
{
    if (!value || stage >= kTextureStages || !IsValidStageState(type))
        return D3DERR_INVALIDCALL;
    *value = state_.stageStates[stage][type];
    return D3D_OK;
}

HRESULT Device::SetTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix)
{
    if (!matrix || !IsValidTransform(state))
        return D3DERR_INVALIDCALL;
    WritableState().transforms[state] = *matrix;
    if (StateMask* mask = RecordingMask())
        mask->transforms.set(state);
    return D3D_OK;
}

HRESULT Device::GetTransform(D3DTRANSFORMSTATETYPE state, D3DMATRIX* matrix)
{
    if (!matrix || !IsValidTransform(state))
        return D3DERR_INVALIDCALL;
    *matrix = state_.transforms[state];
    return D3D_OK;
}

// The given matrix times the current one: it applies first, as a child transform in a hierarchy.
HRESULT Device::MultiplyTransform(D3DTRANSFORMSTATETYPE state, const D3DMATRIX* matrix)
{
    if (!matrix || !IsValidTransform(state))
        return D3DERR_INVALIDCALL;
    const D3DMATRIX product = Multiply(*matrix, state_.transforms[state]);
    return SetTransform(state, &product);
}

HRESULT Device::SetViewport(const D3DVIEWPORT8* viewport)
{
    if (!viewport || !renderTarget_)
        return D3DERR_INVALIDCALL;
    const D3DSURFACE_DESC& target = renderTarget_->Desc();
    if (viewport->Width == 0 || viewport->Height == 0 || viewport->X > target.Width ||
        viewport->Y > target.Height || viewport->Width > target.Width - viewport->X ||
        viewport->Height > target.Height - viewport->Y)
        return D3DERR_INVALIDCALL;
    WritableState().viewport = *viewport;
    if (StateMask* mask = RecordingMask())
        mask->viewport = true;
    return D3D_OK;
}

HRESULT Device::GetViewport(D3DVIEWPORT8* viewport)
{
    if (!viewport)
        return D3DERR_INVALIDCALL;
    *viewport = state_.viewport;
    return D3D_OK;
}

HRESULT Device::SetMaterial(const D3DMATERIAL8* material)
{
    if (!material)
        return D3DERR_INVALIDCALL;
    WritableState().material = *material;
    if (StateMask* mask = RecordingMask())
        mask->material = true;
    return D3D_OK;
}

HRESULT Device::GetMaterial(D3DMATERIAL8* material)
{
    if (!material)
        return D3DERR_INVALIDCALL;
    *material = state_.material;
    return D3D_OK;
}

HRESULT Device::SetLight(DWORD index, const D3DLIGHT8* light)
{
    if (!light || light->Type < D3DLIGHT_POINT || light->Type > D3DLIGHT_DIRECTIONAL)
        return D3DERR_INVALIDCALL;
    DeviceState& target = WritableState();
    auto slot = target.lights.find(index);
    if (slot == target.lights.end()) {
        // Recording: the block's slot starts from what the device has, so the enable flag survives.
        auto existing = state_.lights.find(index);
        slot = target.lights.emplace(index, existing != state_.lights.end() ? existing->second : LightSlot{}).first;
    }
    slot->second.light = *light;
    if (StateMask* mask = RecordingMask())
        mask->lights.insert(index);
    return D3D_OK;
}

HRESULT Device::GetLight(DWORD index, D3DLIGHT8* light)
{
    auto slot = state_.lights.find(index);
    if (!light || slot == state_.lights.end())
        return D3DERR_INVALIDCALL;
    *light = slot->second.light;
    return D3D_OK;
}

HRESULT Device::LightEnable(DWORD index, BOOL enable)
{
    DeviceState& target = WritableState();
    auto slot = target.lights.find(index);
    if (slot == target.lights.end()) {
        auto existing = state_.lights.find(index);
        LightSlot fresh{DefaultLight(), false};
        slot = target.lights.emplace(index, existing != state_.lights.end() ? existing->second : fresh).first;
    }
    slot->second.enabled = enable != FALSE;
    if (StateMask* mask = RecordingMask())
        mask->lights.insert(index);
    return D3D_OK;
}

HRESULT Device::GetLightEnable(DWORD index, BOOL* enable)
{
    auto slot = state_.lights.find(index);
    if (!enable || slot == state_.lights.end())
        return D3DERR_INVALIDCALL;
    *enable = slot->second.enabled ? TRUE : FALSE;
    return D3D_OK;
}

HRESULT Device::SetClipPlane(DWORD index, const float* plane)
{
    if (!plane || index >= kClipPlaneCount)
        return D3DERR_INVALIDCALL;
    auto& target = WritableState().clipPlanes[index];
    for (int i = 0; i < 4; ++i)
        target[i] = plane[i];
    if (StateMask* mask = RecordingMask())
        mask->clipPlanes.set(index);
    return D3D_OK;
}

HRESULT Device::GetClipPlane(DWORD index, float* plane)
{
    if (!plane || index >= kClipPlaneCount)
        return D3DERR_INVALIDCALL;
    for (int i = 0; i < 4; ++i)
        plane[i] = state_.clipPlanes[index][i];
    return D3D_OK;
}

}  // namespace d3d8
