#include "objects/TorusObject.h"

#include "objects/EngineMesh.h"

CTorusObject::CTorusObject()
    : m_fInnerRadius(0.5f), m_fOuterRadius(1.0f), m_nSides(10), m_nRings(10), m_nBuiltSides(10), m_nBuiltRings(10)
{
}

void CTorusObject::Init()
{
    PreInit();
    m_nBuiltSides = m_nSides;
    m_nBuiltRings = m_nRings;
    ResizeTorus(true);
}

void CTorusObject::SetRadius(float innerRadius, float outerRadius)
{
    m_fInnerRadius = innerRadius;
    m_fOuterRadius = outerRadius;
    if (m_pVB)
        ResizeTorus(false);
}

void CTorusObject::SetSideNumber(int sides) { m_nSides = sides; }
void CTorusObject::SetRingNumber(int rings) { m_nRings = rings; }

// A failed rebuild keeps the previous vertices; a failed first build leaves the torus without
// buffers, so that it draws nothing.
void CTorusObject::ResizeTorus(bool first)
{
    ID3DXMesh* generated = nullptr;
    if (m_nBuiltSides > 0 && m_nBuiltRings > 0)
        D3DXCreateTorus(m_pd3dDevice, m_fInnerRadius, m_fOuterRadius, m_nBuiltSides, m_nBuiltRings, &generated,
                        nullptr);
    if (engine_mesh::TakeGeneratedShape(*this, generated, m_pd3dDevice, first) && first) {
        m_strType = "CTorusObject";
        m_strDescription = "Torus";
    }
}
