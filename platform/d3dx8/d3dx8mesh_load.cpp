// D3DXLoadMeshFromX: reads a text .x file, joins its meshes into one (each transformed by its frames),
// fans polygons into triangles (0, i, i + 1), sorts the triangles by material (keeping file order within
// a material) and hands back the materials. The file's vertices keep their order; a vertex whose faces
// give it different normals keeps the first and gets a copy, appended after the file's vertices, for
// each other normal.
#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>
#include <string>

#include "d3dx8mesh_object.h"
#include "platform_files.h"
#include "xfile_parser.h"

namespace {

using d3dx8mesh::MeshArrays;

// Files larger than this are refused before they are read.
constexpr long kMaxFileBytes = 64L << 20;

HRESULT ReadWholeFile(const char* name, std::string& contents)
{
    FILE* file = platform::OpenFile(name, "rb");
    if (!file)
        return D3DERR_NOTFOUND;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0)
        size = std::ftell(file);
    HRESULT hr = D3D_OK;
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0)
        hr = D3DXERR_INVALIDDATA;
    else if (size > kMaxFileBytes)
        hr = E_OUTOFMEMORY;
    if (SUCCEEDED(hr)) {
        contents.resize(static_cast<size_t>(size));
        if (std::fread(contents.data(), 1, contents.size(), file) != contents.size())
            hr = D3DXERR_INVALIDDATA;
    }
    std::fclose(file);
    return hr;
}

D3DMATERIAL8 DefaultMaterial()
{
    D3DMATERIAL8 material{};
    material.Diffuse = {0.5f, 0.5f, 0.5f, 1.0f};
    return material;
}

// Normals follow the inverse transpose, so that scaled frames keep them perpendicular to the surface.
D3DXMATRIX NormalMatrix(const D3DXMATRIX& transform)
{
    D3DXMATRIX inverse;
    if (!D3DXMatrixInverse(&inverse, nullptr, &transform))
        return transform;
    D3DXMATRIX normalMatrix;
    D3DXMatrixTranspose(&normalMatrix, &inverse);
    return normalMatrix;
}

// One mesh of the file as arrays, with normals split where a vertex carries more than one.
class MeshConverter {
public:
    explicit MeshConverter(const xfile::MeshData& mesh) : mesh_(mesh) {}

    MeshArrays Convert(DWORD firstAttribute)
    {
        out_.positions = mesh_.positions;
        out_.texCoords = mesh_.texCoords;
        if (!mesh_.normalFaces.corners.empty())
            out_.normals.assign(mesh_.positions.size(), D3DXVECTOR3(0, 0, 0));
        assigned_.assign(mesh_.positions.size(), kNone);
        size_t corner = 0;
        for (size_t face = 0; face < mesh_.faces.cornerCounts.size(); ++face) {
            const uint32_t corners = mesh_.faces.cornerCounts[face];
            const DWORD attribute = firstAttribute + (mesh_.faceMaterials.empty() ? 0 : mesh_.faceMaterials[face]);
            for (uint32_t i = 1; i + 1 < corners; ++i) {
                out_.indices.insert(out_.indices.end(),
                                    {VertexFor(corner), VertexFor(corner + i), VertexFor(corner + i + 1)});
                out_.attributes.push_back(attribute);
            }
            corner += corners;
        }
        Transform();
        return std::move(out_);
    }

private:
    static constexpr uint32_t kNone = 0xFFFFFFFF;

    uint32_t VertexFor(size_t corner)
    {
        const uint32_t vertex = mesh_.faces.corners[corner];
        if (out_.normals.empty())
            return vertex;
        const uint32_t normal = mesh_.normalFaces.corners[corner];
        if (assigned_[vertex] == kNone) {
            assigned_[vertex] = normal;
            out_.normals[vertex] = mesh_.normals[normal];
            return vertex;
        }
        if (mesh_.normals[assigned_[vertex]] == mesh_.normals[normal])
            return vertex;
        const auto [copy, added] = copies_.emplace(std::make_pair(vertex, normal), 0);
        if (added) {
            copy->second = static_cast<uint32_t>(out_.positions.size());
            out_.positions.push_back(mesh_.positions[vertex]);
            out_.normals.push_back(mesh_.normals[normal]);
            if (!out_.texCoords.empty())
                out_.texCoords.push_back(mesh_.texCoords[vertex]);
        }
        return copy->second;
    }

    void Transform()
    {
        for (D3DXVECTOR3& position : out_.positions)
            D3DXVec3TransformCoord(&position, &position, &mesh_.transform);
        const D3DXMATRIX normalMatrix = NormalMatrix(mesh_.transform);
        for (D3DXVECTOR3& normal : out_.normals) {
            D3DXVec3TransformNormal(&normal, &normal, &normalMatrix);
            if (D3DXVec3LengthSq(&normal) > 0)
                D3DXVec3Normalize(&normal, &normal);
        }
    }

    const xfile::MeshData& mesh_;
    MeshArrays out_;
    std::vector<uint32_t> assigned_;
    std::map<std::pair<uint32_t, uint32_t>, uint32_t> copies_;
};

// Appends part to whole; a part without normals or texture coordinates gets zeros where whole has them.
void Append(MeshArrays& whole, MeshArrays part, bool withNormals, bool withTexCoords)
{
    const uint32_t base = static_cast<uint32_t>(whole.positions.size());
    if (withNormals)
        part.normals.resize(part.positions.size(), D3DXVECTOR3(0, 0, 0));
    if (withTexCoords)
        part.texCoords.resize(part.positions.size(), D3DXVECTOR2(0, 0));
    whole.positions.insert(whole.positions.end(), part.positions.begin(), part.positions.end());
    whole.normals.insert(whole.normals.end(), part.normals.begin(), part.normals.end());
    whole.texCoords.insert(whole.texCoords.end(), part.texCoords.begin(), part.texCoords.end());
    for (uint32_t index : part.indices)
        whole.indices.push_back(base + index);
    whole.attributes.insert(whole.attributes.end(), part.attributes.begin(), part.attributes.end());
}

void SortFacesByAttribute(MeshArrays& arrays)
{
    std::vector<size_t> order(arrays.attributes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return arrays.attributes[a] < arrays.attributes[b]; });
    std::vector<uint32_t> indices;
    std::vector<DWORD> attributes;
    for (size_t face : order) {
        indices.insert(indices.end(), arrays.indices.begin() + face * 3, arrays.indices.begin() + face * 3 + 3);
        attributes.push_back(arrays.attributes[face]);
    }
    arrays.indices = std::move(indices);
    arrays.attributes = std::move(attributes);
}

struct Joined {
    MeshArrays arrays;
    std::vector<xfile::Material> materials;
};

Joined JoinMeshes(const xfile::Scene& scene)
{
    Joined joined;
    const auto any = [&scene](auto has) { return std::any_of(scene.meshes.begin(), scene.meshes.end(), has); };
    const bool withNormals = any([](const xfile::MeshData& m) { return !m.normalFaces.corners.empty(); });
    const bool withTexCoords = any([](const xfile::MeshData& m) { return !m.texCoords.empty(); });
    for (const xfile::MeshData& mesh : scene.meshes) {
        const DWORD firstAttribute = static_cast<DWORD>(joined.materials.size());
        Append(joined.arrays, MeshConverter(mesh).Convert(firstAttribute), withNormals, withTexCoords);
        if (mesh.materials.empty())
            joined.materials.push_back({DefaultMaterial(), {}, false});
        else
            joined.materials.insert(joined.materials.end(), mesh.materials.begin(), mesh.materials.end());
    }
    SortFacesByAttribute(joined.arrays);
    return joined;
}

// D3DXMATERIAL entries followed by their texture names, the entries pointing into the same buffer.
ID3DXBuffer* MaterialBuffer(const std::vector<xfile::Material>& materials)
{
    size_t bytes = materials.size() * sizeof(D3DXMATERIAL);
    for (const xfile::Material& material : materials)
        bytes += material.hasTexture ? material.textureFilename.size() + 1 : 0;
    ID3DXBuffer* buffer = nullptr;
    if (FAILED(D3DXCreateBuffer(static_cast<DWORD>(bytes), &buffer)))
        return nullptr;
    BYTE* base = static_cast<BYTE*>(buffer->GetBufferPointer());
    auto* entries = reinterpret_cast<D3DXMATERIAL*>(base);
    char* names = reinterpret_cast<char*>(base + materials.size() * sizeof(D3DXMATERIAL));
    for (size_t i = 0; i < materials.size(); ++i) {
        entries[i].MatD3D = materials[i].material;
        entries[i].pTextureFilename = nullptr;
        if (materials[i].hasTexture) {
            const std::string& name = materials[i].textureFilename;
            std::memcpy(names, name.c_str(), name.size() + 1);
            entries[i].pTextureFilename = names;
            names += name.size() + 1;
        }
    }
    return buffer;
}

HRESULT LoadMesh(LPCSTR filename, DWORD options, LPDIRECT3DDEVICE8 device, LPD3DXBUFFER* adjacency,
                 LPD3DXBUFFER* materials, DWORD* numMaterials, LPD3DXMESH* mesh)
{
    std::string contents;
    HRESULT hr = ReadWholeFile(filename, contents);
    if (FAILED(hr))
        return hr;
    const xfile::Scene scene = xfile::ParseText(contents);
    Joined joined = JoinMeshes(scene);
    if (joined.arrays.indices.empty() || joined.arrays.positions.empty())
        return D3DXERR_LOADEDMESHASNODATA;
    if (FAILED(hr = d3dx8mesh::BuildMesh(device, options, joined.arrays, mesh, adjacency)))
        return hr;
    if (materials && !(*materials = MaterialBuffer(joined.materials))) {
        (*mesh)->Release();
        *mesh = nullptr;
        if (adjacency && *adjacency) {
            (*adjacency)->Release();
            *adjacency = nullptr;
        }
        return E_OUTOFMEMORY;
    }
    if (numMaterials)
        *numMaterials = static_cast<DWORD>(joined.materials.size());
    return D3D_OK;
}

}  // namespace

HRESULT WINAPI D3DXLoadMeshFromX(LPCSTR filename, DWORD options, LPDIRECT3DDEVICE8 device, LPD3DXBUFFER* adjacency,
                                 LPD3DXBUFFER* materials, DWORD* numMaterials, LPD3DXMESH* mesh)
{
    if (adjacency)
        *adjacency = nullptr;
    if (materials)
        *materials = nullptr;
    if (numMaterials)
        *numMaterials = 0;
    if (!mesh)
        return D3DERR_INVALIDCALL;
    *mesh = nullptr;
    if (!filename || !device)
        return D3DERR_INVALIDCALL;
    try {
        return LoadMesh(filename, options, device, adjacency, materials, numMaterials, mesh);
    } catch (const xfile::FormatError&) {
        return D3DXERR_INVALIDDATA;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::length_error&) {
        return E_OUTOFMEMORY;
    }
}
