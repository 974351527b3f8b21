#include "objects/Light.h"

CLight::CLight() : m_nIndex(0), m_bEnabled(1)
{
    ZeroMemory(&m_Light, sizeof(m_Light));
    m_Light.Type = D3DLIGHT_DIRECTIONAL;
    m_Light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    m_Light.Direction = {0.0f, -1.0f, 0.0f};
    m_Light.Falloff = 1.0f;
}

void CLight::Init()
{
    PreInit();
    CObjects::Init();
    if (!m_pd3dDevice)
        return;
    m_pd3dDevice->SetLight(m_nIndex, &m_Light);
    m_pd3dDevice->LightEnable(m_nIndex, m_bEnabled);
}

void CLight::CleanUp() { CObjects::CleanUp(); }

void CLight::Render() {}

void CLight::SetProperties(D3DLIGHTTYPE type, D3DCOLORVALUE diffuse, D3DCOLORVALUE specular, D3DCOLORVALUE ambient,
                           float range, float falloff, float attenuation0, float attenuation1, float attenuation2,
                           float theta, float phi)
{
    m_Light.Type = type;
    m_Light.Diffuse = diffuse;
    m_Light.Specular = specular;
    m_Light.Ambient = ambient;
    m_Light.Range = range;
    m_Light.Falloff = falloff;
    m_Light.Attenuation0 = attenuation0;
    m_Light.Attenuation1 = attenuation1;
    m_Light.Attenuation2 = attenuation2;
    m_Light.Theta = theta;
    m_Light.Phi = phi;
}

void CLight::SetPosition(float x, float y, float z) { m_Light.Position = {x, y, z}; }
void CLight::SetPosition(D3DXVECTOR3 position) { SetPosition(position.x, position.y, position.z); }
void CLight::SetRotation(float x, float y, float z) { m_Light.Direction = {x, y, z}; }
void CLight::SetRotation(D3DXVECTOR3 direction) { SetRotation(direction.x, direction.y, direction.z); }
void CLight::SetIndex(unsigned long index) { m_nIndex = static_cast<DWORD>(index); }

void CLight::Enable(int on)
{
    m_bEnabled = on;
    // Before Init there is no device to tell; Init sends the switch then.
    if (m_pd3dDevice)
        m_pd3dDevice->LightEnable(m_nIndex, on);
}
