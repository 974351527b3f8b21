// Malformed .x files: each gives an error code and no mesh, materials or adjacency, and none crashes,
// hangs or reads outside the file.
#include <random>

#include "d3dx8mesh_fixture.h"
#include "d3dx8mesh_xfile_text.h"

namespace d3dx8_mesh_test {
namespace {

class XFileMalformedTest : public MeshTest {
protected:
    void ExpectRefused(const std::string& text, HRESULT expected, const std::string& what)
    {
        EXPECT_EQ(LoadText(text), expected) << what;
        EXPECT_EQ(mesh, nullptr) << what;
        EXPECT_EQ(materials, nullptr) << what;
        EXPECT_EQ(adjacency, nullptr) << what;
        EXPECT_EQ(numMaterials, 0u) << what;
        Release(mesh);
    }

    void ExpectInvalid(const std::string& text, const std::string& what)
    {
        ExpectRefused(text, D3DXERR_INVALIDDATA, what);
    }
};

std::string Tri(const std::string& vertices, const std::string& faces, const std::string& children = "")
{
    return kXHeader + "Mesh {\n" + vertices + "\n" + faces + "\n" + children + "}\n";
}

const std::string kTriVertices = "3; 0; 0; 0;, 1; 0; 0;, 0; 1; 0;;";
const std::string kTriFace = "1; 3; 0, 1, 2;;";

TEST_F(XFileMalformedTest, WellFormedTriangleLoads)
{
    ASSERT_EQ(LoadText(Tri(kTriVertices, kTriFace)), D3D_OK);
    EXPECT_EQ(mesh->GetNumFaces(), 1u);
}

TEST_F(XFileMalformedTest, BadHeadersAreRefused)
{
    ExpectInvalid("", "empty file");
    ExpectInvalid("xof 0302txt", "short header");
    ExpectInvalid("xof 0302bin 0032" + std::string(40, '\0'), "binary encoding");
    ExpectInvalid("xof 0302tzip0032" + std::string(40, '\x7f'), "compressed encoding");
    ExpectInvalid("abc 0302txt 0032\nMesh { 0;; 0;; }", "wrong magic");
    ExpectInvalid("xof 0302txt 0016\n", "bad float size");
}

TEST_F(XFileMalformedTest, BracesMustMatch)
{
    ExpectInvalid(kXHeader + "Mesh \n" + kTriVertices + kTriFace + "}\n", "missing opening brace");
    ExpectInvalid(kXHeader + "Mesh {\n" + kTriVertices + kTriFace, "missing closing brace");
    ExpectInvalid(kXHeader + "template Vector { <3D82AB5E-62DA-11cf-AB39-0020AF71E433> FLOAT x;\n",
                  "unterminated template");
    ExpectInvalid(kXHeader + "Frame { Frame { " + Tri(kTriVertices, kTriFace).substr(kXHeader.size()) + "}\n",
                  "unclosed frame");
    ExpectInvalid(kXHeader + "}\n", "stray closing brace");
}

TEST_F(XFileMalformedTest, IndicesPastWhatTheyReferToAreRefused)
{
    ExpectInvalid(Tri(kTriVertices, "1; 3; 0, 1, 3;;"), "face index past the vertex count");
    ExpectInvalid(Tri(kTriVertices, "1; 2; 0, 1;;"), "face with two corners");
    ExpectInvalid(Tri(kTriVertices, kTriFace, "MeshNormals { 1; 0; 0; 1;; 1; 3; 0, 0, 1;; }"),
                  "normal index past the normal count");
    ExpectInvalid(Tri(kTriVertices, kTriFace, "MeshNormals { 1; 0; 0; 1;; 1; 4; 0, 0, 0, 0;; }"),
                  "normal face shaped unlike the face");
    ExpectInvalid(Tri(kTriVertices, kTriFace, "MeshTextureCoords { 2; 0; 0;, 1; 1;; }"),
                  "fewer texture coordinates than vertices");
    ExpectInvalid(Tri(kTriVertices, kTriFace,
                      "MeshMaterialList { 1; 1; 1;; Material { 1; 1; 1; 1;; 0; 0; 0; 0;; 0; 0; 0;; } }"),
                  "material index past the material count");
    ExpectInvalid(Tri(kTriVertices, kTriFace, "MeshMaterialList { 2; 1; 0;; Material { 1; 1; 1; 1;; 0; 0; 0; 0;; 0; 0; 0;; } }"),
                  "fewer materials than declared");
    ExpectInvalid(Tri(kTriVertices, kTriFace, "MeshMaterialList { 1; 1; 0;; { Nowhere } }"),
                  "reference to an unknown material");
}

TEST_F(XFileMalformedTest, CountsLargerThanTheDataAreRefused)
{
    ExpectInvalid(Tri("4; 0; 0; 0;, 1; 0; 0;, 0; 1; 0;;", kTriFace), "vertex count larger than the vertices");
    ExpectInvalid(Tri(kTriVertices, "2; 3; 0, 1, 2;;"), "face count larger than the faces");
    ExpectInvalid(Tri(kTriVertices, "1; 5; 0, 1, 2;;"), "corner count larger than the corners");
    ExpectInvalid(Tri("4294967295; 0; 0; 0;;", kTriFace), "largest vertex count");
    ExpectInvalid(Tri("4294967296; 0; 0; 0;;", kTriFace), "vertex count beyond 32 bits");
    ExpectInvalid(Tri(kTriVertices, "1; 4294967295; 0, 1, 2;;"), "largest corner count");
    ExpectInvalid(Tri(kTriVertices, kTriFace, "MeshMaterialList { 1; 9; 0, 0;; }"),
                  "more material indices than faces");
}

TEST_F(XFileMalformedTest, BadValuesAreRefused)
{
    ExpectInvalid(Tri("3; 0; 0; 0;, 1; 0; 0;, 0; 1.0.0; 0;;", kTriFace), "number with two points");
    ExpectInvalid(Tri("3; 0; 0; 0;, 1; 0; 0;, 0; 1e99; 0;;", kTriFace), "number out of float range");
    ExpectInvalid(Tri("3; 0; 0; 0;, 1; 0; 0;, 0; x; 0;;", kTriFace), "name where a number belongs");
    ExpectInvalid(Tri("-3; 0; 0; 0;;", kTriFace), "negative count");
    ExpectInvalid(Tri(kTriVertices, kTriFace,
                      "MeshMaterialList { 1; 1; 0;; Material { 1; 1; 1; 1;; 0; 0; 0; 0;; 0; 0; 0;; "
                      "TextureFilename { \"never closed; } } }"),
                  "unterminated string");
    ExpectInvalid(kXHeader + "Mesh { 3; 0; 0; 0; @ }", "stray character");
}

TEST_F(XFileMalformedTest, FilesWithoutFacesHaveNoData)
{
    ExpectRefused(kXHeader, D3DXERR_LOADEDMESHASNODATA, "header only");
    ExpectRefused(kXHeader + kXTemplates, D3DXERR_LOADEDMESHASNODATA, "templates only");
    ExpectRefused(Tri("0;;", "0;;"), D3DXERR_LOADEDMESHASNODATA, "empty mesh");
}

TEST_F(XFileMalformedTest, DeepNestingIsRefusedWithoutExhaustingTheStack)
{
    std::string frames;
    for (int i = 0; i < 100; ++i)
        frames += "Frame {\n";
    frames += Tri(kTriVertices, kTriFace).substr(kXHeader.size()) + std::string(100, '}');
    ExpectInvalid(kXHeader + frames, "frames nested 100 deep");
    ExpectInvalid(kXHeader + "Unknown " + std::string(200000, '{') + std::string(200000, '}'),
                  "unknown object nested 200000 deep");
    std::string shallow;
    for (int i = 0; i < 30; ++i)
        shallow += "Frame {\n";
    ASSERT_EQ(LoadText(kXHeader + shallow + Tri(kTriVertices, kTriFace).substr(kXHeader.size()) +
                       std::string(30, '}')),
              D3D_OK)
        << "ordinary nesting still loads";
}

// Cut anywhere before its last brace, the cube file is incomplete and must be refused.
TEST_F(XFileMalformedTest, TruncatedFilesAreRefused)
{
    const std::string full = FullCubeFile();
    const size_t lastBrace = full.rfind('}');
    for (size_t length = 0; length < lastBrace; length += 7) {
        const HRESULT hr = LoadText(full.substr(0, length));
        EXPECT_TRUE(hr == D3DXERR_INVALIDDATA || hr == D3DXERR_LOADEDMESHASNODATA) << "cut at " << length;
        ASSERT_EQ(mesh, nullptr) << "cut at " << length;
        Release(materials);
        Release(adjacency);
    }
}

TEST_F(XFileMalformedTest, RandomBytesAreRefused)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 200; ++round) {
        std::string text = round % 2 ? kXHeader : std::string();
        const int length = 1 + round * 13;
        for (int i = 0; i < length; ++i)
            text += char(byte(random));
        EXPECT_TRUE(FAILED(LoadText(text))) << "round " << round;
        ASSERT_EQ(mesh, nullptr) << "round " << round;
        Release(materials);
        Release(adjacency);
    }
}

// The cube file with one token replaced by random bytes, many times: either it loads a mesh whose
// indices stay within its vertices, or it is refused.
TEST_F(XFileMalformedTest, MutatedFilesLoadConsistentlyOrAreRefused)
{
    const std::string full = FullCubeFile();
    std::mt19937 random(7);
    std::uniform_int_distribution<size_t> position(kXHeader.size(), full.size() - 1);
    const char replacements[] = {'{', '}', ';', ',', '9', '-', '"', '\0', 'x', ' '};
    for (int round = 0; round < 300; ++round) {
        std::string text = full;
        text[position(random)] = replacements[round % sizeof replacements];
        if (FAILED(LoadText(text))) {
            ASSERT_EQ(mesh, nullptr);
            continue;
        }
        for (WORD index : ReadIndices(mesh))
            ASSERT_LT(index, mesh->GetNumVertices()) << "round " << round;
        Release(mesh);
        Release(materials);
        Release(adjacency);
    }
}

}  // namespace
}  // namespace d3dx8_mesh_test
