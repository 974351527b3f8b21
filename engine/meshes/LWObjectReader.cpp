// The LightWave reader's frame: the byte order helpers, the chunk bounds and the chunk loop.
#include "meshes/LWObjectReader.h"

#include <cstring>

#include "meshes/LWMeshObjectMessages.h"

CLWObjectReader::CLWObjectReader(CLWModelTarget& target) : m_Target(target), m_pClips(kClipSlots) {}

void CLWObjectReader::Reset()
{
    m_fSmoothingAngle = 0.39269909f;
    m_pFile = nullptr;
    m_nFileLength = 0;
    m_nVertices = 0;
    m_nFaces = 0;
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
}

void CLWObjectReader::ReleaseMesh()
{
    m_pIndexes.clear();
    m_pPoints.clear();
    m_nPointCapacity = 0;
}

void CLWObjectReader::DisplayError(CString message) { m_Target.DisplayError(message); }

bool CLWObjectReader::CompareChunk(const char* id, const unsigned char* bytes)
{
    return std::memcmp(id, bytes, 4) == 0;
}

unsigned int CLWObjectReader::ChunkToUInt(const unsigned char* bytes)
{
    return (static_cast<unsigned int>(bytes[0]) << 24) | (static_cast<unsigned int>(bytes[1]) << 16) |
           (static_cast<unsigned int>(bytes[2]) << 8) | bytes[3];
}

unsigned short CLWObjectReader::ChunkToUShort(const unsigned char* bytes)
{
    return static_cast<unsigned short>((bytes[0] << 8) | bytes[1]);
}

float CLWObjectReader::ChunkToFloat(const unsigned char* bytes)
{
    const unsigned int bits = ChunkToUInt(bytes);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Reads a chunk's size; a chunk that claims more bytes than the file holds stops the load.
bool CLWObjectReader::OpenChunk(unsigned int& position, SChunk& chunk)
{
    if (uint64_t{position} + 4 > m_nFileLength) {
        DisplayError(lw_messages::kTruncated);
        return false;
    }
    const uint64_t size = ChunkToUInt(&m_pFile[position]);
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
void CLWObjectReader::CloseChunk(unsigned int& position, const SChunk& chunk)
{
    position = chunk.end + ((chunk.end - chunk.start) & 1u);
}

// A zero-terminated name padded to an even length, within [position, end).
bool CLWObjectReader::ReadString(unsigned int& position, unsigned int end, CString& text)
{
    unsigned int last = position;
    while (last < end && m_pFile[last] != 0)
        ++last;
    if (last >= end) {
        DisplayError(lw_messages::kTruncated);
        return false;
    }
    text = CString(reinterpret_cast<const char*>(&m_pFile[position]), static_cast<int>(last - position));
    const unsigned int stored = last - position + 1;
    position += stored + (stored & 1u);
    return true;
}

bool CLWObjectReader::CheckHeader()
{
    if (m_nFileLength < 4 || !CompareChunk("FORM", &m_pFile[0])) {
        DisplayError(lw_messages::kNoForm);
        return false;
    }
    if (m_nFileLength < 12 || !CompareChunk("LWO2", &m_pFile[8])) {
        DisplayError(lw_messages::kNoLwo2);
        return false;
    }
    return true;
}

// Chunks after the LWO2 id, up to the last one that still has room for an id, a size and content.
bool CLWObjectReader::ReadChunks()
{
    unsigned int position = 12;
    bool going = true;
    while (going && uint64_t{position} + 12 <= m_nFileLength) {
        const unsigned char* id = &m_pFile[position];
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
        else if (CompareChunk("VMAD", id) && m_Options.readPolygonUvs)
            going = ChunkVmad(position);
        else {
            SChunk skipped{};
            going = OpenChunk(position, skipped);
            if (going)
                CloseChunk(position, skipped);
        }
    }
    // Polygon tags were there, but none of them gave the polygons a surface.
    if (going && m_bOtherTags && !m_bSurfaceTags) {
        DisplayError(lw_messages::kNotSurfTag);
        return false;
    }
    return going;
}

bool CLWObjectReader::Read(const unsigned char* image, uint32_t length, const SOptions& options,
                           const SLWVertex* reference, int referenceCount)
{
    m_Options = options;
    m_pFile = image;
    m_nFileLength = length;
    m_nLayers = 0;
    m_bSurfaceTags = false;
    m_bOtherTags = false;
    const bool whole = CheckHeader() && ReadChunks() && CheckAngles(reference, referenceCount);
    if (whole)
        ComputeNormals();
    m_pTags.clear();
    m_nTags = 0;
    m_pFaceVertexCounts.clear();
    m_pPolygonVertexCounts.clear();
    m_pCorners.clear();
    m_pFile = nullptr;
    m_nFileLength = 0;
    return whole;
}
