// The .x writer and sausage.x: the file loads through the utility library's loader with all its
// vertices (one normal per vertex, so none is split), its faces and its one material; meshes the
// loader's 16-bit indices cannot hold are refused.
#include <gtest/gtest.h>

#include <stdexcept>

#include "model_test_support.h"
#include "models/XWriter.h"

namespace {

TEST(XWriter, TheSausageLoadsThroughTheUtilityLibraryWhole)
{
    const datagen::XMesh sausage = datagen::BuildSausage();
    EXPECT_GE(sausage.positions.size(), 300u);
    EXPECT_LE(sausage.positions.size(), 2000u);
    DWORD vertices = 0, faces = 0, materialCount = 0;
    D3DMATERIAL8 material{};
    HRESULT result = E_FAIL;
    RunScreen({}, [&] {
        ID3DXBuffer* adjacency = nullptr;
        ID3DXBuffer* materials = nullptr;
        ID3DXMesh* mesh = nullptr;
        const std::string name = model_test::Generated().EngineName("sausage.x");
        result = D3DXLoadMeshFromX(const_cast<char*>(name.c_str()), D3DXMESH_SYSTEMMEM, Device(), &adjacency,
                                   &materials, &materialCount, &mesh);
        if (FAILED(result))
            return;
        vertices = mesh->GetNumVertices();
        faces = mesh->GetNumFaces();
        if (materialCount > 0)
            material = static_cast<D3DXMATERIAL*>(materials->GetBufferPointer())[0].MatD3D;
        mesh->Release();
        adjacency->Release();
        materials->Release();
    });
    ASSERT_TRUE(SUCCEEDED(result));
    EXPECT_EQ(vertices, sausage.positions.size());
    EXPECT_EQ(faces, sausage.triangles.size());
    ASSERT_EQ(materialCount, 1u);
    EXPECT_NEAR(material.Diffuse.r, sausage.material.r, 1e-5);
    EXPECT_NEAR(material.Power, sausage.material.power, 1e-5);
}

TEST(XWriter, TheSausageIsClosedAndFacesOutwards)
{
    const datagen::XMesh sausage = datagen::BuildSausage();
    double volume = 0;
    for (const auto& t : sausage.triangles) {
        const datagen::Vec3 a = sausage.positions[t[0]], b = sausage.positions[t[1]], c = sausage.positions[t[2]];
        volume += datagen::Dot(a, datagen::Cross(b, c)) / 6;
    }
    EXPECT_GT(volume, 0.5);
    // Closed: every edge is shared by exactly two triangles, once in each direction.
    std::map<std::pair<int, int>, int> edges;
    for (const auto& t : sausage.triangles)
        for (int k = 0; k < 3; ++k)
            ++edges[{t[k], t[(k + 1) % 3]}];
    for (const auto& [edge, count] : edges) {
        ASSERT_EQ(count, 1);
        ASSERT_EQ(edges.count({edge.second, edge.first}), 1u);
    }
}

TEST(XWriter, RefusesMeshesTheLoaderCannotHold)
{
    datagen::XMesh mesh;
    mesh.positions = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    mesh.normals = {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}};
    mesh.triangles = {{0, 1, 3}};
    EXPECT_THROW(datagen::EncodeXText(mesh, "Bad"), std::invalid_argument);
    mesh.triangles = {{0, 1, 2}};
    EXPECT_NO_THROW(datagen::EncodeXText(mesh, "Good"));
    mesh.positions.resize(70000);
    mesh.normals.resize(70000);
    EXPECT_THROW(datagen::EncodeXText(mesh, "Big"), std::invalid_argument);
}

}  // namespace
