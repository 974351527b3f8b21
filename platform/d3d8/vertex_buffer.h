// A vertex buffer: system memory handed out by Lock, uploaded to GL when a draw uses it after a change.
#pragma once

#include "buffer_storage.h"
#include "resource_base.h"

namespace d3d8 {

class VertexBuffer final : public ResourceBase<IDirect3DVertexBuffer8> {
public:
    VertexBuffer(Device* device, UINT length, DWORD usage, DWORD fvf, D3DPOOL pool);
    ~VertexBuffer() override;

    D3DRESOURCETYPE GetType() override { return D3DRTYPE_VERTEXBUFFER; }
    HRESULT Lock(UINT offset, UINT size, BYTE** data, DWORD flags) override;
    HRESULT Unlock() override;
    HRESULT GetDesc(D3DVERTEXBUFFER_DESC* desc) override;
    void DetachDevice() override;

    const BufferStorage& Storage() const { return storage_; }
    // The GL buffer with the current contents; call with the device's context current.
    GLuint UploadedGlBuffer() { return storage_.Upload(glBuffer_); }

private:
    BufferStorage storage_;
    DWORD fvf_;
    GLuint glBuffer_ = 0;
};

}  // namespace d3d8
