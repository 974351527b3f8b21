// Point splits and normals: a UV seam gives a polygon its own copy of a point, a crease sharper than
// the smoothing angle gives each group of similarly facing triangles its own copy, and every point then
// gets the average normal of the triangles around it.
#include "meshes/LWObjectReader.h"

#include <algorithm>

#include <cmath>

#include "meshes/LWMeshObjectMessages.h"

namespace {

// Scales by the largest component before measuring, so that a tiny (subnormal) or huge vector still
// comes out of unit length instead of losing precision in its squares. A zero vector has no direction
// and stays zero; so does one that overflowed, rather than becoming NaN.
void Normalize(D3DVECTOR& v)
{
    const float largest = std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
    if (!(largest > 0) || !std::isfinite(largest)) {
        v = {0, 0, 0};
        return;
    }
    v = {v.x / largest, v.y / largest, v.z / largest};
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);  // between 1 and the root of 3
    v = {v.x / length, v.y / length, v.z / length};
}

D3DVECTOR Difference(const D3DVECTOR& to, const D3DVECTOR& from)
{
    return {to.x - from.x, to.y - from.y, to.z - from.z};
}

// (b - a) x (c - a), normalised. Each edge is brought to unit scale first, which keeps the direction
// and keeps the products clear of underflow and overflow.
D3DVECTOR GetFaceNormal(const D3DVECTOR& a, const D3DVECTOR& b, const D3DVECTOR& c)
{
    D3DVECTOR u = Difference(b, a), v = Difference(c, a);
    Normalize(u);
    Normalize(v);
    D3DVECTOR normal{u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
    Normalize(normal);
    return normal;
}

// The cosine is divided by the first vector's length only (the normals compared are unit or zero) and
// clamped, so that rounding gives 0 or pi for parallel vectors rather than NaN.
float AngleBetweenVectors(const D3DVECTOR& u, const D3DVECTOR& v)
{
    const float length = std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
    if (length == 0)
        return 0;
    const float cosine = (u.x * v.x + u.y * v.y + u.z * v.z) / length;
    return std::acos(std::clamp(cosine, -1.0f, 1.0f));
}

}  // namespace

// The point array grows by doubling; indexes are 16-bit, so the model may not pass 65,536 points.
bool CLWObjectReader::AppendPoint(const SLWVertex& point)
{
    const int count = m_nVertices;
    if (count + 1 > kMaxPoints) {
        DisplayError(lw_messages::kTooManyPoints);
        return false;
    }
    if (m_nPointCapacity < count + 1) {
        m_nPointCapacity = std::max(2 * count, 1);
        m_pPoints.resize(m_nPointCapacity);
    }
    m_pPoints[count] = point;
    m_nVertices = count + 1;
    return true;
}

bool CLWObjectReader::DuplicateVertice(uint16_t point, uint16_t polygon, float u, float v)
{
    const int added = m_nVertices;
    SLWVertex copy = m_pPoints[point];
    copy.u = u;
    copy.v = v;
    copy.split = 1;
    copy.partner = point;
    if (!AppendPoint(copy))
        return false;
    m_pPoints[point].split = 1;
    m_pPoints[point].partner = added;
    const int first = m_pPolygonFirstTriangle[polygon];
    if (first < 0)
        return true;
    const size_t begin = 3 * static_cast<size_t>(first);
    const size_t triangles = static_cast<size_t>(m_pPolygonVertexCounts[polygon] - 2);
    const size_t end = std::min(m_pIndexes.size(), begin + 3 * triangles);
    for (size_t i = begin; i < end; ++i) {
        if (m_pIndexes[i] == point)
            m_pIndexes[i] = static_cast<uint16_t>(added);
    }
    return true;
}

bool CLWObjectReader::DuplicateVertice(uint16_t point, const int* corners, int count)
{
    const int added = m_nVertices;
    SLWVertex copy = m_pPoints[point];
    copy.split = 0;
    if (!AppendPoint(copy))
        return false;
    m_pPoints[point].split = 0;
    for (int i = 0; i < count; ++i)
        m_pIndexes[corners[i]] = static_cast<uint16_t>(added);
    return true;
}

// The corners (positions in the working indexes) of every point, in index order.
bool CLWObjectReader::CreateAdjTable()
{
    m_pCorners.assign(m_nVertices, {});
    for (size_t i = 0; i < m_pIndexes.size(); ++i) {
        if (m_pIndexes[i] >= m_nVertices) {  // points read again after the polygons, fewer of them
            DisplayError(lw_messages::kBadIndex);
            return false;
        }
        std::vector<int>& corners = m_pCorners[m_pIndexes[i]];
        if (corners.size() >= kMaxCorners) {
            DisplayError(lw_messages::kTooManyCorners);
            return false;
        }
        corners.push_back(static_cast<int>(i));
    }
    return true;
}

D3DVECTOR CLWObjectReader::TriangleNormal(int triangle, const SLWVertex* reference, int referenceCount)
{
    const uint16_t* corner = &m_pIndexes[3 * static_cast<size_t>(triangle)];
    const bool useReference = reference && std::max({corner[0], corner[1], corner[2]}) < referenceCount;
    const SLWVertex* points = useReference ? reference : m_pPoints.data();
    D3DVECTOR p[3];
    for (int k = 0; k < 3; ++k)
        p[k] = {points[corner[k]].x, points[corner[k]].y, points[corner[k]].z};
    return GetFaceNormal(p[0], p[1], p[2]);
}

// Corners whose triangles face within the smoothing angle of a cluster's first corner join it; every
// cluster after the first gets its own copy of the point.
bool CLWObjectReader::SplitCreases(int point, const SLWVertex* reference, int referenceCount)
{
    const std::vector<int> corners = m_pCorners[point];
    const size_t n = corners.size();
    std::vector<D3DVECTOR> normals(n);
    for (size_t i = 0; i < n; ++i)
        normals[i] = TriangleNormal(corners[i] / 3, reference, referenceCount);
    std::vector<bool> assigned(n, false);
    std::vector<std::vector<int>> clusters;
    for (size_t i = 0; i < n; ++i) {
        if (assigned[i])
            continue;
        assigned[i] = true;
        std::vector<int> cluster{corners[i]};
        for (size_t j = 0; j < n && !m_Options.flatShading; ++j) {
            if (j != i && AngleBetweenVectors(normals[i], normals[j]) < m_fSmoothingAngle) {
                cluster.push_back(corners[j]);
                assigned[j] = true;
            }
        }
        clusters.push_back(std::move(cluster));
    }
    for (size_t c = 1; c < clusters.size(); ++c) {
        if (!DuplicateVertice(static_cast<uint16_t>(point), clusters[c].data(), static_cast<int>(clusters[c].size())))
            return false;
    }
    return true;
}

bool CLWObjectReader::CheckAngles(const SLWVertex* reference, int referenceCount)
{
    if (!CreateAdjTable())
        return false;
    const int points = m_nVertices;
    for (int p = 0; p < points; ++p) {
        if (!SplitCreases(p, reference, referenceCount))
            return false;
    }
    return CreateAdjTable();
}

// A point no triangle uses keeps a zero normal. The box starts at the origin, so it always holds it.
void CLWObjectReader::ComputeNormals()
{
    m_vBoxMax = D3DXVECTOR3(0, 0, 0);
    m_vBoxMin = D3DXVECTOR3(0, 0, 0);
    for (int i = 0; i < m_nVertices; ++i) {
        SLWVertex& point = m_pPoints[i];
        D3DVECTOR sum{0, 0, 0};
        const std::vector<int>& corners = m_pCorners[i];
        for (int corner : corners) {
            const D3DVECTOR normal = TriangleNormal(corner / 3, nullptr, 0);
            sum = {sum.x + normal.x, sum.y + normal.y, sum.z + normal.z};
        }
        if (!corners.empty()) {
            const float count = static_cast<float>(corners.size());
            sum = {sum.x / count, sum.y / count, sum.z / count};
            Normalize(sum);
        }
        point.nx = sum.x;
        point.ny = sum.y;
        point.nz = sum.z;
        m_vBoxMax = D3DXVECTOR3(std::max(m_vBoxMax.x, point.x), std::max(m_vBoxMax.y, point.y),
                                std::max(m_vBoxMax.z, point.z));
        m_vBoxMin = D3DXVECTOR3(std::min(m_vBoxMin.x, point.x), std::min(m_vBoxMin.y, point.y),
                                std::min(m_vBoxMin.z, point.z));
    }
}
