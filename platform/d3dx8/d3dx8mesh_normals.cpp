// Vertex normals from the faces: each face adds (b - a) x (c - a), whose length is twice its area, to its
// three vertices; the sums are then normalised. Vertices used by no face get a zero normal.
#include <cstring>
#include <vector>

#include "d3dx8mesh_object.h"

namespace {

using d3dx8mesh::FvfLayout;

D3DXVECTOR3 PositionAt(const BYTE* vertices, const FvfLayout& layout, uint32_t index)
{
    D3DXVECTOR3 position;
    std::memcpy(&position, vertices + size_t(index) * layout.stride, 12);
    return position;
}

uint32_t IndexAt(const BYTE* indices, bool wide, size_t i)
{
    if (!wide)
        return reinterpret_cast<const uint16_t*>(indices)[i];
    uint32_t index;
    std::memcpy(&index, indices + i * 4, 4);
    return index;
}

// Sums face normals per vertex; indices past the vertex count (a mesh filled badly by its user) are skipped.
std::vector<D3DXVECTOR3> SummedFaceNormals(const BYTE* vertices, const FvfLayout& layout, const BYTE* indices,
                                           bool wide, DWORD faces, DWORD vertexCount)
{
    std::vector<D3DXVECTOR3> sums(vertexCount, D3DXVECTOR3(0, 0, 0));
    for (DWORD face = 0; face < faces; ++face) {
        const uint32_t a = IndexAt(indices, wide, face * 3);
        const uint32_t b = IndexAt(indices, wide, face * 3 + 1);
        const uint32_t c = IndexAt(indices, wide, face * 3 + 2);
        if (a >= vertexCount || b >= vertexCount || c >= vertexCount)
            continue;
        const D3DXVECTOR3 pa = PositionAt(vertices, layout, a);
        const D3DXVECTOR3 ab = PositionAt(vertices, layout, b) - pa;
        const D3DXVECTOR3 ac = PositionAt(vertices, layout, c) - pa;
        D3DXVECTOR3 normal;
        D3DXVec3Cross(&normal, &ab, &ac);
        sums[a] += normal;
        sums[b] += normal;
        sums[c] += normal;
    }
    return sums;
}

void WriteNormals(BYTE* vertices, const FvfLayout& layout, std::vector<D3DXVECTOR3>& sums)
{
    for (size_t v = 0; v < sums.size(); ++v) {
        D3DXVECTOR3 normal(0, 0, 0);
        if (D3DXVec3LengthSq(&sums[v]) > 0)
            D3DXVec3Normalize(&normal, &sums[v]);
        std::memcpy(vertices + v * layout.stride + layout.normal, &normal, 12);
    }
}

}  // namespace

HRESULT WINAPI D3DXComputeNormals(LPD3DXMESH mesh, const DWORD*)
{
    if (!mesh)
        return D3DERR_INVALIDCALL;
    const FvfLayout layout = FvfLayout::Of(mesh->GetFVF());
    if (layout.normal < 0 || layout.positionBytes == 0)
        return D3DERR_INVALIDCALL;
    const bool wide = (mesh->GetOptions() & D3DXMESH_32BIT) != 0;
    BYTE* vertices = nullptr;
    BYTE* indices = nullptr;
    HRESULT hr = mesh->LockVertexBuffer(0, &vertices);
    if (FAILED(hr))
        return hr;
    if (SUCCEEDED(hr = mesh->LockIndexBuffer(D3DLOCK_READONLY, &indices))) {
        try {
            std::vector<D3DXVECTOR3> sums =
                SummedFaceNormals(vertices, layout, indices, wide, mesh->GetNumFaces(), mesh->GetNumVertices());
            WriteNormals(vertices, layout, sums);
        } catch (const std::bad_alloc&) {
            hr = E_OUTOFMEMORY;
        }
        mesh->UnlockIndexBuffer();
    }
    mesh->UnlockVertexBuffer();
    return hr;
}
