// The LightWave reader's chunk handlers: tags, points, clips, layers, polygons, polygon tags, surfaces
// and the TXUV maps. Each reads within its chunk and refuses indexes past what was read before.
#include "meshes/LWObjectReader.h"

#include <algorithm>

#include "meshes/LWMeshObjectMessages.h"

bool CLWObjectReader::ChunkTag(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk))
        return false;
    while (position < chunk.end) {
        CString name;
        if (!ReadString(position, chunk.end, name))
            return false;
        m_pTags.push_back(name);
        ++m_nTags;
    }
    CloseChunk(position, chunk);
    return true;
}

bool CLWObjectReader::ChunkPnts(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk))
        return false;
    const int count = static_cast<int>((chunk.end - chunk.start) / 12);
    if (count > kMaxPoints) {
        DisplayError(lw_messages::kTooManyPoints);
        return false;
    }
    m_nVertices = count;
    m_pPoints.assign(count, SLWVertex{});
    m_nPointCapacity = count;
    for (int i = 0; i < count; ++i) {
        const unsigned char* p = &m_pFile[chunk.start + 12u * i];
        SLWVertex& point = m_pPoints[i];
        point.x = ChunkToFloat(p);
        point.y = ChunkToFloat(p + 4);
        point.z = ChunkToFloat(p + 8);
        point.split = 0;
        point.partner = -1;
    }
    CloseChunk(position, chunk);
    return true;
}

bool CLWObjectReader::ChunkClip(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk))
        return false;
    if (chunk.end - chunk.start < 10) {
        DisplayError(lw_messages::kTruncated);
        return false;
    }
    const unsigned int index = ChunkToUInt(&m_pFile[position]);
    if (index >= kClipSlots) {
        DisplayError(lw_messages::kTooManyClips);
        return false;
    }
    if (!CompareChunk("STIL", &m_pFile[position + 4])) {
        DisplayError(lw_messages::kNotStill);
        return false;
    }
    const unsigned int length = ChunkToUShort(&m_pFile[position + 8]);
    unsigned int name = position + 10;
    const unsigned int nameEnd = std::min(chunk.end, name + length);
    CString path;
    if (!ReadString(name, nameEnd, path))
        return false;
    int cut = path.ReverseFind('\\');
    if (cut < 0)
        cut = path.ReverseFind('/');
    m_pClips[index] = path.Mid(cut + 1);
    CloseChunk(position, chunk);
    return true;
}

bool CLWObjectReader::ChunkLayr(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk))
        return false;
    if (++m_nLayers > 1) {
        DisplayError(lw_messages::kMultiLayer);
        return false;
    }
    CloseChunk(position, chunk);
    return true;
}

bool CLWObjectReader::ChunkPols(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk))
        return false;
    if (chunk.end - chunk.start < 4 || !CompareChunk("FACE", &m_pFile[position])) {
        DisplayError(lw_messages::kNotFace);
        return false;
    }
    const unsigned int first = position + 4;
    const unsigned int size = chunk.end - first;
    if (!CheckPolygons(first, chunk.end))
        return false;
    if (GetNumberOfPolys(first, size) == 0) {
        DisplayError(lw_messages::kNoFaces);
        return false;
    }
    GetNumberOfVertexPerFaces(first, size);
    GetRealNumberOfVertexPerFaces(first, size);
    int triangles = 0;
    for (int n : m_pFaceVertexCounts)
        triangles += n - 2;
    m_nFaces = triangles;
    GetVertices(m_pIndexes, first, size, triangles);
    CloseChunk(position, chunk);
    return true;
}

bool CLWObjectReader::ChunkPtag(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk))
        return false;
    if (chunk.end - chunk.start < 4) {
        DisplayError(lw_messages::kNotSurfTag);
        return false;
    }
    // Part names, smoothing groups, colour tags: the reader has no use for them.
    if (!CompareChunk("SURF", &m_pFile[position])) {
        m_bOtherTags = true;
        CloseChunk(position, chunk);
        return true;
    }
    m_bSurfaceTags = true;
    const int triangles = static_cast<int>(m_pIndexes.size() / 3);
    const unsigned int pairs = (chunk.end - chunk.start - 4) / 4;
    std::vector<int> materials(triangles, 0);
    int largest = 0;
    for (unsigned int j = 0; j < pairs; ++j) {
        if (j >= m_pPolygonVertexCounts.size()) {
            DisplayError(lw_messages::kBadIndex);
            return false;
        }
        const int tag = ChunkToUShort(&m_pFile[position + 4 + 4 * j + 2]);
        const int firstTriangle = m_pPolygonFirstTriangle[j];
        if (firstTriangle < 0)
            continue;
        for (int t = 0; t < m_pPolygonVertexCounts[j] - 2; ++t)
            materials[firstTriangle + t] = tag;
        largest = std::max(largest, tag);
    }
    ReorderIndexes(materials, m_pIndexes, triangles);
    if (m_Options.readTags) {
        m_Target.SetNumberMaterials(largest + 1);
        ApplyMaterialRanges(materials);
    }
    CloseChunk(position, chunk);
    return true;
}

// Each material whose run ends before the last triangle gets the first triangle after its run.
void CLWObjectReader::ApplyMaterialRanges(const std::vector<int>& materials)
{
    int running = 0;
    for (size_t k = 0; k < materials.size(); ++k) {
        if (materials[k] != running) {
            m_Target.SetMaterialIndex(running, static_cast<int>(k));
            running = materials[k];
        }
    }
}

bool CLWObjectReader::ReadUvMapHeader(unsigned int& position, const SChunk& chunk)
{
    if (chunk.end - position < 6) {
        DisplayError(lw_messages::kTruncated);
        return false;
    }
    if (!CompareChunk("TXUV", &m_pFile[position])) {
        DisplayError(lw_messages::kNotTxuv);
        return false;
    }
    position += 6;  // type and dimension (taken as 2)
    CString name;
    return ReadString(position, chunk.end, name);
}

bool CLWObjectReader::ChunkVmap(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk) || !ReadUvMapHeader(position, chunk))
        return false;
    for (; position + 10 <= chunk.end; position += 10) {
        const int point = ChunkToUShort(&m_pFile[position]);
        if (point >= m_nVertices) {
            DisplayError(lw_messages::kBadIndex);
            return false;
        }
        m_pPoints[point].u = ChunkToFloat(&m_pFile[position + 2]);
        m_pPoints[point].v = 1.0f - ChunkToFloat(&m_pFile[position + 6]);
    }
    CloseChunk(position, chunk);
    return true;
}

bool CLWObjectReader::ChunkVmad(unsigned int& position)
{
    SChunk chunk{};
    if (!OpenChunk(position, chunk) || !ReadUvMapHeader(position, chunk))
        return false;
    for (; position + 12 <= chunk.end; position += 12) {
        const unsigned short point = ChunkToUShort(&m_pFile[position]);
        const unsigned short polygon = ChunkToUShort(&m_pFile[position + 2]);
        if (point >= m_nVertices || polygon >= m_pPolygonVertexCounts.size()) {
            DisplayError(lw_messages::kBadIndex);
            return false;
        }
        const float u = ChunkToFloat(&m_pFile[position + 4]);
        const float v = ChunkToFloat(&m_pFile[position + 8]);
        if (!DuplicateVertice(point, polygon, u, 1.0f - v))
            return false;
    }
    CloseChunk(position, chunk);
    return true;
}
