// CPlaneObject's effects: the wave of the texture coordinates and the alpha wipe across the rows.
#include "objects/PlaneObject.h"

#include <algorithm>
#include <cmath>

#include "screen/Screen.h"

namespace {

struct SWaveOffset {
    float du, dv;
};

// The offset of inner grid point (r, c) for a wave kind 1 to 4 at scaled time s.
SWaveOffset WaveOffset(int kind, float s, float amplitude, int r, int c)
{
    switch (kind) {
    case 1:
        return {amplitude * std::sin(1.1f * s + r), amplitude * std::sin(0.8f * s + c + 1)};
    case 2:
        return {amplitude * std::sin(s + r), 0};
    case 3:
        return {0, amplitude * std::sin(s + c)};
    default:
        return {amplitude * std::sin(1.1f * s + r * c), amplitude * std::sin(0.8f * s + r + c + 1)};
    }
}

// The alpha of a grid row for the wipe at row b with fraction f.
float WipeAlpha(int row, int b, float f)
{
    if (row < b - 1)
        return 0;
    if (row > b + 1)
        return 1;
    if (row == b - 1)
        return f - 0.5f;
    if (row == b)
        return 0.5f;
    return f + 0.5f;
}

}  // namespace

void CPlaneObject::Render()
{
    if (m_nEffect >= 1 && m_nEffect <= 4)
        ApplyWave();
    CBaseObject::Render();
}

// The border points never move, so a plane with one row or one column keeps its coordinates.
void CPlaneObject::ApplyWave()
{
    if (m_pBaseU.size() != static_cast<size_t>(m_nVertices))
        return;
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    const float s = m_pScreen->GetTickCount() * m_fEffectSpeed;
    for (int r = 1; r < m_nGridRows; ++r) {
        for (int c = 1; c < m_nGridColumns; ++c) {
            const int k = GridIndex(r, c);
            const SWaveOffset offset = WaveOffset(m_nEffect, s, m_fEffectAmplitude, r, c);
            vertices[k].tu = m_pBaseU[k] + offset.du;
            vertices[k].tv = m_pBaseV[k] + offset.dv;
        }
    }
    UnlockVB(false);
}

void CPlaneObject::AlphaEffect(int mode, float x)
{
    if (m_nGridColumns == 0)
        return;
    unsigned long count = 0;
    S3DVERTEX* vertices = LockVB(count);
    if (!vertices)
        return;
    const float wipe = m_nGridRows * x;
    const int b = static_cast<int>(std::trunc(wipe));
    const float f = 1 - (wipe - b);
    for (int r = 0; r <= m_nGridRows; ++r) {
        const float alpha = std::clamp(mode == 0 ? WipeAlpha(r, b, f) : f, 0.0f, 1.0f);
        const DWORD color = (static_cast<DWORD>(alpha * 255) << 24) | 0xFFFFFF;
        for (int c = 0; c <= m_nGridColumns; ++c)
            vertices[GridIndex(r, c)].color = color;
    }
    UnlockVB(false);
}
