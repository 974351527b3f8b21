// The chunk reader of 3D Studio mesh files: walks the little-endian chunk tree held in a byte buffer
// and fills an in-memory model of all objects and materials, positions turned from the file's Z-up
// axes to the engine's Y-up axes and vertex normals computed. It needs no device and no display; what
// it has to tell the user goes to a message function.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct S3DSVector3 {
    float x, y, z;
};

struct S3DSVector2 {
    float u, v;
};

struct S3DSMaterial {
    char name[255];
    char textureFile[255];  // no directory
    uint8_t color[3];       // R, G, B
    int32_t textureId;      // the fields below are kept as read but the engine does not use them
    float uTile, vTile, uOffset, vOffset;
};

struct S3DSFace {
    uint32_t vertIndex[3];
    uint32_t coordIndex[3];
};

struct S3DSObject {
    int32_t numVertices;
    int32_t numFaces;
    int32_t numTexCoords;
    int32_t materialId;  // -1 when the material the object names was not read before it
    bool hasTexture;
    char name[255];
    std::vector<S3DSVector3> vertices;
    std::vector<S3DSVector3> normals;  // one per vertex
    std::vector<S3DSVector2> texCoords;
    std::vector<S3DSFace> faces;
};

struct S3DSModel {
    int32_t numObjects = 0;
    int32_t numMaterials = 0;
    std::vector<S3DSMaterial> materials;
    std::vector<S3DSObject> objects;
};

// The header of one chunk and how many of its bytes (header included) have been consumed.
struct S3DSChunk {
    uint16_t id = 0;
    uint32_t length = 0;
    uint32_t bytesRead = 0;
};

enum class E3DSRead {
    Complete,  // the whole file was read
    Damaged,   // a malformed chunk stopped the walk; the model holds what was read before it
    Failed,    // not a 3DS file; the model is untouched
};

class C3DSChunkReader {
public:
    // Shows text with caption to the user; the reader never waits on an answer.
    using MessageFunction = std::function<void(const std::string& text, const std::string& caption)>;

    explicit C3DSChunkReader(MessageFunction message);

    // Reads the file image into model (appending to what it holds). path only names the file in
    // messages. Every read is bounded by the buffer and by the enclosing chunk, whatever the input.
    E3DSRead Read(const uint8_t* data, size_t size, const std::string& path, S3DSModel& model);

private:
    struct SDamage {};  // thrown to stop the walk once the message has been shown

    void ReadHeader(S3DSChunk& chunk, const S3DSChunk& parent);
    void Skip(S3DSChunk& chunk);
    uint32_t Left(const S3DSChunk& chunk) const;
    void Take(S3DSChunk& chunk, void* out, uint32_t bytes);
    uint16_t TakeWord(S3DSChunk& chunk);
    float TakeFloat(S3DSChunk& chunk);
    void TakeString(S3DSChunk& chunk, char* out, size_t capacity);
    void TakeRest(S3DSChunk& chunk, char* out, size_t capacity);

    void WalkPrimary(S3DSChunk& primary);
    void WalkEditor(S3DSChunk& editor);
    void WalkObject(S3DSChunk& parent, S3DSObject& object, int depth);
    void WalkMaterial(S3DSChunk& parent, S3DSMaterial& material, int depth);
    void ReadVertices(S3DSChunk& chunk, S3DSObject& object);
    void ReadFaces(S3DSChunk& chunk, S3DSObject& object);
    void CheckFaces(S3DSObject& object);
    void ReadFaceMaterial(S3DSChunk& chunk, S3DSObject& object);
    void ReadTexCoords(S3DSChunk& chunk, S3DSObject& object);
    void ReadColor(S3DSChunk& chunk, S3DSMaterial& material);
    static void ComputeNormals(S3DSObject& object);

    [[noreturn]] void Damage(const std::string& text);
    [[noreturn]] void PastEndOfFile(uint16_t id);
    [[noreturn]] void CutShort(const S3DSChunk& chunk);

    MessageFunction m_Message;
    const uint8_t* m_pData = nullptr;
    size_t m_nSize = 0;
    size_t m_nPos = 0;
    std::string m_strPath;
    S3DSModel* m_pModel = nullptr;
    int m_nEditorDepth = 0;
    bool m_bTruncated = false;  // a chunk ran past the end of the file and was cut to it
    uint16_t m_nTruncatedId = 0;
};
