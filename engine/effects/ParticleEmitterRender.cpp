#include "effects/ParticleEmitter.h"

#include <cstring>

#include "screen/Screen.h"

namespace {

DWORD FloatBits(float value)
{
    DWORD bits;
    static_assert(sizeof(bits) == sizeof(value), "a render state holds a float's bits");
    std::memcpy(&bits, &value, sizeof(bits));
    return bits;
}

DWORD ColorChannel(float c)
{
    if (c >= 1.0f)
        return 255;
    if (c <= 0.0f)
        return 0;
    return static_cast<DWORD>(c * 255.0f + 0.5f);
}

}  // namespace

D3DCOLOR CParticleEmitter::PackColor(const D3DXCOLOR& c)
{
    return (ColorChannel(c.a) << 24) | (ColorChannel(c.r) << 16) | (ColorChannel(c.g) << 8) | ColorChannel(c.b);
}

void CParticleEmitter::Render()
{
    const float now = m_pScreen->GetTickCount();
    const float step = now - m_LastTime;
    m_LastDelta = step;
    m_LastTime = now;
    Update(now, step);

    if (!m_pd3dDevice || !m_pVertexBuffer)
        return;
    IDirect3DDevice8* device = m_pd3dDevice;

    // Sprites sized in world units: on screen a point covers size x viewport height / distance.
    device->SetRenderState(D3DRS_POINTSPRITEENABLE, TRUE);
    device->SetRenderState(D3DRS_POINTSCALEENABLE, TRUE);
    device->SetRenderState(D3DRS_POINTSIZE, FloatBits(1.08f));
    device->SetTransform(D3DTS_WORLD, &m_matWorld);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_ZWRITEENABLE, FALSE);
    device->SetRenderState(D3DRS_POINTSIZE_MIN, FloatBits(0.0f));
    device->SetRenderState(D3DRS_POINTSIZE_MAX, FloatBits(200.0f));
    device->SetRenderState(D3DRS_POINTSCALE_A, FloatBits(0.0f));
    device->SetRenderState(D3DRS_POINTSCALE_B, FloatBits(0.0f));
    device->SetRenderState(D3DRS_POINTSCALE_C, FloatBits(1.0f));
    device->SetRenderState(D3DRS_SRCBLEND, static_cast<DWORD>(m_SrcBlendMode));
    device->SetRenderState(D3DRS_DESTBLEND, static_cast<DWORD>(m_DestBlendMode));
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_CCW);
    device->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_FLAT);
    device->SetTextureStageState(0, D3DTSS_MINFILTER, D3DTEXF_LINEAR);
    device->SetTextureStageState(0, D3DTSS_MAGFILTER, D3DTEXF_LINEAR);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
    device->SetTextureStageState(1, D3DTSS_ALPHAOP, D3DTOP_DISABLE);
    device->SetStreamSource(0, m_pVertexBuffer, sizeof(SParticleVertex));
    device->SetVertexShader(D3DFVF_PARTICLEVERTEX);
    device->SetTexture(0, m_pTexture);

    DrawParticles();

    device->SetRenderState(D3DRS_POINTSPRITEENABLE, FALSE);
    device->SetRenderState(D3DRS_POINTSCALEENABLE, FALSE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_ONE);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ZERO);
    device->SetRenderState(D3DRS_ZWRITEENABLE, TRUE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
}

void CParticleEmitter::DrawParticles()
{
    const UINT bytes = static_cast<UINT>(m_VBSize) * sizeof(SParticleVertex);
    BYTE* data = nullptr;
    if (m_VBSize < 1 || FAILED(m_pVertexBuffer->Lock(0, bytes, &data, D3DLOCK_DISCARD)))
        return;
    SParticleVertex* vertices = reinterpret_cast<SParticleVertex*>(data);
    int batched = 0;
    for (int i = 0; i < CRecyclingArray::NUMELEMENTS; ++i) {
        if (!m_Particles.IsAlive(i))
            continue;
        const CParticleItem& particle = m_Particles.GetAt(i);
        vertices[batched].position = particle.m_vPosition;
        vertices[batched].pointSize = particle.m_fSize;
        vertices[batched].color = PackColor(particle.m_Color);
        if (++batched == m_VBSize) {
            m_pVertexBuffer->Unlock();
            if (FAILED(m_pd3dDevice->DrawPrimitive(D3DPT_POINTLIST, 0, static_cast<UINT>(batched))))
                return;
            batched = 0;
            if (FAILED(m_pVertexBuffer->Lock(0, bytes, &data, D3DLOCK_DISCARD)))
                return;
            vertices = reinterpret_cast<SParticleVertex*>(data);
        }
    }
    m_pVertexBuffer->Unlock();
    if (batched > 0)
        m_pd3dDevice->DrawPrimitive(D3DPT_POINTLIST, 0, static_cast<UINT>(batched));
}
