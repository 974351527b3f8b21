#include "index_buffer.h"

namespace d3d8 {

IndexBuffer::IndexBuffer(Device* device, UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool)
    : ResourceBase(device, pool, usage, IID_IDirect3DIndexBuffer8), storage_(length), format_(format)
{
}

IndexBuffer::~IndexBuffer()
{
    ReleaseGlBuffer(glBuffer_);
}

HRESULT IndexBuffer::Lock(UINT offset, UINT size, BYTE** data, DWORD flags)
{
    return storage_.Lock(offset, size, data, flags);
}

HRESULT IndexBuffer::Unlock()
{
    return storage_.Unlock();
}

HRESULT IndexBuffer::GetDesc(D3DINDEXBUFFER_DESC* desc)
{
    if (!desc)
        return D3DERR_INVALIDCALL;
    *desc = {format_, D3DRTYPE_INDEXBUFFER, usage_, pool_, storage_.Length()};
    return D3D_OK;
}

void IndexBuffer::DetachDevice()
{
    glBuffer_ = 0;
    TrackedResource::DetachDevice();
}

}  // namespace d3d8
