// CBaseObject's draws: the world matrix, the projection of each mode, the render states, the ranges.
#include "objects/BaseObject.h"

#include <algorithm>

#include "screen/Screen.h"

void CBaseObject::Render()
{
    if (!m_pVB || !m_pIB)
        return;
    BuildWorldMatrix();
    if (!m_bOwnProjection)
        m_matOwnProj = m_pScreen->GetProjMatrix();
    SetProjectionAndView();
    SetRenderStates();
    m_pd3dDevice->SetTransform(D3DTS_WORLD, &m_matWorld);
    m_pd3dDevice->SetVertexShader(D3DFVF_S3DVERTEX);
    m_pd3dDevice->SetStreamSource(0, m_pVB, sizeof(S3DVERTEX));
    m_pd3dDevice->SetIndices(m_pIB, 0);
    DrawRanges();
    if (m_ProjectionMode == PM_SCREEN || m_ProjectionMode == PM_UNIT)
        m_pd3dDevice->SetTransform(D3DTS_VIEW, &m_matSavedView);
}

// Draws range 0 with whatever the previous draw left on the device.
void CBaseObject::FastRender()
{
    if (!m_pVB || !m_pIB)
        return;
    BuildWorldMatrix();
    m_pd3dDevice->SetTransform(D3DTS_WORLD, &m_matWorld);
    const int faces = std::min(RangeEnd(0), m_nFaces);
    if (faces > 0)
        m_pd3dDevice->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, m_nVertices, 0, faces);
}

// Pivot, rotation, the inverse of the orientation frame's look-at, then the position. An
// orientation frame whose target is its origin has no direction and leaves the rotation alone.
void CBaseObject::BuildWorldMatrix()
{
    D3DXMATRIX pivot, rotation, frame, position;
    D3DXMatrixTranslation(&pivot, m_vPivot.x, m_vPivot.y, m_vPivot.z);
    D3DXMatrixRotationYawPitchRoll(&rotation, m_vRotation.x, m_vRotation.y, m_vRotation.z);
    D3DXMatrixIdentity(&frame);
    if (m_vDirTarget != m_vDirOrigin) {
        D3DXMATRIX lookAt;
        D3DXMatrixLookAtLH(&lookAt, &m_vDirOrigin, &m_vDirTarget, &m_vUp);
        if (!D3DXMatrixInverse(&frame, nullptr, &lookAt))
            D3DXMatrixIdentity(&frame);
    }
    D3DXMatrixTranslation(&position, m_vPosition.x, m_vPosition.y, m_vPosition.z);
    m_matWorld = pivot * rotation * frame * position;
}

void CBaseObject::SetProjectionAndView()
{
    switch (m_ProjectionMode) {
    case PM_SCREEN:
    case PM_UNIT:
        m_pd3dDevice->SetTransform(D3DTS_PROJECTION,
                                   m_ProjectionMode == PM_SCREEN ? &m_matOrthoScreen : &m_matOrthoUnit);
        m_matSavedView = m_pScreen->GetViewMatrix();
        m_pd3dDevice->SetTransform(D3DTS_VIEW, &m_matIdentityView);
        break;
    case PM_PERSPECTIVE: {
        const D3DXMATRIX view = m_pScreen->GetViewMatrix();
        m_pd3dDevice->SetTransform(D3DTS_VIEW, &view);
        m_pd3dDevice->SetTransform(D3DTS_PROJECTION, &m_matOwnProj);
        break;
    }
    }
}

void CBaseObject::SetRenderStates()
{
    IDirect3DDevice8* device = m_pd3dDevice;
    const DWORD fill = m_bDot ? D3DFILL_POINT : m_bWireframe ? D3DFILL_WIREFRAME : D3DFILL_SOLID;
    device->SetRenderState(D3DRS_FILLMODE, fill);
    device->SetRenderState(D3DRS_LIGHTING, m_bLighting);
    device->SetRenderState(D3DRS_SHADEMODE, m_bFlatShading ? D3DSHADE_FLAT : D3DSHADE_GOURAUD);
    device->SetRenderState(D3DRS_CULLMODE, m_bCulling ? D3DCULL_CCW : D3DCULL_NONE);

    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);

    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device->SetRenderState(D3DRS_ALPHAREF, 8);
    device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    device->SetRenderState(D3DRS_SPECULARENABLE, m_bSpecular);
    device->SetRenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL);
}

// Range i covers the faces from the end of range i - 1 to its own end. Ends are kept within the
// face count and a range that ends before it starts draws nothing, so a bad end never reaches
// the device as an index range outside the buffer.
void CBaseObject::DrawRanges()
{
    int start = 0;
    for (int i = 0; i < m_nMaterials; ++i) {
        const int end = std::clamp(RangeEnd(i), start, m_nFaces);
        m_pd3dDevice->SetMaterial(&m_pMaterials[i]);
        IDirect3DTexture8* texture =
            m_bDrawTexture && i < static_cast<int>(m_ppTextures.size()) ? m_ppTextures[i] : nullptr;
        m_pd3dDevice->SetTexture(0, texture);
        if (end > start)
            m_pd3dDevice->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, m_nVertices, start * 3, end - start);
        start = end;
    }
}

int CBaseObject::RangeEnd(int material) const
{
    const int end = m_pRangeEnds[material];
    return end == -1 ? m_nFaces : end;
}
