// Polygons of a POLS chunk: validation, counting, fan triangulation and the stable sort of the
// triangles by material, with the map that keeps each polygon's triangles findable after the sort.
#include "meshes/LWObjectReader.h"

#include <algorithm>
#include <numeric>

#include "meshes/LWMeshObjectMessages.h"

namespace {

// Calls visit(vertexCount, firstIndexPosition) for every polygon in [position, position + size).
template <typename Visit>
void ForEachPolygon(const unsigned char* file, unsigned int position, unsigned int size,
                    Visit visit)
{
    const unsigned int end = position + size;
    while (position + 2 <= end) {
        const int count = (file[position] << 8) | file[position + 1];
        visit(count, position + 2);
        position += 2 + 2u * count;
    }
}

}  // namespace

// Every polygon must lie within the chunk and name only points that were read.
bool CLWObjectReader::CheckPolygons(unsigned int position, unsigned int end)
{
    while (position < end) {
        if (position + 2 > end) {
            DisplayError(lw_messages::kTruncated);
            return false;
        }
        const unsigned int count = ChunkToUShort(&m_pFile[position]);
        position += 2;
        if (position + 2 * count > end) {
            DisplayError(lw_messages::kTruncated);
            return false;
        }
        for (unsigned int i = 0; i < count; ++i, position += 2) {
            if (ChunkToUShort(&m_pFile[position]) >= m_nVertices) {
                DisplayError(lw_messages::kBadIndex);
                return false;
            }
        }
    }
    return true;
}

int CLWObjectReader::GetNumberOfPolys(unsigned int position, unsigned int size)
{
    int polygons = 0;
    ForEachPolygon(m_pFile, position, size, [&](int count, unsigned int) { polygons += count > 2; });
    return polygons;
}

void CLWObjectReader::GetNumberOfVertexPerFaces(unsigned int position, unsigned int size)
{
    m_pFaceVertexCounts.clear();
    ForEachPolygon(m_pFile, position, size, [&](int count, unsigned int) {
        if (count > 2)
            m_pFaceVertexCounts.push_back(count);
    });
}

void CLWObjectReader::GetRealNumberOfVertexPerFaces(unsigned int position, unsigned int size)
{
    m_pPolygonVertexCounts.clear();
    ForEachPolygon(m_pFile, position, size,
                   [&](int count, unsigned int) { m_pPolygonVertexCounts.push_back(count); });
}

// (p0 p1 p2), (p0 p2 p3) ... in file winding; polygons of 1 or 2 points make no triangle.
void CLWObjectReader::GetVertices(std::vector<uint16_t>& indexes, unsigned int position, unsigned int size,
                                int triangles)
{
    indexes.assign(3 * static_cast<size_t>(triangles), 0);
    m_pTrianglePolygon.assign(triangles, 0);
    size_t out = 0;
    int polygon = 0;
    ForEachPolygon(m_pFile, position, size, [&](int count, unsigned int first) {
        for (int k = 1; k + 1 < count && out / 3 < static_cast<size_t>(triangles); ++k) {
            m_pTrianglePolygon[out / 3] = polygon;
            indexes[out++] = ChunkToUShort(&m_pFile[first]);
            indexes[out++] = ChunkToUShort(&m_pFile[first + 2 * k]);
            indexes[out++] = ChunkToUShort(&m_pFile[first + 2 * (k + 1)]);
        }
        ++polygon;
    });
    IndexPolygonTriangles();
}

void CLWObjectReader::ReorderIndexes(std::vector<int>& materials, std::vector<uint16_t>& indexes, int triangles)
{
    std::vector<int> order(triangles);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return materials[a] < materials[b]; });
    const std::vector<int> oldMaterials = materials;
    const std::vector<uint16_t> oldIndexes = indexes;
    const std::vector<int> oldPolygons = m_pTrianglePolygon;
    for (int t = 0; t < triangles; ++t) {
        materials[t] = oldMaterials[order[t]];
        m_pTrianglePolygon[t] = oldPolygons[order[t]];
        for (int k = 0; k < 3; ++k)
            indexes[3 * t + k] = oldIndexes[3 * order[t] + k];
    }
    IndexPolygonTriangles();
}

// A polygon's triangles share its material, so they stay together through the stable sort.
void CLWObjectReader::IndexPolygonTriangles()
{
    m_pPolygonFirstTriangle.assign(m_pPolygonVertexCounts.size(), -1);
    for (int t = static_cast<int>(m_pTrianglePolygon.size()) - 1; t >= 0; --t) {
        const size_t polygon = m_pTrianglePolygon[t];
        if (polygon < m_pPolygonFirstTriangle.size())
            m_pPolygonFirstTriangle[polygon] = t;
    }
}
