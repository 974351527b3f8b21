// Reads the data of a text .x file: every Mesh (at the top level or inside Frames), with its normals,
// texture coordinates and materials, and the frame transforms above it. Malformed input throws
// FormatError; nothing is read past the end of the text.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "d3dx8mesh.h"
#include "xfile_tokenizer.h"

namespace xfile {

struct FormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Material {
    D3DMATERIAL8 material{};
    std::string textureFilename;
    bool hasTexture = false;
};

// Polygons as stored: corner counts, and their corner indices one after another.
struct Polygons {
    std::vector<uint32_t> cornerCounts;
    std::vector<uint32_t> corners;
};

struct MeshData {
    D3DXMATRIX transform;  // frame transforms from the innermost frame outwards, applied to row vectors
    std::vector<D3DXVECTOR3> positions;
    Polygons faces;
    std::vector<D3DXVECTOR3> normals;
    Polygons normalFaces;  // the same shape as faces, indexing normals; empty without MeshNormals
    std::vector<D3DXVECTOR2> texCoords;  // one per position, or empty
    std::vector<Material> materials;     // empty without MeshMaterialList
    std::vector<DWORD> faceMaterials;    // one per polygon when materials are present
};

struct Scene {
    std::vector<MeshData> meshes;
};

// The text after the header; checks the header first. Throws FormatError.
Scene ParseText(std::string_view file);

class Parser {
public:
    explicit Parser(std::string_view body) : tokens_(body) {}
    Scene ParseAll();

private:
    // Objects
    void ParseTopLevelObject(const Token& type);
    void ParseFrame(int depth);
    void ParseFrameTransform(D3DXMATRIX& local);
    void ParseMesh(int depth);
    void ParseMeshChild(MeshData& mesh, const Token& type, int depth);
    void ParseMeshNormals(MeshData& mesh);
    void ParseTextureCoords(MeshData& mesh);
    void ParseMaterialList(MeshData& mesh, int depth);
    Material ParseMaterial(int depth);
    std::string ParseTextureFilename();
    Polygons ParsePolygons(uint32_t vertexLimit);

    // Structure
    void OpenObject();
    void ExpectClose();
    void SkipBody(int depth);
    void SkipReference();
    std::string_view ReadReference();
    void CheckDepth(int depth);

    // Values; separators before a value are skipped
    uint32_t ReadCount();
    float ReadFloat();
    D3DXVECTOR3 ReadVector();
    D3DCOLORVALUE ReadColor(bool withAlpha);
    Token NextSkippingSeparators();

    Tokenizer tokens_;
    Scene scene_;
    std::map<std::string, Material, std::less<>> namedMaterials_;
};

}  // namespace xfile
