// The mesh objects of a text .x file: Mesh with its MeshNormals, MeshTextureCoords and MeshMaterialList
// children, Material and TextureFilename. Every count and index is checked against what it refers to.
#include "xfile_parser.h"

namespace xfile {
namespace {

bool IsName(const Token& token, std::string_view name)
{
    return token.kind == TokenKind::Name && token.text == name;
}

}  // namespace

void Parser::ParseMesh(int depth)
{
    CheckDepth(depth);
    OpenObject();
    MeshData mesh;
    D3DXMatrixIdentity(&mesh.transform);
    const uint32_t vertexCount = ReadCount();
    for (uint32_t v = 0; v < vertexCount; ++v)
        mesh.positions.push_back(ReadVector());
    mesh.faces = ParsePolygons(vertexCount);
    for (Token token = NextSkippingSeparators(); token.kind != TokenKind::CloseBrace;
         token = NextSkippingSeparators()) {
        if (token.kind == TokenKind::OpenBrace)
            SkipReference();
        else if (token.kind == TokenKind::Name)
            ParseMeshChild(mesh, token, depth + 1);
        else
            throw FormatError("unexpected token in Mesh");
    }
    scene_.meshes.push_back(std::move(mesh));
}

void Parser::ParseMeshChild(MeshData& mesh, const Token& type, int depth)
{
    CheckDepth(depth);
    if (IsName(type, "MeshNormals")) {
        ParseMeshNormals(mesh);
    } else if (IsName(type, "MeshTextureCoords")) {
        ParseTextureCoords(mesh);
    } else if (IsName(type, "MeshMaterialList")) {
        ParseMaterialList(mesh, depth);
    } else {
        OpenObject();
        SkipBody(depth);
    }
}

// A count, then that many polygons of at least three corners, each corner below vertexLimit.
Polygons Parser::ParsePolygons(uint32_t vertexLimit)
{
    Polygons polygons;
    const uint32_t count = ReadCount();
    for (uint32_t face = 0; face < count; ++face) {
        const uint32_t corners = ReadCount();
        if (corners < 3)
            throw FormatError("face with fewer than three corners");
        polygons.cornerCounts.push_back(corners);
        for (uint32_t corner = 0; corner < corners; ++corner) {
            const uint32_t index = ReadCount();
            if (index >= vertexLimit)
                throw FormatError("face index out of range");
            polygons.corners.push_back(index);
        }
    }
    return polygons;
}

void Parser::ParseMeshNormals(MeshData& mesh)
{
    OpenObject();
    mesh.normals.clear();
    const uint32_t normalCount = ReadCount();
    for (uint32_t n = 0; n < normalCount; ++n)
        mesh.normals.push_back(ReadVector());
    mesh.normalFaces = ParsePolygons(normalCount);
    if (mesh.normalFaces.cornerCounts != mesh.faces.cornerCounts)
        throw FormatError("normal faces do not match the mesh's faces");
    ExpectClose();
}

void Parser::ParseTextureCoords(MeshData& mesh)
{
    OpenObject();
    mesh.texCoords.clear();
    const uint32_t count = ReadCount();
    if (count != mesh.positions.size())
        throw FormatError("texture coordinate count differs from vertex count");
    for (uint32_t v = 0; v < count; ++v) {
        const float u = ReadFloat();
        mesh.texCoords.emplace_back(u, ReadFloat());
    }
    ExpectClose();
}

// Material ids per face, then the materials themselves, inline or as references to named ones. Fewer ids
// than faces give the remaining faces the last id (id 0 when none is given).
void Parser::ParseMaterialList(MeshData& mesh, int depth)
{
    OpenObject();
    mesh.materials.clear();
    mesh.faceMaterials.clear();
    const uint32_t materialCount = ReadCount();
    const uint32_t indexCount = ReadCount();
    const size_t faceCount = mesh.faces.cornerCounts.size();
    if (indexCount > faceCount)
        throw FormatError("material index count does not fit the faces");
    for (uint32_t i = 0; i < indexCount; ++i) {
        const uint32_t material = ReadCount();
        if (material >= materialCount)
            throw FormatError("material index out of range");
        mesh.faceMaterials.push_back(material);
    }
    mesh.faceMaterials.resize(faceCount, mesh.faceMaterials.empty() ? 0 : mesh.faceMaterials.back());
    for (Token token = NextSkippingSeparators(); token.kind != TokenKind::CloseBrace;
         token = NextSkippingSeparators()) {
        if (IsName(token, "Material")) {
            mesh.materials.push_back(ParseMaterial(depth + 1));
        } else if (token.kind == TokenKind::OpenBrace) {
            const auto named = namedMaterials_.find(ReadReference());
            if (named == namedMaterials_.end())
                throw FormatError("reference to an unknown material");
            mesh.materials.push_back(named->second);
        } else if (token.kind == TokenKind::Name) {
            OpenObject();
            SkipBody(depth + 1);
        } else {
            throw FormatError("unexpected token in MeshMaterialList");
        }
    }
    if (mesh.materials.size() != materialCount)
        throw FormatError("material count differs from the materials given");
    if (materialCount == 0)
        mesh.faceMaterials.clear();
}

// Face colour (diffuse, with alpha), power, specular and emissive colours; the ambient colour stays zero.
Material Parser::ParseMaterial(int depth)
{
    CheckDepth(depth);
    OpenObject();
    Material material;
    material.material.Diffuse = ReadColor(true);
    material.material.Power = ReadFloat();
    material.material.Specular = ReadColor(false);
    material.material.Emissive = ReadColor(false);
    for (Token token = NextSkippingSeparators(); token.kind != TokenKind::CloseBrace;
         token = NextSkippingSeparators()) {
        if (IsName(token, "TextureFilename") || IsName(token, "TextureFileName")) {
            material.textureFilename = ParseTextureFilename();
            material.hasTexture = true;
        } else if (token.kind == TokenKind::OpenBrace) {
            SkipReference();
        } else if (token.kind == TokenKind::Name) {
            OpenObject();
            SkipBody(depth + 1);
        } else {
            throw FormatError("unexpected token in Material");
        }
    }
    return material;
}

// The file name exactly as written between the quotes; backslashes are kept.
std::string Parser::ParseTextureFilename()
{
    OpenObject();
    const Token name = NextSkippingSeparators();
    if (name.kind != TokenKind::String)
        throw FormatError("texture file name expected");
    ExpectClose();
    return std::string(name.text);
}

}  // namespace xfile
