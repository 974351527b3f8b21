#include "objects/PyramidObject.h"

namespace {

constexpr int PYRAMID_VERTICES = 18;
constexpr int PYRAMID_FACES = 6;

// Each vertex as signs of the half sizes (the apex is y = +1 with x = z = 0) and its texture
// coordinates: the base as two triangles, then the four sides.
struct SPyramidVertex {
    float x, y, z, tu, tv;
};
constexpr SPyramidVertex PYRAMID[PYRAMID_VERTICES] = {
    {-1, -1, 1, 0, 0},  {1, -1, 1, 1, 0},  {1, -1, -1, 1, 1},
    {-1, -1, 1, 0, 0},  {1, -1, -1, 1, 1}, {-1, -1, -1, 0, 1},
    {1, -1, 1, 1, 0},   {0, 1, 0, 1, 0.5f}, {1, -1, -1, 1, 1},
    {-1, -1, -1, 1, 0}, {1, -1, -1, 1, 1}, {0, 1, 0, 0.5f, 0},
    {-1, -1, 1, 0, 0},  {-1, -1, -1, 0, 1}, {0, 1, 0, 1, 0.5f},
    {-1, -1, 1, 0, 0},  {0, 1, 0, 0.5f, 1}, {1, -1, 1, 1, 0},
};

}  // namespace

CPyramidObject::CPyramidObject() : m_fHalfWidth(0.5f), m_fHalfHeight(0.5f), m_fHalfDepth(0.5f) {}

void CPyramidObject::Init()
{
    PreInit();
    SetNumberVertices(PYRAMID_VERTICES);
    SetNumberFaces(PYRAMID_FACES);
    CBaseObject::Init();
    Resize(true);
}

void CPyramidObject::SetSize(float width, float height, float depth)
{
    m_fHalfWidth = width / 2;
    m_fHalfHeight = height / 2;
    m_fHalfDepth = depth / 2;
    Resize(false);
}

// The index buffer lists the vertices backwards, which turns every triangle's winding around. It
// is written before the vertices are unlocked, because the first unlock derives the normals from it.
void CPyramidObject::Resize(bool first)
{
    unsigned long count = 0;
    if (first) {
        WORD* indices = LockIB(count);
        if (!indices)
            return;
        for (int i = 0; i < PYRAMID_VERTICES; ++i)
            indices[i] = static_cast<WORD>(PYRAMID_VERTICES - 1 - i);
        UnlockIB();
    }
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    WriteVertices(vertices, first);
    UnlockVB(first);
}

void CPyramidObject::WriteVertices(S3DVERTEX* vertices, bool first)
{
    for (int i = 0; i < PYRAMID_VERTICES; ++i) {
        const SPyramidVertex& p = PYRAMID[i];
        S3DVERTEX& v = vertices[i];
        v.x = p.x * m_fHalfWidth;
        v.y = p.y * m_fHalfHeight;
        v.z = p.z * m_fHalfDepth;
        v.tu = p.tu;
        v.tv = p.tv;
        if (first)
            v.color = 0xFFFFFFFF;
    }
}
