// An index buffer of 16- or 32-bit indices, kept like a vertex buffer.
#pragma once

#include "buffer_storage.h"
#include "resource_base.h"

namespace d3d8 {

class IndexBuffer final : public ResourceBase<IDirect3DIndexBuffer8> {
public:
    IndexBuffer(Device* device, UINT length, DWORD usage, D3DFORMAT format, D3DPOOL pool);
    ~IndexBuffer() override;

    D3DRESOURCETYPE GetType() override { return D3DRTYPE_INDEXBUFFER; }
    HRESULT Lock(UINT offset, UINT size, BYTE** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DINDEXBUFFER_DESC* desc) override;
    void DetachDevice() override;

    D3DFORMAT Format() const { return format_; }
    const BufferStorage& Storage() const { return storage_; }
    GLuint UploadedGlBuffer() { return storage_.Upload(glBuffer_); }

private:
    BufferStorage storage_;
    D3DFORMAT format_;
    GLuint glBuffer_ = 0;
};

}  // namespace d3d8
