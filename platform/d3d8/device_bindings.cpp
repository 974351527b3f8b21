// What the device draws with and into: textures, streams, indices, the FVF code, render target and
// depth surface. The device holds an internal reference on everything bound: the object stays alive
// while bound, and the count the application sees is its own.
#include "device.h"

#include "format_info.h"
#include "index_buffer.h"
#include "surface.h"
#include "texture.h"
#include "vertex_buffer.h"

namespace d3d8 {

namespace {

// An object already bound in that place was checked when it was bound: binding it again skips the
// type check, which costs more than the rest of the call.
template <class Concrete, class Interface, class Bound>
bool IsOurs(Interface* object, const Bound& bound)
{
    return !object || bound.Get() == object || dynamic_cast<Concrete*>(object);
}

}  // namespace

HRESULT Device::SetTexture(DWORD stage, IDirect3DBaseTexture8* texture)
{
    if (stage >= kTextureStages ||
        (texture && WritableState().textures[stage].Get() != texture && !StorageOf(texture)))
        return D3DERR_INVALIDCALL;
    WritableState().textures[stage].Reset(texture);
    if (StateMask* mask = RecordingMask())
        mask->textures.set(stage);
    return D3D_OK;
}

HRESULT Device::GetTexture(DWORD stage, IDirect3DBaseTexture8** texture)
{
    if (!texture || stage >= kTextureStages)
        return D3DERR_INVALIDCALL;
    *texture = state_.textures[stage].AddRefAndGet();
    return D3D_OK;
}

HRESULT Device::SetStreamSource(UINT streamNumber, IDirect3DVertexBuffer8* streamData, UINT stride)
{
    if (streamNumber >= kStreamCount ||
        !IsOurs<VertexBuffer>(streamData, WritableState().streams[streamNumber].buffer))
        return D3DERR_INVALIDCALL;
    StreamBinding& binding = WritableState().streams[streamNumber];
    binding.buffer.Reset(streamData);
    // Unbinding keeps the stride: GetStreamSource answers the last one a buffer was set with.
    if (streamData)
        binding.stride = stride;
    if (StateMask* mask = RecordingMask())
        mask->streams.set(streamNumber);
    return D3D_OK;
}

HRESULT Device::GetStreamSource(UINT streamNumber, IDirect3DVertexBuffer8** streamData, UINT* stride)
{
    if (!streamData || !stride || streamNumber >= kStreamCount)
        return D3DERR_INVALIDCALL;
    *streamData = state_.streams[streamNumber].buffer.AddRefAndGet();
    *stride = state_.streams[streamNumber].stride;
    return D3D_OK;
}

HRESULT Device::SetIndices(IDirect3DIndexBuffer8* indexData, UINT baseVertexIndex)
{
    if (!IsOurs<IndexBuffer>(indexData, WritableState().indices))
        return D3DERR_INVALIDCALL;
    DeviceState& target = WritableState();
    target.indices.Reset(indexData);
    target.baseVertexIndex = baseVertexIndex;
    if (StateMask* mask = RecordingMask())
        mask->indices = true;
    return D3D_OK;
}

HRESULT Device::GetIndices(IDirect3DIndexBuffer8** indexData, UINT* baseVertexIndex)
{
    if (!indexData || !baseVertexIndex)
        return D3DERR_INVALIDCALL;
    *indexData = state_.indices.AddRefAndGet();
    *baseVertexIndex = state_.baseVertexIndex;
    return D3D_OK;
}

HRESULT Device::SetVertexShader(DWORD handle)
{
    WritableState().vertexShader = handle;
    if (StateMask* mask = RecordingMask())
        mask->vertexShader = true;
    return D3D_OK;
}

HRESULT Device::GetVertexShader(DWORD* handle)
{
    if (!handle)
        return D3DERR_INVALIDCALL;
    *handle = state_.vertexShader;
    return D3D_OK;
}

// Programmable shaders are not offered (the caps report version 0).
HRESULT Device::CreateVertexShader(const DWORD*, const DWORD*, DWORD*, DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::DeleteVertexShader(DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::SetVertexShaderConstant(DWORD, const void*, DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::GetVertexShaderConstant(DWORD, void*, DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::CreatePixelShader(const DWORD*, DWORD*)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::SetPixelShader(DWORD handle)
{
    return handle == 0 ? D3D_OK : D3DERR_INVALIDCALL;
}

HRESULT Device::GetPixelShader(DWORD* handle)
{
    if (!handle)
        return D3DERR_INVALIDCALL;
    *handle = 0;
    return D3D_OK;
}

HRESULT Device::DeletePixelShader(DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::SetPixelShaderConstant(DWORD, const void*, DWORD)
{
    return D3DERR_INVALIDCALL;
}

HRESULT Device::GetPixelShaderConstant(DWORD, void*, DWORD)
{
    return D3DERR_INVALIDCALL;
}

// A null render target keeps the current one; a null depth surface draws without depth. The viewport
// becomes the whole new target, as Direct3D does.
HRESULT Device::SetRenderTarget(IDirect3DSurface8* renderTarget, IDirect3DSurface8* newZStencil)
{
    auto* color = renderTarget ? dynamic_cast<Surface*>(renderTarget) : renderTarget_;
    auto* depth = newZStencil ? dynamic_cast<Surface*>(newZStencil) : nullptr;
    if (!color || (newZStencil && !depth))
        return D3DERR_INVALIDCALL;
    if (!(color->Desc().Usage & D3DUSAGE_RENDERTARGET) || !IsRenderTargetFormat(color->Desc().Format))
        return D3DERR_INVALIDCALL;
    if (depth && (!IsDepthFormat(depth->Desc().Format) || depth->Desc().Width < color->Desc().Width ||
                  depth->Desc().Height < color->Desc().Height))
        return D3DERR_INVALIDCALL;
    HoldInternally(color);
    HoldInternally(depth);
    DropInternally(renderTarget_);
    DropInternally(depthStencil_);
    renderTarget_ = color;
    depthStencil_ = depth;
    state_.viewport = {0, 0, color->Desc().Width, color->Desc().Height, 0.0f, 1.0f};
    targetChanged_ = true;
    return D3D_OK;
}

HRESULT Device::GetRenderTarget(IDirect3DSurface8** renderTarget)
{
    if (!renderTarget)
        return D3DERR_INVALIDCALL;
    *renderTarget = renderTarget_;
    if (renderTarget_)
        renderTarget_->AddRef();
    return renderTarget_ ? D3D_OK : D3DERR_NOTFOUND;
}

HRESULT Device::GetDepthStencilSurface(IDirect3DSurface8** zStencilSurface)
{
    if (!zStencilSurface)
        return D3DERR_INVALIDCALL;
    *zStencilSurface = depthStencil_;
    if (depthStencil_)
        depthStencil_->AddRef();
    return depthStencil_ ? D3D_OK : D3DERR_NOTFOUND;
}

HRESULT Device::GetBackBuffer(UINT backBuffer, D3DBACKBUFFER_TYPE type, IDirect3DSurface8** surface)
{
    if (!surface)
        return D3DERR_INVALIDCALL;
    *surface = nullptr;
    if (backBuffer != 0 || type != D3DBACKBUFFER_TYPE_MONO || !backBufferSurface_)
        return D3DERR_INVALIDCALL;
    backBufferSurface_->AddRef();
    *surface = backBufferSurface_;
    return D3D_OK;
}

}  // namespace d3d8
