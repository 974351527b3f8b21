// Helpers of the object tests: a mesh built from given vertices and faces, device state reads, frames.
#pragma once

#include <vector>

#include "objects/BaseObject.h"
#include "screen_run.h"

// A CBaseObject whose Init writes the vertices and faces it was given, as a derived class does.
class CTestMesh : public CBaseObject {
public:
    CTestMesh(std::vector<S3DVERTEX> vertices, std::vector<WORD> indices, bool computeNormals = false)
        : m_Vertices(std::move(vertices)), m_Indices(std::move(indices)), m_bComputeNormals(computeNormals)
    {
    }

    void Init() override
    {
        PreInit();
        SetNumberVertices(static_cast<int>(m_Vertices.size()));
        SetNumberFaces(static_cast<int>(m_Indices.size() / 3));
        CBaseObject::Init();
        unsigned long count = 0;
        if (WORD* indices = LockIB(count)) {
            std::copy(m_Indices.begin(), m_Indices.end(), indices);
            UnlockIB();
        }
        if (S3DVERTEX* vertices = LockVB(count)) {
            std::copy(m_Vertices.begin(), m_Vertices.end(), vertices);
            UnlockVB(m_bComputeNormals);
        }
    }

    D3DXVECTOR3 BoxMin() const { return m_vBoxMin; }
    D3DXVECTOR3 BoxMax() const { return m_vBoxMax; }

private:
    std::vector<S3DVERTEX> m_Vertices;
    std::vector<WORD> m_Indices;
    bool m_bComputeNormals;
};

inline S3DVERTEX Vertex(float x, float y, float z, DWORD color = 0xFFFFFFFF)
{
    return {x, y, z, 0, 0, 1, color, 0, 0};
}

// n separate triangles in the z = 0.5 plane, side by side along x, all within x 0..n, y 0..1.
inline CTestMesh* NewStrip(int faces)
{
    std::vector<S3DVERTEX> vertices;
    std::vector<WORD> indices;
    for (int i = 0; i < faces; ++i) {
        const float x = static_cast<float>(i);
        vertices.push_back(Vertex(x, 0, 0.5f));
        vertices.push_back(Vertex(x + 1, 1, 0.5f));
        vertices.push_back(Vertex(x + 1, 0, 0.5f));
        for (int k = 0; k < 3; ++k)
            indices.push_back(static_cast<WORD>(i * 3 + k));
    }
    return new CTestMesh(vertices, indices);
}

// A copy of the object's vertex buffer.
inline std::vector<S3DVERTEX> ReadVertices(CBaseObject& object)
{
    unsigned long count = 0;
    S3DVERTEX* vertices = object.LockVB(count);
    if (!vertices)
        return {};
    std::vector<S3DVERTEX> copy(vertices, vertices + count);
    object.UnlockVB(false);
    return copy;
}

inline std::vector<WORD> ReadIndices(CBaseObject& object)
{
    unsigned long faces = 0;
    WORD* indices = object.LockIB(faces);
    if (!indices)
        return {};
    std::vector<WORD> copy(indices, indices + faces * 3);
    object.UnlockIB();
    return copy;
}

inline IDirect3DDevice8* Device() { return CScreen::Instance().GetD3DDevice(); }

inline DWORD RenderState(D3DRENDERSTATETYPE state)
{
    DWORD value = 0xDEADBEEF;
    Device()->GetRenderState(state, &value);
    return value;
}

inline DWORD StageState(D3DTEXTURESTAGESTATETYPE state)
{
    DWORD value = 0xDEADBEEF;
    Device()->GetTextureStageState(0, state, &value);
    return value;
}

inline D3DXMATRIX Transform(D3DTRANSFORMSTATETYPE state)
{
    D3DXMATRIX matrix;
    Device()->GetTransform(state, &matrix);
    return matrix;
}

inline bool SameMatrix(const D3DXMATRIX& a, const D3DXMATRIX& b, float tolerance = 1e-5f)
{
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (std::fabs(a(r, c) - b(r, c)) > tolerance)
                return false;
        }
    }
    return true;
}
