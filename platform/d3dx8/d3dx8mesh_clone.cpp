// Vertex layouts of flexible vertex formats, and copying a mesh into another format: each element the
// two formats share is copied, every other element of the new format is zero.
#include <algorithm>
#include <cstring>

#include "d3dx8mesh_object.h"

namespace d3dx8mesh {
namespace {

UINT PositionBytes(DWORD fvf)
{
    switch (fvf & D3DFVF_POSITION_MASK) {
    case D3DFVF_XYZ: return 12;
    case D3DFVF_XYZRHW: return 16;
    case D3DFVF_XYZB1: return 16;
    case D3DFVF_XYZB2: return 20;
    case D3DFVF_XYZB3: return 24;
    case D3DFVF_XYZB4: return 28;
    case D3DFVF_XYZB5: return 32;
    default: return 0;
    }
}

// Floats in texture coordinate set i, from its two format bits.
UINT TexDimensions(DWORD fvf, UINT set)
{
    switch ((fvf >> (16 + set * 2)) & 3) {
    case D3DFVF_TEXTUREFORMAT1: return 1;
    case D3DFVF_TEXTUREFORMAT3: return 3;
    case D3DFVF_TEXTUREFORMAT4: return 4;
    default: return 2;
    }
}

void CopyElement(BYTE* to, int toOffset, const BYTE* from, int fromOffset, UINT bytes)
{
    if (toOffset >= 0 && fromOffset >= 0)
        std::memcpy(to + toOffset, from + fromOffset, bytes);
}

void CopyVertex(BYTE* to, const FvfLayout& toLayout, const BYTE* from, const FvfLayout& fromLayout)
{
    std::memset(to, 0, toLayout.stride);
    // Positions: the whole block when both formats agree, else x, y, z only.
    const UINT positionBytes =
        toLayout.positionBytes == fromLayout.positionBytes ? toLayout.positionBytes : 12;
    CopyElement(to, 0, from, 0, positionBytes);
    CopyElement(to, toLayout.normal, from, fromLayout.normal, 12);
    CopyElement(to, toLayout.pointSize, from, fromLayout.pointSize, 4);
    CopyElement(to, toLayout.diffuse, from, fromLayout.diffuse, 4);
    CopyElement(to, toLayout.specular, from, fromLayout.specular, 4);
    const UINT sets = std::min(toLayout.texCount, fromLayout.texCount);
    for (UINT set = 0; set < sets; ++set) {
        const UINT floats = std::min(toLayout.texDimensions[set], fromLayout.texDimensions[set]);
        CopyElement(to, toLayout.texOffset[set], from, fromLayout.texOffset[set], floats * 4);
    }
}

void CopyIndices(BYTE* to, bool toWide, const BYTE* from, bool fromWide, DWORD count)
{
    for (DWORD i = 0; i < count; ++i) {
        uint32_t index = 0;
        if (fromWide)
            std::memcpy(&index, from + i * 4, 4);
        else
            index = reinterpret_cast<const uint16_t*>(from)[i];
        if (toWide)
            std::memcpy(to + i * 4, &index, 4);
        else
            reinterpret_cast<uint16_t*>(to)[i] = static_cast<uint16_t>(index);
    }
}

}  // namespace

FvfLayout FvfLayout::Of(DWORD fvf)
{
    FvfLayout layout;
    layout.positionBytes = PositionBytes(fvf);
    UINT offset = layout.positionBytes;
    auto take = [&offset](bool present, UINT bytes) {
        if (!present)
            return -1;
        const int at = static_cast<int>(offset);
        offset += bytes;
        return at;
    };
    layout.normal = take(fvf & D3DFVF_NORMAL, 12);
    layout.pointSize = take(fvf & D3DFVF_PSIZE, 4);
    layout.diffuse = take(fvf & D3DFVF_DIFFUSE, 4);
    layout.specular = take(fvf & D3DFVF_SPECULAR, 4);
    layout.texCount = std::min<UINT>((fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT, 8);
    for (UINT set = 0; set < layout.texCount; ++set) {
        layout.texDimensions[set] = TexDimensions(fvf, set);
        layout.texOffset[set] = take(true, layout.texDimensions[set] * 4);
    }
    layout.stride = offset;
    return layout;
}

bool IsUsableFvf(DWORD fvf)
{
    return PositionBytes(fvf) != 0 && ((fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT) <= 8;
}

HRESULT Mesh::CloneMeshFVF(DWORD options, DWORD fvf, LPDIRECT3DDEVICE8 device, LPD3DXMESH* cloneMesh)
{
    if (!cloneMesh)
        return D3DERR_INVALIDCALL;
    *cloneMesh = nullptr;
    Mesh* clone = nullptr;
    HRESULT hr = Create(device, numFaces_, numVertices_, options, fvf, &clone);
    if (FAILED(hr))
        return hr;
    const FvfLayout fromLayout = FvfLayout::Of(fvf_);
    const FvfLayout toLayout = FvfLayout::Of(fvf);
    BYTE* from = nullptr;
    BYTE* to = nullptr;
    if (SUCCEEDED(hr = LockVertexBuffer(D3DLOCK_READONLY, &from))) {
        if (SUCCEEDED(hr = clone->LockVertexBuffer(0, &to))) {
            for (DWORD v = 0; v < numVertices_; ++v)
                CopyVertex(to + v * toLayout.stride, toLayout, from + v * fromLayout.stride, fromLayout);
            clone->UnlockVertexBuffer();
        }
        UnlockVertexBuffer();
    }
    if (SUCCEEDED(hr) && SUCCEEDED(hr = LockIndexBuffer(D3DLOCK_READONLY, &from))) {
        if (SUCCEEDED(hr = clone->LockIndexBuffer(0, &to))) {
            CopyIndices(to, clone->Uses32BitIndices(), from, Uses32BitIndices(), numFaces_ * 3);
            clone->UnlockIndexBuffer();
        }
        UnlockIndexBuffer();
    }
    if (FAILED(hr)) {
        clone->Release();
        return hr;
    }
    clone->attributes_ = attributes_;
    clone->attributeTable_ = attributeTable_;
    *cloneMesh = clone;
    return D3D_OK;
}

}  // namespace d3dx8mesh

UINT WINAPI D3DXGetFVFVertexSize(DWORD fvf)
{
    return d3dx8mesh::FvfLayout::Of(fvf).stride;
}
