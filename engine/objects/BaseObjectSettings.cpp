// CBaseObject's placement and render switches: plain setters and getters read by the next draw.
#include "objects/BaseObject.h"

#include "motion/Move.h"

void CBaseObject::SetPosition(float x, float y, float z) { m_vPosition = D3DXVECTOR3(x, y, z); }
void CBaseObject::SetPosition(D3DXVECTOR3 position) { m_vPosition = position; }
void CBaseObject::SetPivot(float x, float y, float z) { m_vPivot = D3DXVECTOR3(x, y, z); }
void CBaseObject::SetPivot(D3DXVECTOR3 pivot) { m_vPivot = pivot; }
void CBaseObject::SetRotation(float yaw, float pitch, float roll) { m_vRotation = D3DXVECTOR3(yaw, pitch, roll); }
void CBaseObject::SetRotation(D3DXVECTOR3 rotation) { m_vRotation = rotation; }
void CBaseObject::SetUpVector(float x, float y, float z) { m_vUp = D3DXVECTOR3(x, y, z); }

void CBaseObject::SetDirection(D3DXVECTOR3 origin, D3DXVECTOR3 direction)
{
    m_vDirOrigin = origin;
    m_vDirTarget = origin + direction;
}

void CBaseObject::SetDirection(CMove& path)
{
    D3DXVECTOR3 p, d, u;
    path.GetCurrentPosition(p.x, p.y, p.z, d.x, d.y, d.z, u.x, u.y, u.z);
    m_vDirOrigin = p;
    m_vDirTarget = p + d;
    m_vUp = u;
}

D3DXVECTOR3 CBaseObject::GetPosition() { return m_vPosition + m_vDirOrigin; }

void CBaseObject::SetProjectionMode(ProjectionMode mode) { m_ProjectionMode = mode; }

// Init builds the pi/4 matrix again; the object keeps drawing with its own matrix from then on.
void CBaseObject::SetFieldOfView(float fovY)
{
    m_bOwnProjection = true;
    D3DXMatrixPerspectiveFovLH(&m_matOwnProj, fovY, 1.0f, 0.1f, 1000.0f);
}

void CBaseObject::EnableCulling(bool culling) { m_bCulling = culling; }
bool CBaseObject::GetCulling() { return m_bCulling; }
void CBaseObject::SetWireframe(bool wireframe) { m_bWireframe = wireframe; }
bool CBaseObject::GetWireframe() { return m_bWireframe; }
void CBaseObject::SetDot(bool dot) { m_bDot = dot; }
bool CBaseObject::GetDot() { return m_bDot; }
void CBaseObject::SetFlatShading(bool flat) { m_bFlatShading = flat; }
bool CBaseObject::GetFlatShading() { return m_bFlatShading; }
void CBaseObject::SetLighting(bool lighting) { m_bLighting = lighting; }
bool CBaseObject::GetLighting() { return m_bLighting; }
void CBaseObject::EnableSpecular(bool specular) { m_bSpecular = specular; }
