// ID3DXMesh: face and vertex counts, an attribute per face and the device buffers that hold the vertices
// and the triangle-list indices.
#include "d3dx8mesh_object.h"

#include <new>

namespace d3dx8mesh {
namespace {

D3DPOOL PoolFor(DWORD options, DWORD systemMemBit, DWORD managedBit)
{
    if (options & systemMemBit)
        return D3DPOOL_SYSTEMMEM;
    if (options & managedBit)
        return D3DPOOL_MANAGED;
    return D3DPOOL_DEFAULT;
}

DWORD UsageFor(DWORD options, DWORD writeOnlyBit, DWORD dynamicBit, DWORD softwareBit)
{
    DWORD usage = 0;
    if (options & writeOnlyBit)
        usage |= D3DUSAGE_WRITEONLY;
    if (options & dynamicBit)
        usage |= D3DUSAGE_DYNAMIC;
    if (options & softwareBit)
        usage |= D3DUSAGE_SOFTWAREPROCESSING;
    if (options & D3DXMESH_DONOTCLIP)
        usage |= D3DUSAGE_DONOTCLIP;
    if (options & D3DXMESH_POINTS)
        usage |= D3DUSAGE_POINTS;
    return usage;
}

}  // namespace

HRESULT Mesh::Create(IDirect3DDevice8* device, DWORD numFaces, DWORD numVertices, DWORD options, DWORD fvf,
                     Mesh** mesh)
{
    if (!mesh)
        return D3DERR_INVALIDCALL;
    *mesh = nullptr;
    if (!device || numFaces == 0 || numVertices == 0 || !IsUsableFvf(fvf))
        return D3DERR_INVALIDCALL;
    const bool wide = (options & D3DXMESH_32BIT) != 0;
    if (!wide && numVertices > 0xFFFF)
        return D3DERR_INVALIDCALL;
    // Byte sizes must fit the device's 32-bit lengths.
    const uint64_t vertexBytes = uint64_t(numVertices) * FvfLayout::Of(fvf).stride;
    const uint64_t indexBytes = uint64_t(numFaces) * 3 * (wide ? 4 : 2);
    if (vertexBytes > 0xFFFFFFFFu || indexBytes > 0xFFFFFFFFu)
        return E_OUTOFMEMORY;
    Mesh* created = nullptr;
    try {
        created = new Mesh(device, numFaces, numVertices, options, fvf);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    const HRESULT hr = created->CreateBuffers();
    if (FAILED(hr)) {
        created->Release();
        return hr;
    }
    *mesh = created;
    return D3D_OK;
}

Mesh::Mesh(IDirect3DDevice8* device, DWORD numFaces, DWORD numVertices, DWORD options, DWORD fvf)
    : device_(device), numFaces_(numFaces), numVertices_(numVertices), options_(options), fvf_(fvf),
      attributes_(numFaces, 0)
{
    device_->AddRef();
}

Mesh::~Mesh()
{
    if (indexBuffer_)
        indexBuffer_->Release();
    if (vertexBuffer_)
        vertexBuffer_->Release();
    device_->Release();
}

HRESULT Mesh::CreateBuffers()
{
    const UINT vertexBytes = numVertices_ * FvfLayout::Of(fvf_).stride;
    HRESULT hr = device_->CreateVertexBuffer(
        vertexBytes,
        UsageFor(options_, D3DXMESH_VB_WRITEONLY, D3DXMESH_VB_DYNAMIC, D3DXMESH_VB_SOFTWAREPROCESSING), fvf_,
        PoolFor(options_, D3DXMESH_VB_SYSTEMMEM, D3DXMESH_VB_MANAGED), &vertexBuffer_);
    if (FAILED(hr))
        return hr;
    const UINT indexBytes = numFaces_ * 3 * (Uses32BitIndices() ? 4 : 2);
    return device_->CreateIndexBuffer(
        indexBytes, UsageFor(options_, D3DXMESH_IB_WRITEONLY, D3DXMESH_IB_DYNAMIC, D3DXMESH_IB_SOFTWAREPROCESSING),
        Uses32BitIndices() ? D3DFMT_INDEX32 : D3DFMT_INDEX16,
        PoolFor(options_, D3DXMESH_IB_SYSTEMMEM, D3DXMESH_IB_MANAGED), &indexBuffer_);
}

HRESULT Mesh::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_ID3DXMesh || riid == IID_ID3DXBaseMesh || riid == IID_IUnknown) {
        AddRef();
        *object = static_cast<ID3DXMesh*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG Mesh::Release()
{
    ULONG left = --refs_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT Mesh::GetDevice(LPDIRECT3DDEVICE8* device)
{
    if (!device)
        return D3DERR_INVALIDCALL;
    device_->AddRef();
    *device = device_;
    return D3D_OK;
}

HRESULT Mesh::GetVertexBuffer(LPDIRECT3DVERTEXBUFFER8* vertexBuffer)
{
    if (!vertexBuffer)
        return D3DERR_INVALIDCALL;
    vertexBuffer_->AddRef();
    *vertexBuffer = vertexBuffer_;
    return D3D_OK;
}

HRESULT Mesh::GetIndexBuffer(LPDIRECT3DINDEXBUFFER8* indexBuffer)
{
    if (!indexBuffer)
        return D3DERR_INVALIDCALL;
    indexBuffer_->AddRef();
    *indexBuffer = indexBuffer_;
    return D3D_OK;
}

HRESULT Mesh::LockVertexBuffer(DWORD flags, BYTE** data)
{
    return vertexBuffer_->Lock(0, 0, data, flags);
}

HRESULT Mesh::UnlockVertexBuffer()
{
    return vertexBuffer_->Unlock();
}

HRESULT Mesh::LockIndexBuffer(DWORD flags, BYTE** data)
{
    return indexBuffer_->Lock(0, 0, data, flags);
}

HRESULT Mesh::UnlockIndexBuffer()
{
    return indexBuffer_->Unlock();
}

HRESULT Mesh::LockAttributeBuffer(DWORD, DWORD** data)
{
    if (!data)
        return D3DERR_INVALIDCALL;
    *data = attributes_.data();
    return D3D_OK;
}

HRESULT Mesh::UnlockAttributeBuffer()
{
    return D3D_OK;
}

HRESULT Mesh::GetAttributeTable(D3DXATTRIBUTERANGE* attribTable, DWORD* attribTableSize)
{
    if (!attribTableSize)
        return D3DERR_INVALIDCALL;
    *attribTableSize = static_cast<DWORD>(attributeTable_.size());
    if (attribTable) {
        for (size_t i = 0; i < attributeTable_.size(); ++i)
            attribTable[i] = attributeTable_[i];
    }
    return D3D_OK;
}

// Draws every run of consecutive faces whose attribute is attribId, so that meshes without an
// attribute table draw the same subsets as those with one.
HRESULT Mesh::DrawSubset(DWORD attribId)
{
    HRESULT hr = device_->SetVertexShader(fvf_);
    if (SUCCEEDED(hr))
        hr = device_->SetStreamSource(0, vertexBuffer_, FvfLayout::Of(fvf_).stride);
    if (SUCCEEDED(hr))
        hr = device_->SetIndices(indexBuffer_, 0);
    DWORD face = 0;
    while (SUCCEEDED(hr) && face < numFaces_) {
        if (attributes_[face] != attribId) {
            ++face;
            continue;
        }
        const DWORD start = face;
        while (face < numFaces_ && attributes_[face] == attribId)
            ++face;
        hr = DrawFaces(start, face - start);
    }
    return hr;
}

HRESULT Mesh::DrawFaces(DWORD faceStart, DWORD faceCount)
{
    return device_->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, numVertices_, faceStart * 3, faceCount);
}

}  // namespace d3dx8mesh

HRESULT WINAPI D3DXCreateMeshFVF(DWORD numFaces, DWORD numVertices, DWORD options, DWORD fvf,
                                 LPDIRECT3DDEVICE8 device, LPD3DXMESH* mesh)
{
    if (!mesh)
        return D3DERR_INVALIDCALL;
    d3dx8mesh::Mesh* created = nullptr;
    const HRESULT hr = d3dx8mesh::Mesh::Create(device, numFaces, numVertices, options, fvf, &created);
    *mesh = created;
    return hr;
}
