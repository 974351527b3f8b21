#include "vertex_buffer.h"

namespace d3d8 {

VertexBuffer::VertexBuffer(Device* device, UINT length, DWORD usage, DWORD fvf, D3DPOOL pool)
    : ResourceBase(device, pool, usage, IID_IDirect3DVertexBuffer8), storage_(length), fvf_(fvf)
{
}

VertexBuffer::~VertexBuffer()
{
    ReleaseGlBuffer(glBuffer_);
}

HRESULT VertexBuffer::Lock(UINT offset, UINT size, BYTE** data, DWORD flags)
{
    return storage_.Lock(offset, size, data, flags);
}

HRESULT VertexBuffer::Unlock()
{
    return storage_.Unlock();
}

HRESULT VertexBuffer::GetDesc(D3DVERTEXBUFFER_DESC* desc)
{
    if (!desc)
        return D3DERR_INVALIDCALL;
    *desc = {D3DFMT_VERTEXDATA, D3DRTYPE_VERTEXBUFFER, usage_, pool_, storage_.Length(), fvf_};
    return D3D_OK;
}

void VertexBuffer::DetachDevice()
{
    glBuffer_ = 0;
    TrackedResource::DetachDevice();
}

}  // namespace d3d8
