#include "meshes/XMeshObject.h"

#include <algorithm>
#include <vector>

#include "objects/EngineMesh.h"

namespace {

void ReleaseBuffer(ID3DXBuffer*& buffer)
{
    if (buffer)
        buffer->Release();
    buffer = nullptr;
}

// The part after the last backslash; forward slashes are part of the name.
CString BareFileName(const char* path)
{
    const CString name(path);
    return name.Mid(name.ReverseFind('\\') + 1);
}

}  // namespace

void CXMeshObject::Init()
{
    PreInit();
    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD materialCount = 0;
    ID3DXMesh* mesh = LoadMesh(adjacency, materials, materialCount);
    if (!mesh) {
        ReleaseBuffer(adjacency);
        ReleaseBuffer(materials);
        return;
    }
    TakeMaterials(materials, materialCount);
    ReleaseBuffer(materials);
    SetNumberVertices(static_cast<int>(mesh->GetNumVertices()));
    SetNumberFaces(static_cast<int>(mesh->GetNumFaces()));
    TakeRanges(mesh);
    CBaseObject::Init();
    engine_mesh::CopyVertices(*this, mesh);
    engine_mesh::CopyIndices(*this, mesh);
    mesh->Release();
    ReleaseBuffer(adjacency);
    m_strType = "CXMeshObject";
}

// A mesh too large for 16-bit indices is refused rather than drawn with wrapped indices.
ID3DXMesh* CXMeshObject::LoadMesh(ID3DXBuffer*& adjacency, ID3DXBuffer*& materials, DWORD& materialCount)
{
    ID3DXMesh* loaded = nullptr;
    if (FAILED(D3DXLoadMeshFromX(m_strFilename, D3DXMESH_SYSTEMMEM, m_pd3dDevice, &adjacency, &materials,
                                 &materialCount, &loaded))) {
        loaded = nullptr;
    }
    return engine_mesh::ToEngineLayout(loaded, m_pd3dDevice);
}

// The file's ambient colour is not used: ambient light takes the diffuse colour, so that a material
// with a black ambient is not left dark.
void CXMeshObject::TakeMaterials(ID3DXBuffer* materials, DWORD materialCount)
{
    if (!materials || materialCount == 0)
        return;
    const DWORD held = materials->GetBufferSize() / sizeof(D3DXMATERIAL);
    const int count = static_cast<int>(std::min(materialCount, held));
    if (count == 0)
        return;
    SetNumberMaterials(count);
    const D3DXMATERIAL* table = static_cast<const D3DXMATERIAL*>(materials->GetBufferPointer());
    for (int i = 0; i < count; ++i) {
        const D3DMATERIAL8& m = table[i].MatD3D;
        SetDiffuseColor(m.Diffuse, i);
        SetAmbientColor(m.Diffuse, i);
        SetSpecularColor(m.Specular, i);
        SetEmissiveColor(m.Emissive, i);
        SetMaterialPower(m.Power, i);
        if (table[i].pTextureFilename && table[i].pTextureFilename[0]) {
            CString path;
            path.Format("%s%s", m_strDirectory, BareFileName(table[i].pTextureFilename));
            SetTexture(path, i);
        }
    }
}

// Range i ends where attribute table entry i ends. A freshly loaded mesh has no table; its faces are
// sorted by material, so the ranges come from the per-face attributes instead, and every material
// draws its own faces rather than all of them taking material 0.
void CXMeshObject::TakeRanges(ID3DXMesh* mesh)
{
    DWORD entries = 0;
    if (FAILED(mesh->GetAttributeTable(nullptr, &entries)) || entries == 0) {
        TakeRangesFromAttributes(mesh);
        return;
    }
    std::vector<D3DXATTRIBUTERANGE> table(entries);
    if (FAILED(mesh->GetAttributeTable(table.data(), &entries)))
        return;
    for (DWORD i = 0; i < entries && i < table.size(); ++i)
        SetMaterialIndex(static_cast<int>(i), static_cast<int>(table[i].FaceStart + table[i].FaceCount));
}

// Faces not sorted by attribute cannot be split into consecutive ranges; they keep the default
// ranges. The last range always runs to the last face.
void CXMeshObject::TakeRangesFromAttributes(ID3DXMesh* mesh)
{
    DWORD* attributes = nullptr;
    if (m_nMaterials < 2 || FAILED(mesh->LockAttributeBuffer(0, &attributes)) || !attributes)
        return;
    const DWORD faces = mesh->GetNumFaces();
    if (std::is_sorted(attributes, attributes + faces)) {
        for (int i = 0; i + 1 < m_nMaterials; ++i) {
            const DWORD* end = std::upper_bound(attributes, attributes + faces, static_cast<DWORD>(i));
            SetMaterialIndex(i, static_cast<int>(end - attributes));
        }
    }
    mesh->UnlockAttributeBuffer();
}
