// CPlaneObject's grid: its vertices, texture coordinates and faces.
#include "objects/PlaneObject.h"

#include <algorithm>

namespace {

// 16-bit indices address at most this many vertices.
constexpr int MAX_VERTICES = 65536;

}  // namespace

CPlaneObject::CPlaneObject()
    : m_fEffectSpeed(1.0f),
      m_fEffectAmplitude(1.0f),
      m_fHalfWidth(0.5f),
      m_fHalfHeight(0.5f),
      m_nColumns(1),
      m_nRows(1),
      m_nEffect(0),
      m_fU0(0),
      m_fU1(1),
      m_fV0(0),
      m_fV1(1),
      m_nGridColumns(0),
      m_nGridRows(0)
{
    m_ProjectionMode = PM_UNIT;
    m_bCulling = false;
    m_bLighting = false;
}

// A grid too large for 16-bit indices gets no buffers and draws nothing, rather than faces that
// wrap around to the wrong vertices.
void CPlaneObject::Init()
{
    PreInit();
    const int vertices = (m_nColumns + 1) * (m_nRows + 1);
    const bool fits = vertices <= MAX_VERTICES;
    m_nVertices = fits ? vertices : 0;
    m_nFaces = fits ? 2 * m_nColumns * m_nRows : 0;
    m_nGridColumns = fits ? m_nColumns : 0;
    m_nGridRows = fits ? m_nRows : 0;
    CBaseObject::Init();
    Resize(true);
    m_strType = "CPlaneObject";
    m_strDescription = "Plane";
}

void CPlaneObject::SetSize(float width, float height)
{
    m_fHalfWidth = width * 0.5f;
    m_fHalfHeight = height * 0.5f;
    if (m_pVB)
        Resize(false);
}

// A grid has at least one quad each way.
void CPlaneObject::SetSubdivision(int columns, int rows)
{
    m_nColumns = std::max(columns, 1);
    m_nRows = std::max(rows, 1);
}

void CPlaneObject::SetTextureOffset(float u0, float v0, float u1, float v1)
{
    m_fU0 = u0;
    m_fV0 = v0;
    m_fU1 = u1;
    m_fV1 = v1;
}

void CPlaneObject::Effect(int kind) { m_nEffect = kind; }
void CPlaneObject::SetEffectSpeed(float speed) { m_fEffectSpeed = speed; }
void CPlaneObject::SetEffectAmplitude(float amplitude) { m_fEffectAmplitude = amplitude; }

// The base texture coordinates are sized from the grid of the buffers, so that they always match
// the vertex buffer, also after an Init with another subdivision.
void CPlaneObject::Resize(bool withIndices)
{
    if (m_nGridColumns == 0)
        return;
    m_pBaseU.resize(m_nVertices);
    m_pBaseV.resize(m_nVertices);
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    WriteVertices(vertices);
    UnlockVB(false);
    if (!withIndices)
        return;
    if (WORD* indices = LockIB(count)) {
        WriteFaces(indices);
        UnlockIB();
    }
}

// Row 0 is the top edge; texture coordinate (u0, v0) is at the top-left corner.
void CPlaneObject::WriteVertices(S3DVERTEX* vertices)
{
    const float stepX = 2 * m_fHalfWidth / m_nGridColumns;
    const float stepY = 2 * m_fHalfHeight / m_nGridRows;
    for (int r = 0; r <= m_nGridRows; ++r) {
        for (int c = 0; c <= m_nGridColumns; ++c) {
            const int k = GridIndex(r, c);
            S3DVERTEX& v = vertices[k];
            v.x = c * stepX - m_fHalfWidth;
            v.y = m_fHalfHeight - r * stepY;
            v.z = 0;
            v.nx = 0;
            v.ny = 0;
            v.nz = 1;
            v.color = 0xFFFFFFFF;
            m_pBaseU[k] = v.tu = m_fU0 + c * (m_fU1 - m_fU0) / m_nGridColumns;
            m_pBaseV[k] = v.tv = m_fV0 + r * (m_fV1 - m_fV0) / m_nGridRows;
        }
    }
}

// Two triangles per quad, clockwise seen from negative z.
void CPlaneObject::WriteFaces(WORD* indices)
{
    for (int r = 0; r < m_nGridRows; ++r) {
        for (int c = 0; c < m_nGridColumns; ++c) {
            const WORD g = static_cast<WORD>(GridIndex(r, c));
            const WORD h = static_cast<WORD>(GridIndex(r + 1, c));
            const WORD quad[6] = {g, static_cast<WORD>(g + 1), static_cast<WORD>(h + 1),
                                  g, static_cast<WORD>(h + 1), h};
            indices = std::copy(quad, quad + 6, indices);
        }
    }
}
