// ID3DXBuffer: a reference-counted block of bytes.
#include <atomic>
#include <cstring>
#include <new>
#include <vector>

#include "d3dx8mesh_object.h"

namespace {

class Buffer final : public ID3DXBuffer {
public:
    explicit Buffer(DWORD size) : bytes_(size) {}

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (riid == IID_ID3DXBuffer || riid == IID_IUnknown) {
            AddRef();
            *object = static_cast<ID3DXBuffer*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override
    {
        ULONG left = --refs_;
        if (left == 0)
            delete this;
        return left;
    }
    LPVOID GetBufferPointer() override { return bytes_.empty() ? nullptr : bytes_.data(); }
    DWORD GetBufferSize() override { return static_cast<DWORD>(bytes_.size()); }

private:
    std::atomic<ULONG> refs_{1};
    std::vector<BYTE> bytes_;
};

}  // namespace

HRESULT WINAPI D3DXCreateBuffer(DWORD numBytes, LPD3DXBUFFER* buffer)
{
    if (!buffer)
        return D3DERR_INVALIDCALL;
    try {
        *buffer = new Buffer(numBytes);
    } catch (const std::bad_alloc&) {
        *buffer = nullptr;
        return E_OUTOFMEMORY;
    }
    return D3D_OK;
}

namespace d3dx8mesh {

ID3DXBuffer* NewBufferWith(const void* data, DWORD size)
{
    ID3DXBuffer* buffer = nullptr;
    if (FAILED(D3DXCreateBuffer(size, &buffer)))
        return nullptr;
    if (size)
        std::memcpy(buffer->GetBufferPointer(), data, size);
    return buffer;
}

}  // namespace d3dx8mesh
