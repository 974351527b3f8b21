// The library's mesh object, its vertex layouts and the builder that turns plain arrays into a mesh;
// shared by the generators, the normal pass, cloning and the .x loader.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "d3dx8mesh.h"

namespace d3dx8mesh {

// Where each element of a flexible vertex format lies in one vertex, in bytes; -1 where it is absent.
struct FvfLayout {
    UINT stride = 0;
    UINT positionBytes = 0;  // xyz plus any rhw or blend weights
    int normal = -1;
    int pointSize = -1;
    int diffuse = -1;
    int specular = -1;
    UINT texCount = 0;
    int texOffset[8] = {};
    UINT texDimensions[8] = {};

    static FvfLayout Of(DWORD fvf);
};

// An FVF that this library can lay out: a position and at most eight texture coordinate sets.
bool IsUsableFvf(DWORD fvf);

class Mesh final : public ID3DXMesh {
public:
    // A mesh with uninitialised vertices and indices and every face's attribute 0.
    static HRESULT Create(IDirect3DDevice8* device, DWORD numFaces, DWORD numVertices, DWORD options, DWORD fvf,
                          Mesh** mesh);

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override { return ++refs_; }
    ULONG Release() override;

    HRESULT DrawSubset(DWORD attribId) override;
    DWORD GetNumFaces() override { return numFaces_; }
    DWORD GetNumVertices() override { return numVertices_; }
    DWORD GetFVF() override { return fvf_; }
    DWORD GetOptions() override { return options_; }
    HRESULT GetDevice(LPDIRECT3DDEVICE8* device) override;
    HRESULT CloneMeshFVF(DWORD options, DWORD fvf, LPDIRECT3DDEVICE8 device, LPD3DXMESH* cloneMesh) override;
    HRESULT GetVertexBuffer(LPDIRECT3DVERTEXBUFFER8* vertexBuffer) override;
    HRESULT GetIndexBuffer(LPDIRECT3DINDEXBUFFER8* indexBuffer) override;
    HRESULT LockVertexBuffer(DWORD flags, BYTE** data) override;
    HRESULT UnlockVertexBuffer() override;
    HRESULT LockIndexBuffer(DWORD flags, BYTE** data) override;
    HRESULT UnlockIndexBuffer() override;
    HRESULT GetAttributeTable(D3DXATTRIBUTERANGE* attribTable, DWORD* attribTableSize) override;
    HRESULT LockAttributeBuffer(DWORD flags, DWORD** data) override;
    HRESULT UnlockAttributeBuffer() override;

    bool Uses32BitIndices() const { return (options_ & D3DXMESH_32BIT) != 0; }
    std::vector<DWORD>& Attributes() { return attributes_; }
    void SetAttributeTable(std::vector<D3DXATTRIBUTERANGE> table) { attributeTable_ = std::move(table); }

private:
    Mesh(IDirect3DDevice8* device, DWORD numFaces, DWORD numVertices, DWORD options, DWORD fvf);
    ~Mesh();
    HRESULT CreateBuffers();
    HRESULT DrawFaces(DWORD faceStart, DWORD faceCount);

    std::atomic<ULONG> refs_{1};
    IDirect3DDevice8* device_;
    DWORD numFaces_;
    DWORD numVertices_;
    DWORD options_;
    DWORD fvf_;
    IDirect3DVertexBuffer8* vertexBuffer_ = nullptr;
    IDirect3DIndexBuffer8* indexBuffer_ = nullptr;
    std::vector<DWORD> attributes_;
    std::vector<D3DXATTRIBUTERANGE> attributeTable_;
};

// A mesh as plain arrays: positions always, normals and one set of 2D texture coordinates optionally
// (empty when absent, else one per position), three indices and one attribute id per triangle.
struct MeshArrays {
    std::vector<D3DXVECTOR3> positions;
    std::vector<D3DXVECTOR3> normals;
    std::vector<D3DXVECTOR2> texCoords;
    std::vector<uint32_t> indices;
    std::vector<DWORD> attributes;
};

// Builds a mesh (FVF XYZ, | NORMAL and | TEX1 where the arrays have them) with an attribute table of
// the runs of equal attributes, and optionally the adjacency of its faces.
HRESULT BuildMesh(IDirect3DDevice8* device, DWORD options, const MeshArrays& arrays, LPD3DXMESH* mesh,
                  LPD3DXBUFFER* adjacency);

// Three neighbours per face (0xFFFFFFFF for none): the face across each edge, where vertices at the same
// position count as one.
std::vector<DWORD> FaceAdjacency(const std::vector<uint32_t>& indices, const std::vector<D3DXVECTOR3>& positions);

// The runs of equal consecutive attributes, with the range of vertices each run uses.
std::vector<D3DXATTRIBUTERANGE> AttributeRuns(const std::vector<DWORD>& attributes,
                                             const std::vector<uint32_t>& indices);

// A buffer holding a copy of the bytes given, or null when out of memory.
ID3DXBuffer* NewBufferWith(const void* data, DWORD size);

}  // namespace d3dx8mesh
