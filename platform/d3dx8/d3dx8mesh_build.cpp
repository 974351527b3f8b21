// Building a mesh from plain arrays, with its attribute table and face adjacency.
#include <algorithm>
#include <cstring>
#include <map>
#include <new>
#include <tuple>
#include <unordered_map>

#include "d3dx8mesh_object.h"

namespace d3dx8mesh {
namespace {

constexpr DWORD kNoNeighbour = 0xFFFFFFFF;

DWORD FvfOf(const MeshArrays& arrays)
{
    DWORD fvf = D3DFVF_XYZ;
    if (!arrays.normals.empty())
        fvf |= D3DFVF_NORMAL;
    if (!arrays.texCoords.empty())
        fvf |= D3DFVF_TEX1;
    return fvf;
}

// Each vertex's representative: the first vertex with exactly the same position.
std::vector<uint32_t> PointRepresentatives(const std::vector<D3DXVECTOR3>& positions)
{
    std::map<std::tuple<float, float, float>, uint32_t> first;
    std::vector<uint32_t> reps(positions.size());
    for (uint32_t v = 0; v < positions.size(); ++v) {
        const D3DXVECTOR3& p = positions[v];
        reps[v] = first.emplace(std::make_tuple(p.x, p.y, p.z), v).first->second;
    }
    return reps;
}

void WriteVertices(BYTE* to, const FvfLayout& layout, const MeshArrays& arrays)
{
    for (size_t v = 0; v < arrays.positions.size(); ++v) {
        BYTE* vertex = to + v * layout.stride;
        std::memcpy(vertex, &arrays.positions[v], 12);
        if (layout.normal >= 0)
            std::memcpy(vertex + layout.normal, &arrays.normals[v], 12);
        if (layout.texCount > 0)
            std::memcpy(vertex + layout.texOffset[0], &arrays.texCoords[v], 8);
    }
}

void WriteIndices(BYTE* to, bool wide, const std::vector<uint32_t>& indices)
{
    if (wide) {
        std::memcpy(to, indices.data(), indices.size() * 4);
        return;
    }
    uint16_t* narrow = reinterpret_cast<uint16_t*>(to);
    for (size_t i = 0; i < indices.size(); ++i)
        narrow[i] = static_cast<uint16_t>(indices[i]);
}

HRESULT FillMesh(Mesh* mesh, const MeshArrays& arrays)
{
    BYTE* data = nullptr;
    HRESULT hr = mesh->LockVertexBuffer(0, &data);
    if (FAILED(hr))
        return hr;
    WriteVertices(data, FvfLayout::Of(mesh->GetFVF()), arrays);
    mesh->UnlockVertexBuffer();
    if (FAILED(hr = mesh->LockIndexBuffer(0, &data)))
        return hr;
    WriteIndices(data, mesh->Uses32BitIndices(), arrays.indices);
    mesh->UnlockIndexBuffer();
    mesh->Attributes() = arrays.attributes;
    mesh->SetAttributeTable(AttributeRuns(arrays.attributes, arrays.indices));
    return D3D_OK;
}

}  // namespace

std::vector<DWORD> FaceAdjacency(const std::vector<uint32_t>& indices, const std::vector<D3DXVECTOR3>& positions)
{
    const std::vector<uint32_t> reps = PointRepresentatives(positions);
    const size_t faces = indices.size() / 3;
    std::vector<DWORD> adjacency(faces * 3, kNoNeighbour);
    // Directed edges by their representative end points; a face's neighbour across edge (a, b) is a
    // face that has the edge (b, a).
    std::unordered_map<uint64_t, DWORD> edgeOwner;
    auto key = [&reps](uint32_t a, uint32_t b) { return (uint64_t(reps[a]) << 32) | reps[b]; };
    for (DWORD f = 0; f < faces; ++f)
        for (int e = 0; e < 3; ++e)
            edgeOwner.emplace(key(indices[f * 3 + e], indices[f * 3 + (e + 1) % 3]), f);
    for (DWORD f = 0; f < faces; ++f) {
        for (int e = 0; e < 3; ++e) {
            auto found = edgeOwner.find(key(indices[f * 3 + (e + 1) % 3], indices[f * 3 + e]));
            if (found != edgeOwner.end() && found->second != f)
                adjacency[f * 3 + e] = found->second;
        }
    }
    return adjacency;
}

std::vector<D3DXATTRIBUTERANGE> AttributeRuns(const std::vector<DWORD>& attributes,
                                             const std::vector<uint32_t>& indices)
{
    std::vector<D3DXATTRIBUTERANGE> runs;
    for (DWORD face = 0; face < attributes.size(); ++face) {
        if (runs.empty() || runs.back().AttribId != attributes[face])
            runs.push_back({attributes[face], face, 0, 0, 0});
        ++runs.back().FaceCount;
    }
    for (D3DXATTRIBUTERANGE& run : runs) {
        const auto first = indices.begin() + run.FaceStart * 3;
        const auto [low, high] = std::minmax_element(first, first + run.FaceCount * 3);
        run.VertexStart = *low;
        run.VertexCount = *high - *low + 1;
    }
    return runs;
}

HRESULT BuildMesh(IDirect3DDevice8* device, DWORD options, const MeshArrays& arrays, LPD3DXMESH* mesh,
                  LPD3DXBUFFER* adjacency)
{
    *mesh = nullptr;
    if (adjacency)
        *adjacency = nullptr;
    Mesh* built = nullptr;
    const DWORD faces = static_cast<DWORD>(arrays.indices.size() / 3);
    HRESULT hr = Mesh::Create(device, faces, static_cast<DWORD>(arrays.positions.size()), options, FvfOf(arrays),
                              &built);
    try {
        if (SUCCEEDED(hr))
            hr = FillMesh(built, arrays);
        if (SUCCEEDED(hr) && adjacency) {
            const std::vector<DWORD> neighbours = FaceAdjacency(arrays.indices, arrays.positions);
            *adjacency = NewBufferWith(neighbours.data(), static_cast<DWORD>(neighbours.size() * sizeof(DWORD)));
            if (!*adjacency)
                hr = E_OUTOFMEMORY;
        }
    } catch (const std::bad_alloc&) {
        hr = E_OUTOFMEMORY;
    }
    if (FAILED(hr)) {
        if (built)
            built->Release();
        return hr;
    }
    *mesh = built;
    return D3D_OK;
}

}  // namespace d3dx8mesh
