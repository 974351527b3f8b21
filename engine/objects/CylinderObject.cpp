#include "objects/CylinderObject.h"

#include "objects/EngineMesh.h"

CCylinderObject::CCylinderObject()
    : m_fRadius1(1.0f),
      m_fRadius2(1.0f),
      m_fLength(1.0f),
      m_nSlices(10),
      m_nStacks(10),
      m_nBuiltSlices(10),
      m_nBuiltStacks(10)
{
}

void CCylinderObject::Init()
{
    PreInit();
    m_nBuiltSlices = m_nSlices;
    m_nBuiltStacks = m_nStacks;
    ResizeCylinder(true);
}

void CCylinderObject::SetRadius(float radius1, float radius2)
{
    m_fRadius1 = radius1;
    m_fRadius2 = radius2;
    if (m_pVB)
        ResizeCylinder(false);
}

void CCylinderObject::SetLength(float length)
{
    m_fLength = length;
    if (m_pVB)
        ResizeCylinder(false);
}

void CCylinderObject::SetSliceNumber(int slices) { m_nSlices = slices; }
void CCylinderObject::SetStackNumber(int stacks) { m_nStacks = stacks; }

// A failed rebuild keeps the previous vertices; a failed first build leaves the cylinder without
// buffers, so that it draws nothing.
void CCylinderObject::ResizeCylinder(bool first)
{
    ID3DXMesh* generated = nullptr;
    if (m_nBuiltSlices > 0 && m_nBuiltStacks > 0)
        D3DXCreateCylinder(m_pd3dDevice, m_fRadius1, m_fRadius2, m_fLength, m_nBuiltSlices, m_nBuiltStacks,
                           &generated, nullptr);
    if (engine_mesh::TakeGeneratedShape(*this, generated, m_pd3dDevice, first) && first) {
        m_strType = "CCylinderObject";
        m_strDescription = "Cylinder";
    }
}
