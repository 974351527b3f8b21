// The LightWave object's life cycle: the file buffer, the load through the reader and the device
// buffers built from the points and indexes it read.
#include "meshes/LWMeshObject.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "platform_files.h"

namespace {

constexpr size_t kMaxFileBytes = 1000000;

}  // namespace

CLWMeshObject::CLWMeshObject() : m_nFileLength(0), m_Target(*this), m_Reader(m_Target) { InitLwoParameters(); }

CLWMeshObject::~CLWMeshObject() = default;

void CLWMeshObject::InitLwoParameters()
{
    m_pFileBuffer.clear();
    m_nFileLength = 0;
    m_Reader.Reset();
    SetNumberVertices(0);
    SetNumberFaces(0);
}

bool CLWMeshObject::OpenFileInBuffer(CString filename)
{
    FILE* file = platform::OpenFile(filename, "rb");
    if (!file)
        return false;
    std::vector<unsigned char> scratch(kMaxFileBytes);
    const size_t read = std::fread(scratch.data(), 1, scratch.size(), file);
    std::fclose(file);
    m_pFileBuffer.assign(scratch.begin(), scratch.begin() + read);
    m_nFileLength = static_cast<uint32_t>(read);
    return true;
}

void CLWMeshObject::DisplayError(CString message) { MessageBoxA(nullptr, message, kErrorCaption, MB_OK); }

CLWObjectReader::SOptions CLWMeshObject::ReadOptions(bool readTags) const
{
    CLWObjectReader::SOptions options;
    options.readTags = readTags;
    options.readPolygonUvs = m_bDrawTexture;
    options.flatShading = m_bFlatShading;
    return options;
}

// A file that cannot be opened is an empty model, without a message.
void CLWMeshObject::LoadMesh(CString filename, bool readTags, const SLWVertex* reference, int referenceCount)
{
    if (!OpenFileInBuffer(filename))
        return;
    const bool whole =
        m_Reader.Read(m_pFileBuffer.data(), m_nFileLength, ReadOptions(readTags), reference, referenceCount);
    SetNumberVertices(m_Reader.VertexCount());
    SetNumberFaces(m_Reader.FaceCount());
    if (whole) {
        m_vBoxMin = m_Reader.BoxMin();
        m_vBoxMax = m_Reader.BoxMax();
    }
}

void CLWMeshObject::Init()
{
    PreInit();
    InitLwoParameters();
    LoadMesh(m_strFilename, true, nullptr);
    CBaseObject::Init();
    CopyToBuffers();
    m_Reader.ReleaseMesh();
}

// A failed load may leave fewer working entries than the counts promise; the rest stays zero.
void CLWMeshObject::CopyToBuffers()
{
    const std::vector<uint16_t>& points = m_Reader.Indexes();
    const std::vector<SLWVertex>& working = m_Reader.Points();
    unsigned long count = 0;
    if (WORD* indexes = LockIB(count)) {
        const size_t n = std::min<size_t>(count * 3, points.size());
        std::copy(points.begin(), points.begin() + n, indexes);
        std::fill(indexes + n, indexes + count * 3, WORD{0});
        UnlockIB();
    }
    if (S3DVERTEX* vertices = LockVB(count)) {
        for (unsigned long i = 0; i < count; ++i) {
            const SLWVertex p = i < working.size() ? working[i] : SLWVertex{};
            vertices[i] = {p.x, p.y, p.z, p.nx, p.ny, p.nz, 0xFFFFFFFF, p.u, p.v};
        }
        UnlockVB(false);
    }
}

void CLWMeshObject::CleanUp()
{
    m_pFileBuffer.clear();
    m_pFileBuffer.shrink_to_fit();
    m_nFileLength = 0;
    CBaseObject::CleanUp();
}

void CLWMeshObject::CTarget::SetNumberMaterials(int count) { m_Mesh.SetNumberMaterials(count); }

void CLWMeshObject::CTarget::SetMaterialIndex(int material, int faceEnd) { m_Mesh.SetMaterialIndex(material, faceEnd); }

void CLWMeshObject::CTarget::SetAmbientColor(D3DCOLORVALUE color, int material)
{
    m_Mesh.SetAmbientColor(color, material);
}

void CLWMeshObject::CTarget::SetDiffuseColor(D3DCOLORVALUE color, int material)
{
    m_Mesh.SetDiffuseColor(color, material);
}

void CLWMeshObject::CTarget::SetSpecularColor(D3DCOLORVALUE color, int material)
{
    m_Mesh.SetSpecularColor(color, material);
}

void CLWMeshObject::CTarget::SetEmissiveColor(D3DCOLORVALUE color, int material)
{
    m_Mesh.SetEmissiveColor(color, material);
}

// Textures named in the model are looked up in the model's directory.
void CLWMeshObject::CTarget::SetClipTexture(CString clipName, int material)
{
    CString file;
    file.Format("%s%s", static_cast<const char*>(m_Mesh.m_strDirectory), static_cast<const char*>(clipName));
    m_Mesh.SetTexture(file, material);
}

void CLWMeshObject::CTarget::DisplayError(CString message) { m_Mesh.DisplayError(message); }
