#include "effects/LensFlare.h"

#include <algorithm>
#include <cmath>

#include "effects/2DEffect.h"
#include "objects/BaseObject.h"
#include "screen/Screen.h"

namespace {

constexpr UINT kSpotBytes = CLensFlare::VERTICES_PER_SPOT * sizeof(S2DVERTEX);

// Truncates towards zero. A projection close to the camera plane can divide by almost nothing, so
// values outside what an int holds are clamped and a NaN becomes 0 instead of an undefined cast.
int TruncToInt(float value)
{
    if (std::isnan(value))
        return 0;
    constexpr float kLimit = 1.0e9f;
    return static_cast<int>(std::max(-kLimit, std::min(kLimit, value)));
}

BYTE ColorByte(float c)
{
    if (c >= 1.0f)
        return 255;
    if (c <= 0.0f)
        return 0;
    return static_cast<BYTE>(static_cast<int>(c * 255.0f + 0.5f));
}

}  // namespace

CLensFlareSpot::CLensFlareSpot() : m_nTextureIndex(0), m_fSize(1.0f), m_fLinePos(0.0f), m_Color(1, 1, 1, 1) {}

CLensFlareSpot::CLensFlareSpot(unsigned textureIndex, float size, float linePos, D3DXCOLOR colour)
    : m_nTextureIndex(textureIndex), m_fSize(size), m_fLinePos(linePos), m_Color(colour)
{
}

CLensFlareSpot::~CLensFlareSpot() = default;

CLensFlare::CLensFlare()
    : m_vPickDir(0, 0, 0),
      m_Intensity(0.0f, 1.0f),
      m_fIntensityBorder(300.0f),
      m_pVB(nullptr),
      m_nSpotCapacity(1),
      m_nScreenWidth(0),
      m_nScreenHeight(0),
      m_vLightPosition(0, 0, 0),
      m_pObjectToObscur(nullptr)
{
}

CLensFlare::~CLensFlare() = default;

void CLensFlare::Init()
{
    PreInit();
    CObjects::Init();
    m_strType = "CLensFlare";
    m_strDescription = "Lens flare";
    RecreateVB();
    m_nScreenWidth = m_pScreen->GetXResolution();
    m_nScreenHeight = m_pScreen->GetYResolution();
}

void CLensFlare::CleanUp()
{
    DeleteTextures();
    DeleteSpots();
    if (m_pVB) {
        m_pVB->Release();
        m_pVB = nullptr;
    }
    CObjects::CleanUp();
}

void CLensFlare::AddTexture(const char* file)
{
    if (!m_pd3dDevice || !file)
        return;
    IDirect3DTexture8* texture = nullptr;
    if (FAILED(D3DXCreateTextureFromFileA(m_pd3dDevice, file, &texture)) || !texture)
        return;
    m_Textures.push_back(texture);
}

void CLensFlare::AddSpot(unsigned textureIndex, float size, float linePos, D3DXCOLOR colour)
{
    m_Spots.emplace_back(textureIndex, size, linePos, colour);
    m_nSpotCapacity = static_cast<int>(m_Spots.size());
    RecreateVB();
}

void CLensFlare::DeleteSpots()
{
    m_Spots.clear();
    m_nSpotCapacity = 0;
    if (m_pVB) {
        m_pVB->Release();
        m_pVB = nullptr;
    }
}

void CLensFlare::DeleteTextures()
{
    for (IDirect3DTexture8* texture : m_Textures) {
        if (texture)
            texture->Release();
    }
    m_Textures.clear();
}

void CLensFlare::RecreateVB()
{
    if (m_pVB) {
        m_pVB->Release();
        m_pVB = nullptr;
    }
    // Without a device (a spot added before Init) there is nothing to create the buffer on.
    if (m_nSpotCapacity <= 0 || !m_pd3dDevice)
        return;
    IDirect3DVertexBuffer8* buffer = nullptr;
    if (FAILED(m_pd3dDevice->CreateVertexBuffer(m_nSpotCapacity * kSpotBytes, 0, D3DFVF_S2DVERTEX, D3DPOOL_MANAGED,
                                                &buffer)))
        buffer = nullptr;
    m_pVB = buffer;
}

void CLensFlare::CalcLightSourceScreenCoords(D3DXVECTOR3 pos, int width, int height, int& x, int& y, int& w)
{
    const float halfW = static_cast<float>(width / 2);
    const float halfH = static_cast<float>(height / 2);
    D3DXMATRIX viewport(halfW, 0, 0, 0,
                        0, -halfH, 0, 0,
                        0, 0, 1, 0,
                        halfW, halfH, 0, 1);
    D3DXMATRIX view = m_pScreen ? m_pScreen->GetViewMatrix() : CScreen::Instance().GetViewMatrix();
    D3DXMATRIX proj = m_pScreen ? m_pScreen->GetProjMatrix() : CScreen::Instance().GetProjMatrix();
    D3DXMATRIX viewProj, total;
    D3DXMatrixMultiply(&viewProj, &view, &proj);
    D3DXMatrixMultiply(&total, &viewProj, &viewport);
    D3DXVECTOR4 projected;
    D3DXVec3Transform(&projected, &pos, &total);
    x = TruncToInt(projected.x / projected.w);
    y = TruncToInt(projected.y / projected.w);
    w = TruncToInt(projected.w);
}

void CLensFlare::Render()
{
    if (IsLensFlareObscured())
        return;
    int x = 0, y = 0, w = 0;
    CalcLightSourceScreenCoords(m_vLightPosition, m_nScreenWidth, m_nScreenHeight, x, y, w);
    if (w < 0)
        return;
    Render(x, y, m_nScreenWidth, m_nScreenHeight, false);
}

void CLensFlare::Render(int lightX, int lightY, int width, int height, bool firstOnly)
{
    if (!m_pVB || !m_pd3dDevice)
        return;

    // How far the light lies outside the screen, capped at the border.
    const int dx = lightX < 0 ? -lightX : (lightX > width ? lightX - width : 0);
    const int dy = lightY < 0 ? -lightY : (lightY > height ? lightY - height : 0);
    const float border = m_fIntensityBorder;
    float distance = static_cast<float>(std::max(dx, dy));
    float intensity;
    if (border > 0.0f) {
        distance = std::min(distance, border);
        intensity = m_Intensity.m_Min + m_Intensity.GetRange() * (1.0f - distance / border);
    } else {
        // No fading band: full intensity on the screen, the minimum as soon as the light leaves it.
        intensity = m_Intensity.m_Min + (distance > 0.0f ? 0.0f : m_Intensity.GetRange());
    }

    const int cx = width / 2;
    const int cy = height / 2;

    BYTE* data = nullptr;
    if (FAILED(m_pVB->Lock(0, m_nSpotCapacity * kSpotBytes, &data, 0)) || !data)
        return;
    // The buffer holds capacity spots; never write past it.
    const int spots = std::min(static_cast<int>(m_Spots.size()), m_nSpotCapacity);
    S2DVERTEX* vertex = reinterpret_cast<S2DVERTEX*>(data);
    for (int i = 0; i < spots; ++i) {
        const CLensFlareSpot& spot = m_Spots[i];
        const float line = spot.GetLinePos();
        const float sx = static_cast<float>(TruncToInt(cx - line * static_cast<float>(cx - lightX)));
        const float sy = static_cast<float>(TruncToInt(cy - line * static_cast<float>(cy - lightY)));
        const float h = static_cast<float>(TruncToInt(spot.GetSize() * static_cast<float>(width) * 0.5f));
        const D3DXCOLOR c = spot.GetColor();
        float alpha = std::max(0.0f, std::min(1.0f, c.a * intensity));
        if (firstOnly && i > 0)
            alpha = 0.0f;
        const D3DCOLOR colour = D3DCOLOR_ARGB(ColorByte(alpha), ColorByte(c.r), ColorByte(c.g), ColorByte(c.b));
        const S2DVERTEX quad[VERTICES_PER_SPOT] = {
            {sx - h, sy - h, 0.0f, 1.0f, colour, 0.0f, 0.0f}, {sx + h, sy - h, 0.0f, 1.0f, colour, 1.0f, 0.0f},
            {sx + h, sy + h, 0.0f, 1.0f, colour, 1.0f, 1.0f}, {sx - h, sy - h, 0.0f, 1.0f, colour, 0.0f, 0.0f},
            {sx + h, sy + h, 0.0f, 1.0f, colour, 1.0f, 1.0f}, {sx - h, sy + h, 0.0f, 1.0f, colour, 0.0f, 1.0f},
        };
        std::copy(quad, quad + VERTICES_PER_SPOT, vertex + i * VERTICES_PER_SPOT);
    }
    m_pVB->Unlock();

    IDirect3DDevice8* device = m_pd3dDevice;
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_ONE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetStreamSource(0, m_pVB, sizeof(S2DVERTEX));
    device->SetVertexShader(D3DFVF_S2DVERTEX);
    for (int i = 0; i < spots; ++i) {
        // A spot naming a texture that was never loaded draws without one rather than reading past
        // the list.
        const unsigned index = m_Spots[i].GetTextureIndex();
        IDirect3DTexture8* texture = index < m_Textures.size() ? m_Textures[index] : nullptr;
        device->SetTexture(0, texture);
        device->DrawPrimitive(D3DPT_TRIANGLELIST, VERTICES_PER_SPOT * i, 2);
    }
}

bool CLensFlare::IsLensFlareObscured()
{
    if (!m_pObjectToObscur)
        return false;
    int x = 0, y = 0, w = 0;
    CalcLightSourceScreenCoords(m_vLightPosition, m_nScreenWidth, m_nScreenHeight, x, y, w);
    return NumObjectsAtPoint(x, y) > 0;
}

int CLensFlare::NumObjectsAtPoint(int x, int y)
{
    if (!m_pObjectToObscur || m_nScreenWidth <= 0 || m_nScreenHeight <= 0)
        return 0;
    CScreen& screen = m_pScreen ? *m_pScreen : CScreen::Instance();
    const D3DXMATRIX proj = screen.GetProjMatrix();
    const D3DXMATRIX view = screen.GetViewMatrix();
    const float vx = (2.0f * x / m_nScreenWidth - 1.0f) / proj._11;
    const float vy = -(2.0f * y / m_nScreenHeight - 1.0f) / proj._22;
    D3DXMATRIX inverse;
    if (!D3DXMatrixInverse(&inverse, nullptr, &view))
        return 0;
    m_vPickDir = D3DXVECTOR3(vx * inverse._11 + vy * inverse._21 + inverse._31,
                             vx * inverse._12 + vy * inverse._22 + inverse._32,
                             vx * inverse._13 + vy * inverse._23 + inverse._33);
    const D3DXVECTOR3 origin(inverse._41, inverse._42, inverse._43);

    CBaseObject& object = *m_pObjectToObscur;
    unsigned long vertexCount = 0, faceCount = 0;
    S3DVERTEX* vertices = object.LockVB(vertexCount);
    if (!vertices)
        return 0;
    WORD* indices = object.LockIB(faceCount);
    if (!indices) {
        object.UnlockVB(false);
        return 0;
    }
    const D3DXVECTOR3 offset = object.GetPosition();
    int hits = 0;
    for (unsigned long face = 0; face < faceCount; ++face) {
        const WORD a = indices[face * 3], b = indices[face * 3 + 1], c = indices[face * 3 + 2];
        // A face naming a vertex the buffer does not hold is skipped rather than read out of bounds.
        if (a >= vertexCount || b >= vertexCount || c >= vertexCount)
            continue;
        const D3DXVECTOR3 va(vertices[a].x + offset.x, vertices[a].y + offset.y, vertices[a].z + offset.z);
        const D3DXVECTOR3 vb(vertices[b].x + offset.x, vertices[b].y + offset.y, vertices[b].z + offset.z);
        const D3DXVECTOR3 vc(vertices[c].x + offset.x, vertices[c].y + offset.y, vertices[c].z + offset.z);
        float t = 0, u = 0, v = 0;
        if (DoesRayIntersectTriangle(origin, m_vPickDir, va, vb, vc, &t, &u, &v))
            ++hits;
    }
    object.UnlockVB(false);
    object.UnlockIB();
    return hits;
}

bool CLensFlare::DoesRayIntersectTriangle(const D3DXVECTOR3& orig, const D3DXVECTOR3& dir, const D3DXVECTOR3& v0,
                                          const D3DXVECTOR3& v1, const D3DXVECTOR3& v2, float* t, float* u, float* v)
{
    const D3DXVECTOR3 edge1 = v1 - v0;
    const D3DXVECTOR3 edge2 = v2 - v0;
    D3DXVECTOR3 p;
    D3DXVec3Cross(&p, &dir, &edge2);
    const float det = D3DXVec3Dot(&edge1, &p);
    // Near zero the ray runs along the triangle's plane; below zero it meets the back face.
    if (det < 0.0001f)
        return false;
    const D3DXVECTOR3 s = orig - v0;
    const float uu = D3DXVec3Dot(&s, &p);
    if (uu < 0.0f || uu > det)
        return false;
    D3DXVECTOR3 q;
    D3DXVec3Cross(&q, &s, &edge1);
    const float vv = D3DXVec3Dot(&dir, &q);
    if (vv < 0.0f || uu + vv > det)
        return false;
    const float inv = 1.0f / det;
    if (t)
        *t = D3DXVec3Dot(&edge2, &q) * inv;
    if (u)
        *u = uu * inv;
    if (v)
        *v = vv * inv;
    return true;
}
