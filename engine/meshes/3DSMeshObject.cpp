#include "meshes/3DSMeshObject.h"

#include <cstdio>

#include "platform_files.h"

namespace {

void ShowMessage(const std::string& text, const std::string& caption)
{
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace

void C3DSMeshObject::DisplayError(CString text) { MessageBoxA(nullptr, text, "3DS importer Error", MB_OK); }

void C3DSMeshObject::CleanUp() { CBaseObject::CleanUp(); }

void C3DSMeshObject::Init()
{
    PreInit();
    if (!ReadModel()) {
        DisplayError("unknown error. unable to load the model");
        return;
    }
    if (m_nObjects > 1)
        DisplayError("Warning: 3DS file contains more than one object. only the first will be displayed");
    if (m_Objects.empty())
        return;
    const S3DSObject& object = m_Objects[0];

    // An object without a material it could find is drawn white and untextured.
    const bool hasMaterial = object.materialId >= 0 && object.materialId < static_cast<int32_t>(m_Materials.size());
    SetNumberMaterials(1);
    if (hasMaterial && object.hasTexture) {
        CString path;
        path.Format("%s%s", static_cast<const char*>(m_strDirectory), m_Materials[object.materialId].textureFile);
        SetTexture(path, 0);
    }
    SetNumberVertices(object.numVertices);
    SetNumberFaces(object.numFaces);
    CBaseObject::Init();

    // Bytes are scaled by 1/256, so a full byte stays just below 1.
    float r = 1.0f, g = 1.0f, b = 1.0f;
    if (hasMaterial) {
        const uint8_t* color = m_Materials[object.materialId].color;
        r = color[0] * 0.00390625f;
        g = color[1] * 0.00390625f;
        b = color[2] * 0.00390625f;
    }
    SetAmbientColor({r, g, b, 1.0f}, 0);
    SetDiffuseColor({r, g, b, 1.0f}, 0);
    SetSpecularColor({0.0f, 0.0f, 0.0f, 1.0f}, 0);
    SetEmissiveColor({0.0f, 0.0f, 0.0f, 1.0f}, 0);
    FillBuffers(object, r, g, b);
    m_strType = "C3DSMeshObject";
}

// The whole file goes to the chunk reader; a damaged file keeps what was read before the damage.
bool C3DSMeshObject::ReadModel()
{
    m_nObjects = 0;
    m_nMaterialCount = 0;
    m_Materials.clear();
    m_Objects.clear();

    FILE* file = platform::OpenFile(m_strFilename, "rb");
    if (!file) {
        CString text;
        text.Format("Unable to find the file: %s!", static_cast<const char*>(m_strFilename));
        MessageBoxA(nullptr, text, "Error", MB_OK);
        return false;
    }
    std::vector<uint8_t> bytes;
    uint8_t block[65536];
    size_t got;
    while ((got = std::fread(block, 1, sizeof(block), file)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    std::fclose(file);

    S3DSModel model;
    C3DSChunkReader reader(ShowMessage);
    if (reader.Read(bytes.data(), bytes.size(), static_cast<const char*>(m_strFilename), model) == E3DSRead::Failed)
        return false;
    m_nObjects = model.numObjects;
    m_nMaterialCount = model.numMaterials;
    m_Materials = std::move(model.materials);
    m_Objects = std::move(model.objects);
    return true;
}

// Vertex colours take the scaled material colour times 255, truncated; v is flipped for the engine.
// A vertex without a texture coordinate gets (0, 0).
void C3DSMeshObject::FillBuffers(const S3DSObject& object, float r, float g, float b)
{
    unsigned long count = 0;
    if (WORD* indices = LockIB(count)) {
        for (const S3DSFace& face : object.faces) {
            for (uint32_t index : face.vertIndex)
                *indices++ = static_cast<WORD>(index);
        }
        UnlockIB();
    }
    const DWORD color = 0xFF000000u + static_cast<DWORD>(static_cast<int>(r * 255.0)) * 65536u +
                        static_cast<DWORD>(static_cast<int>(g * 255.0)) * 256u +
                        static_cast<DWORD>(static_cast<int>(b * 255.0));
    if (S3DVERTEX* vertices = LockVB(count)) {
        for (size_t i = 0; i < object.vertices.size(); ++i) {
            const S3DSVector3& p = object.vertices[i];
            const S3DSVector3& n = object.normals[i];
            const S3DSVector2 uv = i < object.texCoords.size() ? object.texCoords[i] : S3DSVector2{0.0f, 1.0f};
            vertices[i] = {p.x, p.y, p.z, n.x, n.y, n.z, color, uv.u, 1.0f - uv.v};
        }
        UnlockVB(false);
    }
}
