// The draw calls: checked against the scene, the FVF code and the bound streams and indices, counted,
// then handed to the renderer. A lost device accepts them and draws nothing.
#include "device.h"

#include "format_info.h"
#include "index_buffer.h"
#include "vertex_buffer.h"

namespace d3d8 {

namespace {

bool IsPrimitiveType(D3DPRIMITIVETYPE type)
{
    return type >= D3DPT_POINTLIST && type <= D3DPT_TRIANGLEFAN;
}

UINT VertexCapacity(const StreamBinding& stream)
{
    if (!stream.buffer || stream.stride == 0)
        return 0;
    return static_cast<VertexBuffer*>(stream.buffer.Get())->Storage().Length() / stream.stride;
}

}  // namespace

HRESULT Device::ValidateAndDraw(const DrawCall& call)
{
    if (!inScene_ || !IsPrimitiveType(call.type) || call.primitiveCount == 0 || state_.vertexShader == 0)
        return D3DERR_INVALIDCALL;
    ++drawCalls_;
    if (IsLost())
        return D3D_OK;
    if (MakeCurrent())
        renderer_.Draw(*this, call);
    return D3D_OK;
}

HRESULT Device::DrawPrimitive(D3DPRIMITIVETYPE type, UINT startVertex, UINT primitiveCount)
{
    DrawCall call;
    call.type = type;
    call.primitiveCount = primitiveCount;
    call.vertexCount = VerticesFor(type, primitiveCount);
    call.startVertex = startVertex;
    const UINT capacity = VertexCapacity(state_.streams[0]);
    if (capacity == 0 || startVertex > capacity || call.vertexCount > capacity - startVertex)
        return D3DERR_INVALIDCALL;
    return ValidateAndDraw(call);
}

HRESULT Device::DrawIndexedPrimitive(D3DPRIMITIVETYPE type, UINT minIndex, UINT numVertices, UINT startIndex,
                                     UINT primitiveCount)
{
    DrawCall call;
    call.type = type;
    call.primitiveCount = primitiveCount;
    call.indexed = true;
    call.indexCount = VerticesFor(type, primitiveCount);
    call.vertexCount = numVertices;
    call.minIndex = minIndex;
    call.startIndex = startIndex;
    if (!state_.indices || numVertices == 0)
        return D3DERR_INVALIDCALL;
    auto* indices = static_cast<IndexBuffer*>(state_.indices.Get());
    const UINT indexCapacity = indices->Storage().Length() / BytesPerPixel(indices->Format());
    if (startIndex > indexCapacity || call.indexCount > indexCapacity - startIndex)
        return D3DERR_INVALIDCALL;
    const UINT capacity = VertexCapacity(state_.streams[0]);
    const unsigned long long lastVertex =
        static_cast<unsigned long long>(state_.baseVertexIndex) + minIndex + numVertices;
    if (capacity == 0 || lastVertex > capacity)
        return D3DERR_INVALIDCALL;
    return ValidateAndDraw(call);
}

// The UP calls leave stream 0 (and the indices) unset afterwards, as Direct3D 8 does.
HRESULT Device::DrawPrimitiveUP(D3DPRIMITIVETYPE type, UINT primitiveCount, const void* vertexData,
                                UINT vertexStride)
{
    if (!vertexData || vertexStride == 0)
        return D3DERR_INVALIDCALL;
    DrawCall call;
    call.type = type;
    call.primitiveCount = primitiveCount;
    call.vertexCount = VerticesFor(type, primitiveCount);
    call.userVertices = vertexData;
    call.userStride = vertexStride;
    HRESULT result = ValidateAndDraw(call);
    if (result == D3D_OK)
        state_.streams[0] = StreamBinding{};
    return result;
}

HRESULT Device::DrawIndexedPrimitiveUP(D3DPRIMITIVETYPE type, UINT minVertexIndex, UINT numVertexIndices,
                                       UINT primitiveCount, const void* indexData, D3DFORMAT indexFormat,
                                       const void* vertexData, UINT vertexStride)
{
    if (!indexData || !vertexData || vertexStride == 0 || numVertexIndices == 0 ||
        (indexFormat != D3DFMT_INDEX16 && indexFormat != D3DFMT_INDEX32))
        return D3DERR_INVALIDCALL;
    DrawCall call;
    call.type = type;
    call.primitiveCount = primitiveCount;
    call.indexed = true;
    call.indexCount = VerticesFor(type, primitiveCount);
    call.vertexCount = numVertexIndices;
    call.minIndex = minVertexIndex;
    call.userVertices = vertexData;
    call.userStride = vertexStride;
    call.userIndices = indexData;
    call.userIndexFormat = indexFormat;
    HRESULT result = ValidateAndDraw(call);
    if (result == D3D_OK) {
        state_.streams[0] = StreamBinding{};
        state_.indices.Reset(nullptr);
        state_.baseVertexIndex = 0;
    }
    return result;
}

HRESULT Device::ProcessVertices(UINT, UINT, UINT, IDirect3DVertexBuffer8*, DWORD)
{
    return D3DERR_INVALIDCALL;
}

}  // namespace d3d8
