// 3DS meshes: the first object of a file becomes the object's buffers with its material's colour
// (bytes over 256) and texture in the mesh's folder; the loader's message boxes; files that cannot be
// read, hold no object or are damaged.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "3ds_file_builder.h"
#include "meshes/3DSMeshObject.h"
#include "platform_hooks.h"
#include "../objects/object_test_support.h"

namespace {

using Box = std::pair<std::string, std::string>;

class CInspected3DSMesh : public C3DSMeshObject {
public:
    std::vector<D3DMATERIAL8> Materials() const { return m_pMaterials; }
    std::vector<CString> TextureNames() const { return m_pTextureNames; }
    int ModelObjects() const { return m_nObjects; }
};

struct SLoaded {
    std::vector<S3DVERTEX> vertices;
    std::vector<WORD> indices;
    CString type;
    std::vector<D3DMATERIAL8> materials;
    std::vector<CString> textures;
    bool hasBuffer = false;
    std::vector<Box> boxes;
    int modelObjects = 0;
};

class ThreeDSMesh : public ::testing::Test {
protected:
    void SetUp() override
    {
        char folder[] = "/tmp/varnix_3ds_XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        m_Folder = folder;
        platform::SetMessageBoxHandler([this](HWND owner, const std::string& text, const std::string& caption, UINT) {
            EXPECT_EQ(owner, nullptr);
            m_Boxes.push_back({text, caption});
            return IDOK;
        });
    }
    void TearDown() override
    {
        platform::SetMessageBoxHandler(nullptr);
        for (const std::string& file : m_Files)
            std::remove(file.c_str());
        rmdir(m_Folder.c_str());
    }

    // Writes the bytes and answers the file's name as the engine gives it, with a backslash.
    std::string Write(const std::string& name, const Bytes& bytes)
    {
        const std::string path = m_Folder + "/" + name;
        FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        m_Files.push_back(path);
        return m_Folder + "\\" + name;
    }

    // Loads the file; with reload, cleans up and loads it once more before looking.
    SLoaded Load(const std::string& windowsName, bool reload = false)
    {
        SLoaded loaded;
        m_Boxes.clear();
        RunScreen({}, [&] {
            CInspected3DSMesh mesh;
            mesh.SetFilename(windowsName.c_str());
            mesh.Init();
            if (reload) {
                mesh.CleanUp();
                mesh.Init();
            }
            loaded.vertices = ReadVertices(mesh);
            loaded.indices = ReadIndices(mesh);
            loaded.type = mesh.GetObjType();
            loaded.materials = mesh.Materials();
            loaded.textures = mesh.TextureNames();
            loaded.hasBuffer = mesh.GetVB() != nullptr;
            loaded.modelObjects = mesh.ModelObjects();
            mesh.CleanUp();
        });
        loaded.boxes = m_Boxes;
        return loaded;
    }

    std::string m_Folder;
    std::vector<std::string> m_Files;
    std::vector<Box> m_Boxes;
};

const Box kMoreThanOne{"Warning: 3DS file contains more than one object. only the first will be displayed",
                       "3DS importer Error"};
const Box kUnknown{"unknown error. unable to load the model", "3DS importer Error"};

TEST_F(ThreeDSMesh, TheFirstObjectIsDrawnYUpWithItsMaterialColourAndTextureAfterOneWarning)
{
    const SLoaded box = Load(Write("two.3ds", TwoObjectFile()));
    EXPECT_EQ(box.boxes, std::vector<Box>{kMoreThanOne});
    EXPECT_EQ(box.type, CString("C3DSMeshObject"));
    ASSERT_EQ(box.vertices.size(), 4u);
    EXPECT_EQ(box.indices, (std::vector<WORD>{0, 1, 2, 1, 3, 2}));
    const S3DVERTEX& v = box.vertices[0];
    EXPECT_EQ(v.x, 1.0f);
    EXPECT_EQ(v.y, 3.0f);
    EXPECT_EQ(v.z, -2.0f);
    EXPECT_EQ(v.tu, 0.25f);
    EXPECT_EQ(v.tv, 0.25f);  // 1 - v
    EXPECT_NEAR(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz, 1.0f, 1e-5f);
    // "Blue" is (128, 64, 255): 0.5, 0.25 and 255/256 in the material, 127, 63 and 254 in the vertices.
    for (const S3DVERTEX& vertex : box.vertices)
        EXPECT_EQ(vertex.color, 0xFF7F3FFEu);
    ASSERT_EQ(box.materials.size(), 1u);
    const D3DMATERIAL8& m = box.materials[0];
    EXPECT_EQ(m.Diffuse.r, 0.5f);
    EXPECT_EQ(m.Diffuse.g, 0.25f);
    EXPECT_EQ(m.Diffuse.b, 0.99609375f);
    EXPECT_EQ(m.Diffuse.a, 1.0f);
    EXPECT_EQ(m.Ambient.r, 0.5f);
    EXPECT_EQ(m.Ambient.b, 0.99609375f);
    EXPECT_EQ(m.Specular.r + m.Specular.g + m.Specular.b + m.Emissive.r + m.Emissive.g + m.Emissive.b, 0.0f);
    EXPECT_EQ(m.Specular.a, 1.0f);
    EXPECT_EQ(m.Emissive.a, 1.0f);
    EXPECT_EQ(box.textures, std::vector<CString>{CString()});  // "Blue" has no texture
}

TEST_F(ThreeDSMesh, ATexturedMaterialNamesItsFileInTheMeshFolder)
{
    const SLoaded tri = Load(Write("tex.3ds", File3DS({
        Material("Red", 255, 0, 128, "skin.bmp"),
        Object("Tri", {VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), FaceList({{0, 1, 2}}, "Red")}),
    })));
    EXPECT_TRUE(tri.boxes.empty());
    EXPECT_EQ(tri.textures, std::vector<CString>{(m_Folder + "\\skin.bmp").c_str()});
    ASSERT_EQ(tri.vertices.size(), 3u);
    EXPECT_EQ(tri.vertices[0].color, 0xFFFE007Fu);
}

TEST_F(ThreeDSMesh, AnObjectWithoutMaterialOrTextureCoordinatesIsWhiteAndUntextured)
{
    const SLoaded plain = Load(Write("plain.3ds", File3DS({
        Material("Other", 1, 2, 3, "o.bmp"),
        Object("Tri", {VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), FaceList({{0, 1, 2}}, "Missing")}),
    })));
    ASSERT_EQ(plain.vertices.size(), 3u);
    for (const S3DVERTEX& v : plain.vertices) {
        EXPECT_EQ(v.color, 0xFFFFFFFFu);
        EXPECT_EQ(v.tu, 0.0f);
        EXPECT_EQ(v.tv, 0.0f);
    }
    ASSERT_EQ(plain.materials.size(), 1u);
    EXPECT_EQ(plain.materials[0].Diffuse.g, 1.0f);
    EXPECT_EQ(plain.materials[0].Ambient.b, 1.0f);
    EXPECT_EQ(plain.textures, std::vector<CString>{CString()});

    const SLoaded bare = Load(Write("bare.3ds", File3DS({Object("Tri", {VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}),
                                                                         FaceList({{0, 1, 2}})})})));
    ASSERT_EQ(bare.vertices.size(), 3u);
    EXPECT_EQ(bare.vertices[1].color, 0xFFFFFFFFu);
}

TEST_F(ThreeDSMesh, FilesThatCannotBeReadShowTheirMessageThenTheImportersAndStayEmpty)
{
    const SLoaded missing = Load(m_Folder + "\\missing.3ds");
    EXPECT_EQ(missing.boxes,
              (std::vector<Box>{{"Unable to find the file: " + m_Folder + "\\missing.3ds!", "Error"}, kUnknown}));
    EXPECT_FALSE(missing.hasBuffer);
    EXPECT_TRUE(missing.type.IsEmpty());

    const std::string other = Write("other.3ds", Chunk(0x3D3D).Add(Chunk(0x3D3E).Dword(3)).Build());
    const SLoaded notPrimary = Load(other);
    EXPECT_EQ(notPrimary.boxes,
              (std::vector<Box>{{"Unable to load PRIMARY chuck from file: " + other + "!", "Error"}, kUnknown}));
    EXPECT_FALSE(notPrimary.hasBuffer);
}

TEST_F(ThreeDSMesh, AFileWithoutObjectsLeavesTheObjectEmptyWithoutMessages)
{
    const SLoaded empty = Load(Write("empty.3ds", File3DS({Material("M", 1, 2, 3)})));
    EXPECT_TRUE(empty.boxes.empty());
    EXPECT_FALSE(empty.hasBuffer);
    EXPECT_TRUE(empty.vertices.empty());
}

TEST_F(ThreeDSMesh, ADamagedFileShowsItsMessageAndDrawsWhatWasReadBeforeTheDamage)
{
    const std::string name = Write("bad.3ds", File3DS({Object(
        "Bad", {VertexList({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}), FaceList({{0, 1, 2}, {0, 1, 9}})})}, 5));
    const SLoaded bad = Load(name);
    EXPECT_EQ(bad.boxes,
              (std::vector<Box>{{"This 3DS file is over version 3 so it may load incorrectly", "Warning"},
                                {"The face 1 of object Bad uses vertex 9 past its 3 vertices in file: " + name + "!",
                                 "Error"}}));
    EXPECT_EQ(bad.vertices.size(), 3u);
    EXPECT_EQ(bad.indices, (std::vector<WORD>{0, 1, 2}));
    EXPECT_EQ(bad.type, CString("C3DSMeshObject"));
}

TEST_F(ThreeDSMesh, InitAfterCleanUpReadsTheFileIntoAnEmptiedModel)
{
    const SLoaded again = Load(Write("again.3ds", TwoObjectFile()), true);
    EXPECT_EQ(again.boxes, (std::vector<Box>{kMoreThanOne, kMoreThanOne}));
    EXPECT_EQ(again.modelObjects, 2);
    EXPECT_EQ(again.vertices.size(), 4u);
}

}  // namespace
