#include "effects/ParticleEmitter.h"

#include <algorithm>
#include <cmath>

#include "screen/Screen.h"

const BLENDINGMODE CParticleEmitter::m_BlendingModes[CParticleEmitter::NUMBLENDINGMODES] = {
    {"D3DBLEND_ZERO", D3DBLEND_ZERO},
    {"D3DBLEND_ONE", D3DBLEND_ONE},
    {"D3DBLEND_SRCCOLOR", D3DBLEND_SRCCOLOR},
    {"D3DBLEND_INVSRCCOLOR", D3DBLEND_INVSRCCOLOR},
    {"D3DBLEND_SRCALPHA", D3DBLEND_SRCALPHA},
    {"D3DBLEND_INVSRCALPHA", D3DBLEND_INVSRCALPHA},
    {"D3DBLEND_DESTALPHA", D3DBLEND_DESTALPHA},
    {"D3DBLEND_INVDESTALPHA", D3DBLEND_INVDESTALPHA},
    {"D3DBLEND_DESTCOLOR", D3DBLEND_DESTCOLOR},
    {"D3DBLEND_INVDESTCOLOR", D3DBLEND_INVDESTCOLOR},
    {"D3DBLEND_SRCALPHASAT", D3DBLEND_SRCALPHASAT},
};

CParticleEmitter::CParticleEmitter()
    : m_Gravity(0.0f, 0.0f, 0.0f),
      m_Position(0.0f, 0.0f, 0.0f),
      m_EmitRate(1.0f, 10.0f),
      m_Lifetime(0.0f, 0.0f),
      m_Size(20.0f, 100.0f),
      m_StartColor1(1.0f, 1.0f, 1.0f, 1.0f),
      m_StartColor2(1.0f, 1.0f, 1.0f, 1.0f),
      m_EndColor1(1.0f, 1.0f, 1.0f, 1.0f),
      m_EndColor2(1.0f, 1.0f, 1.0f, 1.0f),
      m_SpawnDir1(-1.0f, -1.0f, -1.0f),
      m_SpawnDir2(1.0f, 1.0f, 1.0f),
      m_EmitRadius(1.0f, 1.0f, 1.0f),
      m_SrcBlendMode(D3DBLEND_ONE),
      m_DestBlendMode(D3DBLEND_ONE),
      m_MaxParticles(CRecyclingArray::NUMELEMENTS),
      m_VBSize(200),
      m_pVertexBuffer(nullptr),
      m_pTexture(nullptr),
      m_EmitRemainder(0.0f),
      m_LastTime(0.0f),
      m_LastDelta(0.0f)
{
    D3DXMatrixIdentity(&m_matWorld);
    m_pScreen = &CScreen::Instance();
}

CParticleEmitter::~CParticleEmitter() = default;

const char* CParticleEmitter::BlendModeName(int mode)
{
    for (const BLENDINGMODE& row : m_BlendingModes) {
        if (row.mode == mode)
            return row.name;
    }
    return nullptr;
}

void CParticleEmitter::Init()
{
    PreInit();
    CObjects::Init();
    D3DXMatrixIdentity(&m_matWorld);
    m_pd3dDevice = m_pScreen->GetD3DDevice();
    // The first Render measures its step from here, so it is a frame's step even without Reset.
    m_LastTime = m_pScreen->GetTickCount();
    m_LastDelta = 0.0f;
    RestoreDeviceObjects(m_pd3dDevice);
}

void CParticleEmitter::CleanUp()
{
    InvalidateDeviceObjects();
    CObjects::CleanUp();
}

void CParticleEmitter::Reset()
{
    m_Particles.DeleteAll();
    m_LastTime = m_pScreen->GetTickCount();
}

HRESULT CParticleEmitter::RestoreDeviceObjects(IDirect3DDevice8* device)
{
    m_pd3dDevice = device;
    m_Particles.DeleteAll();
    if (!device)
        return D3DERR_INVALIDCALL;
    // Whatever an earlier restore left is replaced, not leaked.
    InvalidateDeviceObjects();
    HRESULT result = D3DXCreateTextureFromFileA(device, m_TextureFile, &m_pTexture);
    if (FAILED(result)) {
        m_pTexture = nullptr;
        return result;
    }
    result = device->CreateVertexBuffer(static_cast<UINT>(m_VBSize) * sizeof(SParticleVertex),
                                        D3DUSAGE_WRITEONLY | D3DUSAGE_DYNAMIC | D3DUSAGE_POINTS,
                                        D3DFVF_PARTICLEVERTEX, D3DPOOL_DEFAULT, &m_pVertexBuffer);
    if (FAILED(result))
        m_pVertexBuffer = nullptr;
    return result;
}

void CParticleEmitter::InvalidateDeviceObjects()
{
    if (m_pTexture) {
        m_pTexture->Release();
        m_pTexture = nullptr;
    }
    if (m_pVertexBuffer) {
        m_pVertexBuffer->Release();
        m_pVertexBuffer = nullptr;
    }
}

void CParticleEmitter::SetTexture(const char* filename)
{
    m_TextureFile = filename ? filename : "";
    if (!m_pd3dDevice)
        return;
    if (m_pTexture) {
        m_pTexture->Release();
        m_pTexture = nullptr;
    }
    if (FAILED(D3DXCreateTextureFromFileA(m_pd3dDevice, m_TextureFile, &m_pTexture)))
        m_pTexture = nullptr;
}

void CParticleEmitter::Update(float /*time*/, float step)
{
    for (int i = 0; i < CRecyclingArray::NUMELEMENTS; ++i) {
        if (!m_Particles.IsAlive(i))
            continue;
        CParticleItem& particle = m_Particles.GetAt(i);
        particle.m_fAge += step;
        if (particle.m_fAge >= particle.m_fLifetime) {
            m_Particles.Delete(i);
            continue;
        }
        particle.m_vPosition += particle.m_vVelocity * step;
        particle.m_Color += particle.m_ColorStep * step;
        particle.m_vVelocity += m_Gravity * step;
    }

    // One step never emits more than the pool holds; bounding the count first keeps a rate past the
    // int range (or one that is no number) from overflowing it.
    const float rate = m_EmitRate.GetRandomNumInRange();
    const float limit = static_cast<float>(CRecyclingArray::NUMELEMENTS);
    const float wanted = std::isnan(rate * step) ? 0.0f : std::clamp(rate * step, -limit, limit);
    int count = static_cast<int>(wanted);
    m_EmitRemainder += wanted - static_cast<float>(count);
    if (m_EmitRemainder > 1.0f) {
        const int whole = static_cast<int>(m_EmitRemainder);
        count += whole;
        m_EmitRemainder -= static_cast<float>(whole);
    }

    for (int q = 0; q < count; ++q) {
        if (m_Particles.GetNumUsedElements() >= m_MaxParticles)
            break;
        CParticleItem* particle = m_Particles.New();
        if (!particle)
            break;
        // The draws below come in a fixed order, so that a seed gives the same particles.
        particle->m_fLifetime = m_Lifetime.GetRandomNumInRange();
        particle->m_fSize = m_Size.GetRandomNumInRange();
        particle->m_vVelocity.x = RandomInRange(m_SpawnDir1.x, m_SpawnDir2.x);
        particle->m_vVelocity.y = RandomInRange(m_SpawnDir1.y, m_SpawnDir2.y);
        particle->m_vVelocity.z = RandomInRange(m_SpawnDir1.z, m_SpawnDir2.z);
        particle->m_vPosition.x = m_Position.x + RandomInRange(-m_EmitRadius.x, m_EmitRadius.x);
        particle->m_vPosition.y = m_Position.y + RandomInRange(-m_EmitRadius.y, m_EmitRadius.y);
        particle->m_vPosition.z = m_Position.z + RandomInRange(-m_EmitRadius.z, m_EmitRadius.z);
        D3DXCOLOR start;
        start.r = RandomInRange(m_StartColor1.r, m_StartColor2.r);
        start.g = RandomInRange(m_StartColor1.g, m_StartColor2.g);
        start.b = RandomInRange(m_StartColor1.b, m_StartColor2.b);
        start.a = RandomInRange(m_StartColor1.a, m_StartColor2.a);
        D3DXCOLOR end;
        end.r = RandomInRange(m_EndColor1.r, m_EndColor2.r);
        end.g = RandomInRange(m_EndColor1.g, m_EndColor2.g);
        end.b = RandomInRange(m_EndColor1.b, m_EndColor2.b);
        end.a = RandomInRange(m_EndColor1.a, m_EndColor2.a);
        particle->m_Color = start;
        particle->m_ColorStep = (end - start) * (1.0f / particle->m_fLifetime);
    }
}
