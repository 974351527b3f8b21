#include "meshes/3DSChunkReader.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

enum : uint16_t {
    CHUNK_PRIMARY = 0x4D4D,
    CHUNK_VERSION = 0x0002,
    CHUNK_EDITOR = 0x3D3D,
    CHUNK_OBJECT = 0x4000,
    CHUNK_MATERIAL = 0xAFFF,
    CHUNK_TRIANGLES = 0x4100,
    CHUNK_VERTICES = 0x4110,
    CHUNK_FACES = 0x4120,
    CHUNK_FACE_MATERIAL = 0x4130,
    CHUNK_TEXCOORDS = 0x4140,
    CHUNK_MATERIAL_NAME = 0xA000,
    CHUNK_DIFFUSE = 0xA020,
    CHUNK_TEXTURE_MAP = 0xA200,
    CHUNK_TEXTURE_FILE = 0xA300,
};

constexpr uint32_t kHeaderSize = 6;
// Deeper nesting than any real file uses; it bounds the recursion of nested mesh and map chunks.
constexpr int kMaxDepth = 32;

std::string Format(const char* format, ...)
{
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof(text), format, args);
    va_end(args);
    return text;
}

uint16_t Word(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

uint32_t Dword(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

S3DSVector3 Sub(const S3DSVector3& a, const S3DSVector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

S3DSVector3 Cross(const S3DSVector3& a, const S3DSVector3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

}  // namespace

C3DSChunkReader::C3DSChunkReader(MessageFunction message) : m_Message(std::move(message)) {}

E3DSRead C3DSChunkReader::Read(const uint8_t* data, size_t size, const std::string& path, S3DSModel& model)
{
    m_pData = data;
    m_nSize = size;
    m_nPos = 0;
    m_strPath = path;
    m_pModel = &model;
    m_nEditorDepth = 0;
    m_bTruncated = false;
    m_nTruncatedId = 0;

    if (size < kHeaderSize || Word(data) != CHUNK_PRIMARY) {
        m_Message(Format("Unable to load PRIMARY chuck from file: %s!", path.c_str()), "Error");
        return E3DSRead::Failed;
    }
    E3DSRead result = E3DSRead::Complete;
    try {
        // The whole file stands as the parent of the primary chunk, so that it is bounded like any other.
        S3DSChunk file;
        file.length = static_cast<uint32_t>(size > UINT32_MAX ? UINT32_MAX : size);
        S3DSChunk primary;
        ReadHeader(primary, file);
        WalkPrimary(primary);
        if (m_bTruncated)
            PastEndOfFile(m_nTruncatedId);
    } catch (const SDamage&) {
        result = E3DSRead::Damaged;
    }
    for (S3DSObject& object : model.objects)
        ComputeNormals(object);
    return result;
}

uint32_t C3DSChunkReader::Left(const S3DSChunk& chunk) const { return chunk.length - chunk.bytesRead; }

void C3DSChunkReader::PastEndOfFile(uint16_t id)
{
    Damage(Format("The chunk 0x%04X runs past the end of the file: %s!", id, m_strPath.c_str()));
}

void C3DSChunkReader::Damage(const std::string& text)
{
    m_Message(text, "Error");
    throw SDamage{};
}

void C3DSChunkReader::CutShort(const S3DSChunk& chunk)
{
    if (m_bTruncated && m_nPos + Left(chunk) == m_nSize)
        PastEndOfFile(chunk.id);
    Damage(Format("The chunk 0x%04X is cut short in file: %s!", chunk.id, m_strPath.c_str()));
}

// A chunk must fit in what is left of its parent. One that runs past the end of the file (and with it
// every chunk around it) is walked as far as the file goes: the walk stops at the first read that needs
// the missing bytes, or reports the cut when the file ends on a chunk boundary.
void C3DSChunkReader::ReadHeader(S3DSChunk& chunk, const S3DSChunk& parent)
{
    if (Left(parent) < kHeaderSize)
        CutShort(parent);
    chunk.id = Word(m_pData + m_nPos);
    chunk.length = Dword(m_pData + m_nPos + 2);
    chunk.bytesRead = kHeaderSize;
    if (chunk.length < kHeaderSize)
        Damage(Format("The chunk 0x%04X has a size below its header in file: %s!", chunk.id, m_strPath.c_str()));
    // The parent lies within the file, so it has no more room than the file has bytes.
    const size_t inFile = m_nSize - m_nPos;
    if (chunk.length > Left(parent) && Left(parent) < inFile) {
        Damage(Format("The chunk 0x%04X runs past the end of its parent 0x%04X in file: %s!", chunk.id, parent.id,
                      m_strPath.c_str()));
    }
    if (chunk.length > inFile) {
        if (!m_bTruncated) {
            m_bTruncated = true;
            m_nTruncatedId = chunk.id;
        }
        chunk.length = static_cast<uint32_t>(inFile);
    }
    m_nPos += kHeaderSize;
}

void C3DSChunkReader::Skip(S3DSChunk& chunk)
{
    m_nPos += Left(chunk);
    chunk.bytesRead = chunk.length;
}

void C3DSChunkReader::Take(S3DSChunk& chunk, void* out, uint32_t bytes)
{
    if (Left(chunk) < bytes)
        CutShort(chunk);
    std::memcpy(out, m_pData + m_nPos, bytes);
    m_nPos += bytes;
    chunk.bytesRead += bytes;
}

uint16_t C3DSChunkReader::TakeWord(S3DSChunk& chunk)
{
    uint8_t bytes[2];
    Take(chunk, bytes, 2);
    return Word(bytes);
}

float C3DSChunkReader::TakeFloat(S3DSChunk& chunk)
{
    uint8_t bytes[4];
    Take(chunk, bytes, 4);
    const uint32_t bits = Dword(bytes);
    float value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

// A zero-terminated string; a longer one than out holds is cut, but is still read to its end.
void C3DSChunkReader::TakeString(S3DSChunk& chunk, char* out, size_t capacity)
{
    size_t length = 0;
    for (;;) {
        char c;
        Take(chunk, &c, 1);
        if (c == '\0')
            break;
        if (length + 1 < capacity)
            out[length++] = c;
    }
    out[length] = '\0';
}

// The rest of the chunk as a string, up to its first zero byte.
void C3DSChunkReader::TakeRest(S3DSChunk& chunk, char* out, size_t capacity)
{
    const uint8_t* text = m_pData + m_nPos;
    size_t length = 0;
    while (length < Left(chunk) && length + 1 < capacity && text[length] != 0)
        ++length;
    std::memcpy(out, text, length);
    out[length] = '\0';
    Skip(chunk);
}

// The primary and the editor levels: the version, the editor, materials and objects.
void C3DSChunkReader::WalkPrimary(S3DSChunk& parent)
{
    while (parent.bytesRead < parent.length) {
        S3DSChunk chunk;
        ReadHeader(chunk, parent);
        switch (chunk.id) {
        case CHUNK_VERSION: {
            uint8_t bytes[4];
            Take(chunk, bytes, 4);
            if (Dword(bytes) >= 4)
                m_Message("This 3DS file is over version 3 so it may load incorrectly", "Warning");
            break;
        }
        case CHUNK_EDITOR:
            WalkEditor(chunk);
            break;
        case CHUNK_MATERIAL:
            m_pModel->numMaterials++;
            m_pModel->materials.push_back(S3DSMaterial{});
            WalkMaterial(chunk, m_pModel->materials.back(), 0);
            break;
        case CHUNK_OBJECT: {
            m_pModel->numObjects++;
            m_pModel->objects.push_back(S3DSObject{});
            S3DSObject& object = m_pModel->objects.back();
            TakeString(chunk, object.name, sizeof(object.name));
            WalkObject(chunk, object, 0);
            break;
        }
        default:
            break;
        }
        Skip(chunk);
        parent.bytesRead += chunk.bytesRead;
    }
}

// The editor opens with the mesh version, whatever its id; the rest is walked like the primary level.
// An editor nested in an editor is walked once more, which only the nesting bound keeps finite.
void C3DSChunkReader::WalkEditor(S3DSChunk& editor)
{
    if (Left(editor) > 0) {
        S3DSChunk version;
        ReadHeader(version, editor);
        Skip(version);
        editor.bytesRead += version.bytesRead;
    }
    if (++m_nEditorDepth > kMaxDepth)
        Damage(Format("The chunks nest too deeply in file: %s!", m_strPath.c_str()));
    WalkPrimary(editor);
    --m_nEditorDepth;
}

void C3DSChunkReader::WalkObject(S3DSChunk& parent, S3DSObject& object, int depth)
{
    if (depth > kMaxDepth)
        Damage(Format("The chunks nest too deeply in file: %s!", m_strPath.c_str()));
    while (parent.bytesRead < parent.length) {
        S3DSChunk chunk;
        ReadHeader(chunk, parent);
        switch (chunk.id) {
        case CHUNK_TRIANGLES:
            WalkObject(chunk, object, depth + 1);
            break;
        case CHUNK_VERTICES:
            ReadVertices(chunk, object);
            break;
        case CHUNK_FACES:
            // The face list's sub-chunks (its material groups among them) are object-level chunks.
            ReadFaces(chunk, object);
            WalkObject(chunk, object, depth + 1);
            break;
        case CHUNK_FACE_MATERIAL:
            ReadFaceMaterial(chunk, object);
            break;
        case CHUNK_TEXCOORDS:
            ReadTexCoords(chunk, object);
            break;
        default:
            break;
        }
        Skip(chunk);
        parent.bytesRead += chunk.bytesRead;
    }
}

void C3DSChunkReader::WalkMaterial(S3DSChunk& parent, S3DSMaterial& material, int depth)
{
    if (depth > kMaxDepth)
        Damage(Format("The chunks nest too deeply in file: %s!", m_strPath.c_str()));
    while (parent.bytesRead < parent.length) {
        S3DSChunk chunk;
        ReadHeader(chunk, parent);
        switch (chunk.id) {
        case CHUNK_MATERIAL_NAME:
            TakeRest(chunk, material.name, sizeof(material.name));
            break;
        case CHUNK_DIFFUSE:
            ReadColor(chunk, material);
            break;
        case CHUNK_TEXTURE_MAP:
            WalkMaterial(chunk, material, depth + 1);
            break;
        case CHUNK_TEXTURE_FILE:
            TakeRest(chunk, material.textureFile, sizeof(material.textureFile));
            break;
        default:
            break;
        }
        Skip(chunk);
        parent.bytesRead += chunk.bytesRead;
    }
}

// Positions are turned from Z-up to Y-up: (x, y, z) becomes (x, z, -y). A later list replaces an
// earlier one, and faces it no longer covers are dropped.
void C3DSChunkReader::ReadVertices(S3DSChunk& chunk, S3DSObject& object)
{
    const uint16_t count = TakeWord(chunk);
    if (Left(chunk) < count * 12u)
        CutShort(chunk);
    object.vertices.resize(count);
    for (S3DSVector3& vertex : object.vertices) {
        const float x = TakeFloat(chunk);
        const float y = TakeFloat(chunk);
        const float z = TakeFloat(chunk);
        vertex = {x, z, -y};
    }
    object.numVertices = count;
    CheckFaces(object);
}

// Per face three vertex indexes in file order and a flags word that is dropped.
void C3DSChunkReader::ReadFaces(S3DSChunk& chunk, S3DSObject& object)
{
    const uint16_t count = TakeWord(chunk);
    if (Left(chunk) < count * 8u)
        CutShort(chunk);
    object.faces.assign(count, S3DSFace{});
    for (S3DSFace& face : object.faces) {
        for (uint32_t& index : face.vertIndex)
            index = TakeWord(chunk);
        TakeWord(chunk);
    }
    object.numFaces = count;
    CheckFaces(object);
}

// Faces up to the first one that names a vertex the object does not have are kept.
void C3DSChunkReader::CheckFaces(S3DSObject& object)
{
    for (size_t i = 0; i < object.faces.size(); ++i) {
        for (uint32_t index : object.faces[i].vertIndex) {
            if (index >= static_cast<uint32_t>(object.numVertices)) {
                object.faces.resize(i);
                object.numFaces = static_cast<int32_t>(i);
                Damage(Format("The face %d of object %s uses vertex %u past its %d vertices in file: %s!",
                              static_cast<int>(i), object.name, index, object.numVertices, m_strPath.c_str()));
            }
        }
    }
}

// Only the group's material name is used; the group's face list is passed over. A name that no
// material read so far carries gives -1, so the object is drawn without a material.
void C3DSChunkReader::ReadFaceMaterial(S3DSChunk& chunk, S3DSObject& object)
{
    char name[sizeof(S3DSMaterial::name)];
    TakeString(chunk, name, sizeof(name));
    object.materialId = -1;
    object.hasTexture = false;
    for (size_t i = 0; i < m_pModel->materials.size(); ++i) {
        const S3DSMaterial& material = m_pModel->materials[i];
        if (std::strcmp(material.name, name) == 0) {
            object.materialId = static_cast<int32_t>(i);
            object.hasTexture = material.textureFile[0] != '\0';
            break;
        }
    }
}

void C3DSChunkReader::ReadTexCoords(S3DSChunk& chunk, S3DSObject& object)
{
    const uint16_t count = TakeWord(chunk);
    if (Left(chunk) < count * 8u)
        CutShort(chunk);
    object.texCoords.resize(count);
    for (S3DSVector2& coord : object.texCoords) {
        coord.u = TakeFloat(chunk);
        coord.v = TakeFloat(chunk);
    }
    object.numTexCoords = count;
}

// The colour is the data of the first sub-chunk, taken as R, G, B bytes.
void C3DSChunkReader::ReadColor(S3DSChunk& chunk, S3DSMaterial& material)
{
    S3DSChunk color;
    ReadHeader(color, chunk);
    Take(color, material.color, 3);
    Skip(color);
    chunk.bytesRead += color.bytesRead;
}

// Face vectors are left unnormalised so that larger faces weigh more; the vertex normal is the
// reversed sum of the vectors of the faces that use the vertex, normalised. A vertex no face uses
// keeps a zero normal.
void C3DSChunkReader::ComputeNormals(S3DSObject& object)
{
    object.normals.assign(object.vertices.size(), S3DSVector3{0, 0, 0});
    for (const S3DSFace& face : object.faces) {
        const uint32_t i0 = face.vertIndex[0], i1 = face.vertIndex[1], i2 = face.vertIndex[2];
        if (i0 >= object.vertices.size() || i1 >= object.vertices.size() || i2 >= object.vertices.size())
            continue;
        const S3DSVector3& v0 = object.vertices[i0];
        const S3DSVector3& v1 = object.vertices[i1];
        const S3DSVector3& v2 = object.vertices[i2];
        const S3DSVector3 n = Cross(Sub(v0, v2), Sub(v2, v1));
        // A face that names a vertex twice has a zero vector, so adding it per corner changes nothing.
        for (uint32_t index : {i0, i1, i2}) {
            S3DSVector3& sum = object.normals[index];
            sum = {sum.x + n.x, sum.y + n.y, sum.z + n.z};
        }
    }
    for (S3DSVector3& normal : object.normals) {
        const float length = std::sqrt(normal.x * normal.x + normal.y * normal.y + normal.z * normal.z);
        if (length > 0)
            normal = {-normal.x / length, -normal.y / length, -normal.z / length};
    }
}
