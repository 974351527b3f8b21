// Loading text .x files: vertices, faces, normals, texture coordinates, materials, attribute table,
// frames, and what the reader skips.
#include "d3dx8mesh_fixture.h"
#include "d3dx8mesh_xfile_text.h"

namespace d3dx8_mesh_test {
namespace {

constexpr WORD kQuads[6][4] = {{4, 5, 7, 6}, {0, 2, 3, 1}, {1, 3, 7, 5}, {0, 4, 6, 2}, {2, 6, 7, 3}, {0, 1, 5, 4}};

D3DXVECTOR3 Corner(int i)
{
    return {i & 1 ? 1.0f : -1.0f, i & 2 ? 1.0f : -1.0f, i & 4 ? 1.0f : -1.0f};
}

void ExpectColor(const D3DCOLORVALUE& c, float r, float g, float b, float a)
{
    EXPECT_FLOAT_EQ(c.r, r);
    EXPECT_FLOAT_EQ(c.g, g);
    EXPECT_FLOAT_EQ(c.b, b);
    EXPECT_FLOAT_EQ(c.a, a);
}

using XFileLoadTest = MeshTest;

TEST_F(XFileLoadTest, CubeKeepsFileVerticesAndFansQuadsAsStored)
{
    ASSERT_EQ(LoadText(FullCubeFile()), D3D_OK);
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->GetFVF(), DWORD(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1));
    ASSERT_EQ(mesh->GetNumVertices(), 8u);
    ASSERT_EQ(mesh->GetNumFaces(), 12u);
    const std::vector<float> floats = ReadVertexFloats(mesh);
    for (int v = 0; v < 8; ++v) {
        const float* vertex = &floats[v * 8];
        ExpectVec3({vertex[0], vertex[1], vertex[2]}, Corner(v), 0);
        ExpectVec3({vertex[3], vertex[4], vertex[5]}, Corner(v) * 0.57735f, 1e-6f);
        EXPECT_EQ(vertex[6], v & 1 ? 1.0f : 0.0f) << "u of vertex " << v;
        EXPECT_EQ(vertex[7], v & 2 ? 1.0f : 0.0f) << "v of vertex " << v;
    }
    const std::vector<WORD> indices = ReadIndices(mesh);
    for (int side = 0; side < 6; ++side) {
        const WORD* q = kQuads[side];
        const std::vector<WORD> expected = {q[0], q[1], q[2], q[0], q[2], q[3]};
        EXPECT_EQ(std::vector<WORD>(indices.begin() + side * 6, indices.begin() + side * 6 + 6), expected)
            << "side " << side;
    }
    ASSERT_NE(adjacency, nullptr);
    ASSERT_EQ(adjacency->GetBufferSize(), 12u * 3 * sizeof(DWORD));
    const DWORD* neighbours = static_cast<const DWORD*>(adjacency->GetBufferPointer());
    for (int i = 0; i < 36; ++i)
        EXPECT_LT(neighbours[i], 12u) << "a closed cube has a neighbour across every edge";
}

TEST_F(XFileLoadTest, MaterialsAndTextureNamesComeBackAsWritten)
{
    ASSERT_EQ(LoadText(FullCubeFile()), D3D_OK);
    ASSERT_EQ(numMaterials, 2u);
    ASSERT_NE(materials, nullptr);
    ASSERT_GE(materials->GetBufferSize(), 2 * sizeof(D3DXMATERIAL));
    const D3DXMATERIAL* entries = static_cast<const D3DXMATERIAL*>(materials->GetBufferPointer());
    const D3DMATERIAL8& red = entries[0].MatD3D;
    ExpectColor(red.Diffuse, 1.0f, 0.0f, 0.0f, 0.75f);
    ExpectColor(red.Ambient, 0, 0, 0, 0);
    EXPECT_FLOAT_EQ(red.Power, 12.5f);
    EXPECT_FLOAT_EQ(red.Specular.b, 0.75f);
    EXPECT_FLOAT_EQ(red.Specular.g, 0.5f);
    EXPECT_FLOAT_EQ(red.Emissive.r, 0.1f);
    EXPECT_FLOAT_EQ(red.Emissive.b, 0.3f);
    EXPECT_EQ(entries[0].pTextureFilename, nullptr);
    ASSERT_NE(entries[1].pTextureFilename, nullptr);
    EXPECT_STREQ(entries[1].pTextureFilename, "tex\\brick.png");
    ExpectColor(entries[1].MatD3D.Diffuse, 0.5f, 0.5f, 0.5f, 1.0f);
}

TEST_F(XFileLoadTest, AttributeTableHasOneRangePerMaterial)
{
    ASSERT_EQ(LoadText(FullCubeFile()), D3D_OK);
    const auto table = ReadAttributeTable(mesh);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].AttribId, 0u);
    EXPECT_EQ(table[0].FaceStart, 0u);
    EXPECT_EQ(table[0].FaceCount, 6u);
    EXPECT_EQ(table[1].AttribId, 1u);
    EXPECT_EQ(table[1].FaceStart, 6u);
    EXPECT_EQ(table[1].FaceCount, 6u);
    // Sides +z, -z and +x between them use all eight corners.
    EXPECT_EQ(table[0].VertexStart, 0u);
    EXPECT_EQ(table[0].VertexCount, 8u);
    DWORD* attributes = nullptr;
    ASSERT_EQ(mesh->LockAttributeBuffer(D3DLOCK_READONLY, &attributes), D3D_OK);
    for (int f = 0; f < 12; ++f)
        EXPECT_EQ(attributes[f], f < 6 ? 0u : 1u) << "face " << f;
    mesh->UnlockAttributeBuffer();
}

// Faces are grouped by material; within a material they keep the file's order.
TEST_F(XFileLoadTest, InterleavedMaterialsAreSortedStably)
{
    const std::string list = R"( MeshMaterialList { 2; 6; 1, 0, 1, 0, 1, 0;;
  Material { 1; 1; 1; 1;; 0; 0; 0; 0;; 0; 0; 0;; }
  Material { 0; 0; 1; 1;; 0; 0; 0; 0;; 0; 0; 0;; }
 }
)";
    ASSERT_EQ(LoadText(kXHeader + CubeMesh(list)), D3D_OK);
    const std::vector<WORD> indices = ReadIndices(mesh);
    const int sideOrder[6] = {1, 3, 5, 0, 2, 4};
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(indices[slot * 6], kQuads[sideOrder[slot]][0]) << "slot " << slot;
        EXPECT_EQ(indices[slot * 6 + 5], kQuads[sideOrder[slot]][3]) << "slot " << slot;
    }
    const auto table = ReadAttributeTable(mesh);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1].FaceStart, 6u);
}

// Each corner touches three sides with three normals: it keeps the first and gains two copies, appended
// after the file's vertices.
TEST_F(XFileLoadTest, VerticesWithSeveralNormalsAreSplitAfterTheFilesVertices)
{
    ASSERT_EQ(LoadText(kXHeader + CubeMesh(kCubeSideNormals)), D3D_OK);
    EXPECT_EQ(mesh->GetFVF(), DWORD(D3DFVF_XYZ | D3DFVF_NORMAL));
    ASSERT_EQ(mesh->GetNumVertices(), 24u);
    ASSERT_EQ(mesh->GetNumFaces(), 12u);
    const auto vertices = ReadPositionNormals(mesh);
    for (int v = 0; v < 8; ++v)
        ExpectVec3(vertices[v].position, Corner(v), 0);
    const auto indices = ReadIndices(mesh);
    const D3DXVECTOR3 sideNormals[6] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    for (int f = 0; f < 12; ++f) {
        for (int k = 0; k < 3; ++k) {
            const PositionNormal& corner = vertices[indices[f * 3 + k]];
            ExpectVec3(corner.normal, sideNormals[f / 2]);
            ExpectVec3(corner.position, Corner(kQuads[f / 2][k == 0 ? 0 : (f % 2) + k]), 0);
        }
    }
}

TEST_F(XFileLoadTest, CommentsTemplatesAndUnknownObjectsAreSkipped)
{
    const std::string text = kXHeader + "// a comment { with braces\n# another } comment\n" + kXTemplates +
                             "Header { 1; 0; 1; }\n" +
                             "Mesh {\n" + kCubeVertices + "// between the lists\n" + kCubeFaces +
                             " VertexDuplicationIndices { 8; 8; 0, 1, 2, 3, 4, 5, 6, 7; }\n"
                             " MeshVertexColors { 1; 0; 1.0; 0.0; 0.0; 1.0;;; }\n"
                             "}\n"
                             "AnimationSet { Animation { { Cube } AnimationKey { 0; 1; 0; 3; 0, 0, 0;;; } } }\n";
    ASSERT_EQ(LoadText(text), D3D_OK);
    EXPECT_EQ(mesh->GetNumVertices(), 8u);
    EXPECT_EQ(mesh->GetNumFaces(), 12u);
    EXPECT_EQ(mesh->GetFVF(), DWORD(D3DFVF_XYZ));
    // Without a material list the mesh has one default material.
    ASSERT_EQ(numMaterials, 1u);
    const D3DXMATERIAL* entries = static_cast<const D3DXMATERIAL*>(materials->GetBufferPointer());
    EXPECT_EQ(entries[0].pTextureFilename, nullptr);
    ExpectColor(entries[0].MatD3D.Diffuse, 0.5f, 0.5f, 0.5f, 1.0f);
}

TEST_F(XFileLoadTest, NamedMaterialsCanBeReferenced)
{
    const std::string text = kXHeader +
                             "Material Gold { 1.0; 0.8; 0.0; 1.0;; 5.0; 1; 1; 1;; 0; 0; 0;; "
                             "TextureFilename { \"gold.bmp\"; } }\n" +
                             CubeMesh(" MeshMaterialList { 1; 1; 0;; { Gold } }\n");
    ASSERT_EQ(LoadText(text), D3D_OK);
    ASSERT_EQ(numMaterials, 1u);
    const D3DXMATERIAL* entries = static_cast<const D3DXMATERIAL*>(materials->GetBufferPointer());
    ExpectColor(entries[0].MatD3D.Diffuse, 1.0f, 0.8f, 0.0f, 1.0f);
    EXPECT_STREQ(entries[0].pTextureFilename, "gold.bmp");
    DWORD* attributes = nullptr;
    ASSERT_EQ(mesh->LockAttributeBuffer(0, &attributes), D3D_OK);
    EXPECT_EQ(attributes[11], 0u) << "one index given applies to every face";
    mesh->UnlockAttributeBuffer();
}

// The inner frame's transform applies first, then the outer one's: (1, 0, 0) moves up by 1 to (1, 1, 0),
// turns a quarter about z to (-1, 1, 0), and moves by 10 along x to (9, 1, 0). Normals turn too.
TEST_F(XFileLoadTest, FrameTransformsApplyFromTheInnermostFrameOut)
{
    const std::string mesh3 = "Mesh Tri { 3; 1; 0; 0;, 0; 1; 0;, 0; 0; 1;; 1; 3; 0, 1, 2;;\n"
                              " MeshNormals { 1; 1; 0; 0;; 1; 3; 0, 0, 0;; } }\n";
    const std::string text = kXHeader +
                             "Frame Outer {\n"
                             " FrameTransformMatrix { 0, 1, 0, 0,  -1, 0, 0, 0,  0, 0, 1, 0,  10, 0, 0, 1;; }\n"
                             " Frame Inner {\n"
                             "  FrameTransformMatrix { 1, 0, 0, 0,  0, 1, 0, 0,  0, 0, 1, 0,  0, 1, 0, 1;; }\n" +
                             "  " + mesh3 + " }\n}\n";
    ASSERT_EQ(LoadText(text), D3D_OK);
    const auto vertices = ReadPositionNormals(mesh);
    ASSERT_EQ(vertices.size(), 3u);
    ExpectVec3(vertices[0].position, {9, 1, 0});
    ExpectVec3(vertices[1].position, {8, 0, 0});
    ExpectVec3(vertices[2].position, {9, 0, 1});
    for (const PositionNormal& v : vertices)
        ExpectVec3(v.normal, {0, 1, 0});
}

TEST_F(XFileLoadTest, SeveralMeshesJoinIntoOne)
{
    const std::string tri = "Mesh { 3; 5; 0; 0;, 6; 0; 0;, 5; 1; 0;; 1; 3; 0, 1, 2;; }\n";
    const std::string text = kXHeader + CubeMesh(kCubeTwoMaterials) + "Frame { " + tri + "}\n";
    ASSERT_EQ(LoadText(text), D3D_OK);
    ASSERT_EQ(mesh->GetNumVertices(), 11u);
    ASSERT_EQ(mesh->GetNumFaces(), 13u);
    ASSERT_EQ(numMaterials, 3u) << "the second mesh gets a default material of its own";
    const std::vector<WORD> indices = ReadIndices(mesh);
    EXPECT_EQ(std::vector<WORD>(indices.end() - 3, indices.end()), (std::vector<WORD>{8, 9, 10}));
    const auto table = ReadAttributeTable(mesh);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[2].AttribId, 2u);
    EXPECT_EQ(table[2].FaceStart, 12u);
    EXPECT_EQ(table[2].VertexStart, 8u);
    EXPECT_EQ(table[2].VertexCount, 3u);
}

TEST_F(XFileLoadTest, WindowsStyleNamesOpen)
{
    WriteFile("Data/sausage.x", FullCubeFile());
    ASSERT_EQ(Load(folder + "\\Data\\sausage.x"), D3D_OK);
    EXPECT_EQ(mesh->GetNumFaces(), 12u);
}

TEST_F(XFileLoadTest, MissingFileIsReportedAndGivesNoMesh)
{
    WriteFile("other.x", FullCubeFile());
    EXPECT_EQ(Load(folder + "/absent.x"), D3DERR_NOTFOUND);
    EXPECT_EQ(mesh, nullptr);
    EXPECT_EQ(materials, nullptr);
    EXPECT_EQ(adjacency, nullptr);
    EXPECT_EQ(numMaterials, 0u);
}

}  // namespace
}  // namespace d3dx8_mesh_test
