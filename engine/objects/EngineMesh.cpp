#include "objects/EngineMesh.h"

#include <algorithm>
#include <cstring>

namespace engine_mesh {

namespace {

// 16-bit indices address at most this many vertices.
constexpr DWORD MAX_VERTICES = 65536;

}  // namespace

ID3DXMesh* ToEngineLayout(ID3DXMesh* source, IDirect3DDevice8* device)
{
    if (!source)
        return nullptr;
    ID3DXMesh* clone = nullptr;
    const HRESULT hr = source->CloneMeshFVF(D3DXMESH_SYSTEMMEM, D3DFVF_S3DVERTEX, device, &clone);
    source->Release();
    if (FAILED(hr) || !clone)
        return nullptr;
    if ((clone->GetOptions() & D3DXMESH_32BIT) || clone->GetNumVertices() > MAX_VERTICES) {
        clone->Release();
        return nullptr;
    }
    D3DXComputeNormals(clone, nullptr);
    return clone;
}

void CopyVertices(CBaseObject& object, ID3DXMesh* mesh)
{
    BYTE* source = nullptr;
    if (FAILED(mesh->LockVertexBuffer(0, &source)))
        return;
    unsigned long count = 0;
    if (S3DVERTEX* target = object.LockVB(count)) {
        const unsigned long copied = std::min<unsigned long>(count, mesh->GetNumVertices());
        std::memcpy(target, source, copied * sizeof(S3DVERTEX));
        for (unsigned long i = 0; i < copied; ++i)
            target[i].color = 0xFFFFFFFF;
        object.UnlockVB(false);
    }
    mesh->UnlockVertexBuffer();
}

void CopyIndices(CBaseObject& object, ID3DXMesh* mesh)
{
    BYTE* source = nullptr;
    if (FAILED(mesh->LockIndexBuffer(0, &source)))
        return;
    unsigned long faces = 0;
    if (WORD* target = object.LockIB(faces)) {
        const unsigned long copied = std::min<unsigned long>(faces, mesh->GetNumFaces());
        std::memcpy(target, source, copied * 3 * sizeof(WORD));
        object.UnlockIB();
    }
    mesh->UnlockIndexBuffer();
}

bool TakeGeneratedShape(CBaseObject& object, ID3DXMesh* generated, IDirect3DDevice8* device, bool first)
{
    ID3DXMesh* mesh = ToEngineLayout(generated, device);
    if (!mesh)
        return false;
    if (first) {
        object.SetNumberVertices(static_cast<int>(mesh->GetNumVertices()));
        object.SetNumberFaces(static_cast<int>(mesh->GetNumFaces()));
        object.CBaseObject::Init();
    }
    if (static_cast<int>(mesh->GetNumVertices()) == object.GetNumberVertices())
        CopyVertices(object, mesh);
    if (first)
        CopyIndices(object, mesh);
    mesh->Release();
    return true;
}

}  // namespace engine_mesh
