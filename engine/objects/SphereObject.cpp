#include "objects/SphereObject.h"

#include "objects/EngineMesh.h"

CSphereObject::CSphereObject() : m_fRadius(1.0f), m_nSlices(10), m_nStacks(10), m_nBuiltSlices(10), m_nBuiltStacks(10)
{
}

void CSphereObject::Init()
{
    PreInit();
    m_nBuiltSlices = m_nSlices;
    m_nBuiltStacks = m_nStacks;
    ResizeSphere(true);
}

void CSphereObject::SetRadius(float radius)
{
    m_fRadius = radius;
    if (m_pVB)
        ResizeSphere(false);
}

void CSphereObject::SetSliceNumber(int slices) { m_nSlices = slices; }
void CSphereObject::SetStackNumber(int stacks) { m_nStacks = stacks; }

// A failed rebuild keeps the previous vertices; a failed first build leaves the sphere without
// buffers, so that it draws nothing.
void CSphereObject::ResizeSphere(bool first)
{
    ID3DXMesh* generated = nullptr;
    if (m_nBuiltSlices > 0 && m_nBuiltStacks > 0)
        D3DXCreateSphere(m_pd3dDevice, m_fRadius, m_nBuiltSlices, m_nBuiltStacks, &generated, nullptr);
    if (engine_mesh::TakeGeneratedShape(*this, generated, m_pd3dDevice, first) && first) {
        m_strType = "CSphereObject";
        m_strDescription = "Sphere";
    }
}
