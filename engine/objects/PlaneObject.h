// A flat rectangle divided into a grid of quads: the engine's full-screen quad in its default unit
// projection, with a wave that moves the texture coordinates of the inner grid points and an alpha
// wipe across the rows.
#pragma once

#include <vector>

#include "objects/BaseObject.h"

class CPlaneObject : public CBaseObject {
public:
    CPlaneObject();

    void Init() override;
    void Render() override;

    using CBaseObject::Resize;
    using CBaseObject::SetSize;
    // Full width and height; applied at once when the plane has its buffers.
    void SetSize(float width, float height);
    // Grid subdivisions, used by the next Init.
    void SetSubdivision(int columns, int rows);
    // Texture coordinates at the left (u0), top (v0), right (u1) and bottom (v1) edges, used by the
    // next Resize.
    void SetTextureOffset(float u0, float v0, float u1, float v1);
    // 0 none, 1 to 4 a wave kind; any other value draws without a wave.
    void Effect(int kind);
    void SetEffectSpeed(float speed);
    void SetEffectAmplitude(float amplitude);
    // Rewrites the vertex alphas at once: mode 0 a soft edge three rows wide at x (0 top, 1 bottom)
    // with the rows above it transparent; any other mode one alpha for the whole plane.
    void AlphaEffect(int mode, float x);

protected:
    // Writes every grid vertex (opaque white, unwaved texture coordinates) and, with withIndices,
    // the faces.
    void Resize(bool withIndices);

    float m_fEffectSpeed;
    float m_fEffectAmplitude;
    float m_fHalfWidth;
    float m_fHalfHeight;
    int m_nColumns;
    int m_nRows;
    int m_nEffect;
    float m_fU0, m_fU1, m_fV0, m_fV1;
    // The unwaved texture coordinates of each grid point.
    std::vector<float> m_pBaseU;
    std::vector<float> m_pBaseV;
    // The grid the buffers were made for by the last Init; subdivisions set since wait for the next.
    int m_nGridColumns;
    int m_nGridRows;

private:
    int GridIndex(int row, int column) const { return row * (m_nGridColumns + 1) + column; }
    void WriteVertices(S3DVERTEX* vertices);
    void WriteFaces(WORD* indices);
    void ApplyWave();
};
