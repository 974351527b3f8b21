// A device, a scratch folder for .x files, and readers for what a mesh holds, for the mesh tests.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <string>
#include <vector>

#include "../d3d8/device_fixture.h"
#include "d3dx8.h"

namespace d3dx8_mesh_test {

struct PositionNormal {
    D3DXVECTOR3 position;
    D3DXVECTOR3 normal;
};

inline D3DXVECTOR3 Cross(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    D3DXVECTOR3 out;
    D3DXVec3Cross(&out, &a, &b);
    return out;
}

inline float Dot(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    return D3DXVec3Dot(&a, &b);
}

inline float Length(const D3DXVECTOR3& v)
{
    return D3DXVec3Length(&v);
}

inline void ExpectVec3(const D3DXVECTOR3& actual, const D3DXVECTOR3& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

// The vertices of a mesh as raw floats, stride by stride.
inline std::vector<float> ReadVertexFloats(ID3DXMesh* mesh)
{
    const UINT stride = D3DXGetFVFVertexSize(mesh->GetFVF());
    std::vector<float> floats(mesh->GetNumVertices() * stride / 4);
    BYTE* data = nullptr;
    EXPECT_EQ(mesh->LockVertexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    if (data)
        std::memcpy(floats.data(), data, floats.size() * 4);
    mesh->UnlockVertexBuffer();
    return floats;
}

// Position and normal of every vertex of a mesh whose FVF starts with D3DFVF_XYZ | D3DFVF_NORMAL.
inline std::vector<PositionNormal> ReadPositionNormals(ID3DXMesh* mesh)
{
    const UINT strideFloats = D3DXGetFVFVertexSize(mesh->GetFVF()) / 4;
    const std::vector<float> floats = ReadVertexFloats(mesh);
    std::vector<PositionNormal> vertices;
    for (size_t at = 0; at + 6 <= floats.size(); at += strideFloats)
        vertices.push_back({{floats[at], floats[at + 1], floats[at + 2]},
                            {floats[at + 3], floats[at + 4], floats[at + 5]}});
    return vertices;
}

inline std::vector<WORD> ReadIndices(ID3DXMesh* mesh)
{
    std::vector<WORD> indices(mesh->GetNumFaces() * 3);
    BYTE* data = nullptr;
    EXPECT_EQ(mesh->LockIndexBuffer(D3DLOCK_READONLY, &data), D3D_OK);
    if (data)
        std::memcpy(indices.data(), data, indices.size() * 2);
    mesh->UnlockIndexBuffer();
    return indices;
}

inline std::vector<D3DXATTRIBUTERANGE> ReadAttributeTable(ID3DXMesh* mesh)
{
    DWORD count = 0;
    EXPECT_EQ(mesh->GetAttributeTable(nullptr, &count), D3D_OK);
    std::vector<D3DXATTRIBUTERANGE> table(count);
    EXPECT_EQ(mesh->GetAttributeTable(table.data(), &count), D3D_OK);
    return table;
}

// (b - a) x (c - a) of face f.
inline D3DXVECTOR3 FaceCross(const std::vector<PositionNormal>& vertices, const std::vector<WORD>& indices, size_t f)
{
    const D3DXVECTOR3& a = vertices[indices[f * 3]].position;
    return Cross(vertices[indices[f * 3 + 1]].position - a, vertices[indices[f * 3 + 2]].position - a);
}

inline D3DXVECTOR3 FaceCentre(const std::vector<PositionNormal>& vertices, const std::vector<WORD>& indices, size_t f)
{
    return (vertices[indices[f * 3]].position + vertices[indices[f * 3 + 1]].position +
            vertices[indices[f * 3 + 2]].position) / 3.0f;
}

class MeshTest : public d3d8_test::DeviceTest {
protected:
    void TearDown() override
    {
        Release(mesh);
        Release(adjacency);
        Release(materials);
        if (!folder.empty())
            std::filesystem::remove_all(folder);
        DeviceTest::TearDown();
    }

    template <class T>
    static void Release(T*& object)
    {
        if (object) {
            EXPECT_EQ(object->Release(), 0u);
        }
        object = nullptr;
    }

    // Writes bytes to name inside a fresh scratch folder and returns the full path.
    std::string WriteFile(const std::string& name, const std::string& bytes)
    {
        if (folder.empty()) {
            char pattern[] = "/tmp/d3dx8mesh_XXXXXX";
            folder = mkdtemp(pattern);
        }
        const std::string path = folder + "/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        FILE* file = std::fopen(path.c_str(), "wb");
        EXPECT_NE(file, nullptr);
        if (file) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        return path;
    }

    HRESULT Load(const std::string& path, DWORD options = D3DXMESH_SYSTEMMEM)
    {
        return D3DXLoadMeshFromX(path.c_str(), options, device, &adjacency, &materials, &numMaterials, &mesh);
    }

    HRESULT LoadText(const std::string& text)
    {
        return Load(WriteFile("mesh.x", text));
    }

    std::string folder;
    ID3DXMesh* mesh = nullptr;
    ID3DXBuffer* adjacency = nullptr;
    ID3DXBuffer* materials = nullptr;
    DWORD numMaterials = 0;
};

}  // namespace d3dx8_mesh_test
