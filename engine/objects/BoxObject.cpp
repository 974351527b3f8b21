#include "objects/BoxObject.h"

namespace {

constexpr int BOX_VERTICES = 36;
constexpr int BOX_FACES = 12;
// Corner P, Q, R, S of a face: which half size sign each axis takes.
struct SCornerSigns {
    float x, y, z;
};
constexpr SCornerSigns FACE_CORNERS[6][4] = {
    {{-1, 1, 1}, {1, 1, 1}, {1, 1, -1}, {-1, 1, -1}},      // top, y = +Y
    {{-1, 1, -1}, {1, 1, -1}, {1, -1, -1}, {-1, -1, -1}},  // front, z = -Z
    {{1, 1, -1}, {1, 1, 1}, {1, -1, 1}, {1, -1, -1}},      // right, x = +X
    {{1, 1, 1}, {-1, 1, 1}, {-1, -1, 1}, {1, -1, 1}},      // back, z = +Z
    {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, -1}, {-1, -1, 1}},  // left, x = -X
    {{1, -1, -1}, {1, -1, 1}, {-1, -1, 1}, {-1, -1, -1}},  // bottom, y = -Y
};
constexpr float CORNER_TU[4] = {0, 1, 1, 0};
constexpr float CORNER_TV[4] = {0, 0, 1, 1};
// A face's six vertices are its corners P, Q, R, P, R S: triangles (P, Q, R) and (P, R, S).
constexpr int FACE_VERTEX_CORNERS[6] = {0, 1, 2, 0, 2, 3};

}  // namespace

CBoxObject::CBoxObject() : m_fHalfWidth(0.5f), m_fHalfHeight(0.5f), m_fHalfDepth(0.5f) {}

void CBoxObject::Init()
{
    PreInit();
    SetNumberVertices(BOX_VERTICES);
    SetNumberFaces(BOX_FACES);
    CBaseObject::Init();
    Resize(true);
    SetAlpha(1.0f, 0);
    m_strType = "CBoxObject";
    m_strDescription = "Box";
}

void CBoxObject::SetSize(float width, float height, float depth)
{
    m_fHalfWidth = width / 2;
    m_fHalfHeight = height / 2;
    m_fHalfDepth = depth / 2;
    Resize(false);
}

// The faces go in before the vertices are unlocked, because the first unlock derives the normals
// from them.
void CBoxObject::Resize(bool first)
{
    unsigned long count = 0;
    if (first) {
        WORD* indices = LockIB(count);
        if (!indices)
            return;
        for (int i = 0; i < BOX_VERTICES; ++i)
            indices[i] = static_cast<WORD>(i);
        UnlockIB();
    }
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    WriteCorners(vertices, first);
    UnlockVB(first);
}

void CBoxObject::WriteCorners(S3DVERTEX* vertices, bool first)
{
    for (int face = 0; face < 6; ++face) {
        for (int k = 0; k < 6; ++k) {
            const int corner = FACE_VERTEX_CORNERS[k];
            const SCornerSigns& sign = FACE_CORNERS[face][corner];
            S3DVERTEX& v = vertices[face * 6 + k];
            v.x = sign.x * m_fHalfWidth;
            v.y = sign.y * m_fHalfHeight;
            v.z = sign.z * m_fHalfDepth;
            v.tu = CORNER_TU[corner];
            v.tv = CORNER_TV[corner];
            if (first)
                v.color = 0xFFFFFFFF;
        }
    }
}
