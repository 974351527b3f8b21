// CBaseObject's geometry: the unlock that keeps the bounding box and computes normals, resizing,
// and the vector helpers of derived classes.
#include "objects/BaseObject.h"

#include <algorithm>
#include <cmath>

namespace {

D3DVECTOR Difference(const D3DVECTOR& a, const D3DVECTOR& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

D3DVECTOR PositionOf(const S3DVERTEX& vertex) { return {vertex.x, vertex.y, vertex.z}; }

}  // namespace

// The bounding box restarts at the origin, so it always holds it; with computeNormals every vertex
// used by a face gets the normalised sum of its faces' normals (an unused vertex keeps its normal).
void CBaseObject::UnlockVB(bool computeNormals)
{
    if (!m_pVB)
        return;
    S3DVERTEX* vertices = m_pLockedVertices;
    m_pLockedVertices = nullptr;
    if (vertices) {
        m_vBoxMax = D3DXVECTOR3(0, 0, 0);
        m_vBoxMin = D3DXVECTOR3(0, 0, 0);
        BYTE* indexData = nullptr;
        const bool indicesLocked =
            computeNormals && m_pIB && SUCCEEDED(m_pIB->Lock(0, m_nFaces * 3 * sizeof(WORD), &indexData, 0));
        for (int v = 0; v < m_nVertices; ++v) {
            if (indicesLocked)
                ComputeVertexNormal(vertices, v, reinterpret_cast<const WORD*>(indexData));
            WidenBoundingBox(vertices[v]);
        }
        if (indicesLocked)
            m_pIB->Unlock();
    }
    m_pVB->Unlock();
}

// Faces are looked at in index order; a face with an index outside the vertex buffer is skipped.
void CBaseObject::ComputeVertexNormal(S3DVERTEX* vertices, int vertex, const WORD* indices)
{
    D3DVECTOR sum = {0, 0, 0};
    bool used = false;
    for (int face = 0; face < m_nFaces; ++face) {
        const WORD* corner = indices + face * 3;
        if (corner[0] >= m_nVertices || corner[1] >= m_nVertices || corner[2] >= m_nVertices)
            continue;
        if (corner[0] != vertex && corner[1] != vertex && corner[2] != vertex)
            continue;
        const D3DVECTOR normal = GetFaceNormal(vertices[corner[0]], vertices[corner[1]], vertices[corner[2]]);
        sum = {sum.x + normal.x, sum.y + normal.y, sum.z + normal.z};
        used = true;
    }
    if (!used)
        return;
    Normalize(sum);
    vertices[vertex].nx = sum.x;
    vertices[vertex].ny = sum.y;
    vertices[vertex].nz = sum.z;
}

void CBaseObject::WidenBoundingBox(const S3DVERTEX& vertex)
{
    m_vBoxMax.x = std::max(m_vBoxMax.x, vertex.x);
    m_vBoxMax.y = std::max(m_vBoxMax.y, vertex.y);
    m_vBoxMax.z = std::max(m_vBoxMax.z, vertex.z);
    m_vBoxMin.x = std::min(m_vBoxMin.x, vertex.x);
    m_vBoxMin.y = std::min(m_vBoxMin.y, vertex.y);
    m_vBoxMin.z = std::min(m_vBoxMin.z, vertex.z);
}

void CBaseObject::Resize(float factor)
{
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    for (unsigned long i = 0; i < count; ++i) {
        vertices[i].x *= factor;
        vertices[i].y *= factor;
        vertices[i].z *= factor;
    }
    UnlockVB(false);
}

// Scales so that the largest extent of the bounding box becomes size. A flat box (all extents 0)
// has nothing to scale and stays as it is rather than being scaled by infinity.
void CBaseObject::SetSize(float size)
{
    const D3DXVECTOR3 extent = m_vBoxMax - m_vBoxMin;
    const float largest = std::max({extent.x, extent.y, extent.z});
    if (largest > 0)
        Resize(size / largest);
}

D3DVECTOR CBaseObject::GetFaceNormal(S3DVERTEX& a, S3DVERTEX& b, S3DVERTEX& c)
{
    D3DVECTOR pa = PositionOf(a), pb = PositionOf(b), pc = PositionOf(c);
    return GetFaceNormal(pa, pb, pc);
}

D3DVECTOR CBaseObject::GetFaceNormal(D3DVECTOR& a, D3DVECTOR& b, D3DVECTOR& c)
{
    D3DVECTOR u = Difference(b, a), v = Difference(c, a);
    D3DVECTOR normal = CrossProduct(u, v);
    Normalize(normal);
    return normal;
}

D3DVECTOR CBaseObject::CrossProduct(D3DVECTOR& u, D3DVECTOR& v)
{
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

// A zero vector has no direction and stays zero instead of becoming NaN.
void CBaseObject::Normalize(D3DVECTOR& v)
{
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0)
        return;
    v.x /= length;
    v.y /= length;
    v.z /= length;
}

// Rounding can put the cosine of unit vectors a little outside [-1, 1]; it is clamped so that
// parallel vectors give 0 or pi rather than NaN.
float CBaseObject::AngleBetweenVectors(D3DVECTOR& u, D3DVECTOR& v)
{
    const float length = std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
    if (length == 0)
        return 0;
    const float cosine = (u.x * v.x + u.y * v.y + u.z * v.z) / length;
    return std::acos(std::clamp(cosine, -1.0f, 1.0f));
}
