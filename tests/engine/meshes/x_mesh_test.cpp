// .x meshes: a cube file written here loads with its vertices, faces, materials (ambient taken from
// diffuse), texture names in the mesh's directory and one face range per material; a bad file leaves
// the object empty.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "meshes/XMeshObject.h"
#include "../objects/object_test_support.h"

namespace {

// Corners by bits (x bit 0, y bit 1, z bit 2); sides +z, -z, +x, -x, +y, -y; sides 0 and 2 green.
const char* const kCube = R"(xof 0302txt 0032
Mesh Cube {
 8; -1;-1;-1;, 1;-1;-1;, -1;1;-1;, 1;1;-1;, -1;-1;1;, 1;-1;1;, -1;1;1;, 1;1;1;;
 6; 4;4,5,7,6;, 4;0,2,3,1;, 4;1,3,7,5;, 4;0,4,6,2;, 4;2,6,7,3;, 4;0,1,5,4;;
 MeshMaterialList {
  2; 6; 1,0,1,0,0,0;;
  Material { 1;0;0;1;; 12.5; 0.25;0.5;0.75;; 0;0;0;; TextureFilename { "textures\skin.bmp"; } }
  Material { 0;1;0;1;; 0; 0;0;0;; 0.1;0.2;0.3;; TextureFilename { "maps/stone.png"; } }
 }
}
)";

// Shows the material table the mesh filled.
class CInspectedXMesh : public CXMeshObject {
public:
    std::vector<D3DMATERIAL8> Materials() const { return m_pMaterials; }
    std::vector<CString> TextureNames() const { return m_pTextureNames; }
    std::vector<int> RangeEnds() const { return m_pRangeEnds; }
};

struct SLoaded {
    std::vector<S3DVERTEX> vertices;
    std::vector<WORD> indices;
    int faces = 0;
    CString type;
    std::vector<D3DMATERIAL8> materials;
    std::vector<CString> textures;
    std::vector<int> ends;
    bool hasBuffer = false;
};

SLoaded Load(const std::string& windowsName)
{
    SLoaded loaded;
    RunScreen({}, [&] {
        CInspectedXMesh mesh;
        mesh.SetFilename(windowsName.c_str());
        mesh.Init();
        loaded = {ReadVertices(mesh), ReadIndices(mesh), mesh.GetNumberFaces(), mesh.GetObjType(),
                  mesh.Materials(),   mesh.TextureNames(), mesh.RangeEnds(), mesh.GetVB() != nullptr};
        mesh.CleanUp();
    });
    return loaded;
}

class XMesh : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Folder = ::testing::TempDir() + "xmesh_data_" + std::to_string(getpid());
        mkdir(m_Folder.c_str(), 0755);
        FILE* file = std::fopen((m_Folder + "/cube.x").c_str(), "wb");
        std::fputs(kCube, file);
        std::fclose(file);
    }
    void TearDown() override
    {
        std::remove((m_Folder + "/cube.x").c_str());
        rmdir(m_Folder.c_str());
    }
    std::string m_Folder;
};

TEST_F(XMesh, CubeLoadsItsGeometryMaterialsTexturesInTheMeshFolderAndOneRangePerMaterial)
{
    const SLoaded cube = Load(m_Folder + "\\cube.x");
    EXPECT_EQ(cube.type, CString("CXMeshObject"));
    ASSERT_EQ(cube.vertices.size(), 8u);
    EXPECT_EQ(cube.faces, 12);
    ASSERT_EQ(cube.indices.size(), 36u);
    EXPECT_LT(*std::max_element(cube.indices.begin(), cube.indices.end()), 8);
    for (const S3DVERTEX& v : cube.vertices) {
        EXPECT_EQ(std::fabs(v.x) + std::fabs(v.y) + std::fabs(v.z), 3.0f);
        EXPECT_EQ(v.color, 0xFFFFFFFFu);
        EXPECT_NEAR(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz, 1.0f, 1e-4f);
        EXPECT_GT(v.nx * v.x + v.ny * v.y + v.nz * v.z, 0.0f);  // outward
    }
    ASSERT_EQ(cube.materials.size(), 2u);
    EXPECT_EQ(cube.materials[0].Ambient.r, 1.0f);  // ambient follows diffuse
    EXPECT_EQ(cube.materials[0].Power, 12.5f);
    EXPECT_EQ(cube.materials[0].Specular.b, 0.75f);
    EXPECT_EQ(cube.materials[1].Ambient.g, 1.0f);
    EXPECT_FLOAT_EQ(cube.materials[1].Emissive.b, 0.3f);
    // The texture's own folder is dropped at its last backslash only.
    EXPECT_EQ(cube.textures, (std::vector<CString>{(m_Folder + "\\skin.bmp").c_str(),
                                                   (m_Folder + "\\maps/stone.png").c_str()}));
    // Four sides (eight triangles) of material 0 come first, then the two green sides.
    EXPECT_EQ(cube.ends, (std::vector<int>{8, 12}));
}

TEST_F(XMesh, AFileThatCannotBeLoadedLeavesTheObjectEmpty)
{
    const SLoaded missing = Load(m_Folder + "\\missing.x");
    EXPECT_FALSE(missing.hasBuffer);
    EXPECT_TRUE(missing.vertices.empty());
    EXPECT_TRUE(missing.type.IsEmpty());
}

}  // namespace
