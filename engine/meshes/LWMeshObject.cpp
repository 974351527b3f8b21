// The LightWave reader's frame: the file buffer, the byte order helpers, the chunk loop and the
// object's life cycle (Init builds the device buffers from the working points and indexes).
#include "meshes/LWMeshObject.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "meshes/LWMeshObjectMessages.h"
#include "platform_files.h"

namespace {

constexpr size_t kMaxFileBytes = 1000000;

}  // namespace

CLWMeshObject::CLWMeshObject() : m_pClips(kClipSlots), m_bReadTags(true) { InitLwoParameters(); }

CLWMeshObject::~CLWMeshObject() = default;

void CLWMeshObject::InitLwoParameters()
{
    m_fSmoothingAngle = 0.39269909f;
    m_pFileBuffer.clear();
    m_nFileLength = 0;
    m_nPointCapacity = 0;
    m_pTags.clear();
    m_nTags = 0;
    m_nLayers = 0;
    m_pPoints.clear();
    m_pIndexes.clear();
    m_pFaceVertexCounts.clear();
    m_pPolygonVertexCounts.clear();
    m_pCorners.clear();
    m_pPolygonFirstTriangle.clear();
    m_pTrianglePolygon.clear();
    SetNumberVertices(0);
    SetNumberFaces(0);
}

// Files longer than the scratch buffer are cut at its size.
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

bool CLWMeshObject::CompareChunk(const char* id, const unsigned char* bytes)
{
    return std::memcmp(id, bytes, 4) == 0;
}

unsigned int CLWMeshObject::ChunkToUInt(const unsigned char* bytes)
{
    return (static_cast<unsigned int>(bytes[0]) << 24) | (static_cast<unsigned int>(bytes[1]) << 16) |
           (static_cast<unsigned int>(bytes[2]) << 8) | bytes[3];
}

unsigned short CLWMeshObject::ChunkToUShort(const unsigned char* bytes)
{
    return static_cast<unsigned short>((bytes[0] << 8) | bytes[1]);
}

float CLWMeshObject::ChunkToFloat(const unsigned char* bytes)
{
    const unsigned int bits = ChunkToUInt(bytes);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void CLWMeshObject::Read4Bytes(unsigned char*& scratch, unsigned int position)
{
    std::memcpy(scratch, &m_pFileBuffer[position], 4);
}

void CLWMeshObject::Read2Bytes(unsigned char*& scratch, unsigned int position)
{
    std::memcpy(scratch, &m_pFileBuffer[position], 2);
}

// Reads a chunk's size; a chunk that claims more bytes than the file holds stops the load.
bool CLWMeshObject::OpenChunk(unsigned int& position, SChunk& chunk)
{
    if (uint64_t{position} + 4 > m_nFileLength) {
        DisplayError(lw_messages::kTruncated);
        return false;
    }
    const uint64_t size = ChunkToUInt(&m_pFileBuffer[position]);
    const uint64_t end = uint64_t{position} + 4 + size;
    if (end > m_nFileLength) {
        DisplayError(lw_messages::kTruncated);
        return false;
    }
    chunk.start = position + 4;
    chunk.end = static_cast<unsigned int>(end);
    position = chunk.start;
    return true;
}

// IFF pads odd-sized chunks with one byte; the next chunk starts after it.
void CLWMeshObject::CloseChunk(unsigned int& position, const SChunk& chunk)
{
    position = chunk.end + ((chunk.end - chunk.start) & 1u);
}

// A zero-terminated name padded to an even length, within [position, end).
bool CLWMeshObject::ReadString(unsigned int& position, unsigned int end, CString& text)
{
    unsigned int last = position;
    while (last < end && m_pFileBuffer[last] != 0)
        ++last;
    if (last >= end) {
        DisplayError(lw_messages::kTruncated);
        return false;
    }
    text = CString(reinterpret_cast<const char*>(&m_pFileBuffer[position]), static_cast<int>(last - position));
    const unsigned int stored = last - position + 1;
    position += stored + (stored & 1u);
    return true;
}

void CLWMeshObject::LoadMesh(CString filename, bool readTags, const SLWVertex* reference, int referenceCount)
{
    m_bReadTags = readTags;
    m_nLayers = 0;
    if (!OpenFileInBuffer(filename))
        return;
    if (m_nFileLength < 4 || !CompareChunk("FORM", &m_pFileBuffer[0])) {
        DisplayError(lw_messages::kNoForm);
        return;
    }
    if (m_nFileLength < 12 || !CompareChunk("LWO2", &m_pFileBuffer[8])) {
        DisplayError(lw_messages::kNoLwo2);
        return;
    }
    unsigned int position = 12;
    bool going = true;
    while (going && uint64_t{position} + 12 <= m_nFileLength) {
        const unsigned char* id = &m_pFileBuffer[position];
        position += 4;
        if (CompareChunk("TAGS", id))
            going = ChunkTag(position);
        else if (CompareChunk("PNTS", id))
            going = ChunkPnts(position);
        else if (CompareChunk("CLIP", id))
            going = ChunkClip(position);
        else if (CompareChunk("LAYR", id))
            going = ChunkLayr(position);
        else if (CompareChunk("POLS", id))
            going = ChunkPols(position);
        else if (CompareChunk("PTAG", id))
            going = ChunkPtag(position);
        else if (CompareChunk("SURF", id))
            going = ChunkSurf(position);
        else if (CompareChunk("VMAP", id))
            going = ChunkVmap(position);
        else if (CompareChunk("VMAD", id) && m_bDrawTexture)
            going = ChunkVmad(position);
        else {
            SChunk skipped{};
            going = OpenChunk(position, skipped);
            if (going)
                CloseChunk(position, skipped);
        }
    }
    if (going && CheckAngles(reference, referenceCount))
        ComputeNormals();
    m_pTags.clear();
    m_nTags = 0;
    m_pFaceVertexCounts.clear();
    m_pPolygonVertexCounts.clear();
    m_pCorners.clear();
}

void CLWMeshObject::Init()
{
    PreInit();
    InitLwoParameters();
    LoadMesh(m_strFilename, true, nullptr);
    CBaseObject::Init();
    CopyToBuffers();
    m_pIndexes.clear();
    m_pPoints.clear();
    m_nPointCapacity = 0;
}

// A failed load may leave fewer working entries than the counts promise; the rest stays zero.
void CLWMeshObject::CopyToBuffers()
{
    unsigned long count = 0;
    if (WORD* indexes = LockIB(count)) {
        const size_t n = std::min<size_t>(count * 3, m_pIndexes.size());
        std::copy(m_pIndexes.begin(), m_pIndexes.begin() + n, indexes);
        std::fill(indexes + n, indexes + count * 3, WORD{0});
        UnlockIB();
    }
    if (S3DVERTEX* vertices = LockVB(count)) {
        for (unsigned long i = 0; i < count; ++i) {
            const SLWVertex p = i < m_pPoints.size() ? m_pPoints[i] : SLWVertex{};
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
