// Render-to-texture: each frame's scene drawn into a texture, then composited onto the back buffer
// by a full-screen plane, with blur (a smaller part of the texture stretched), fade and feedback trails.
#include "screen/Screen.h"

namespace {

// Each side the next power of two of the screen's side.
struct TextureSize {
    int width, height;
};
const TextureSize kTextureSizes[] = {{1024, 512}, {1024, 1024}, {1024, 1024}, {2048, 1024}, {2048, 2048}};

int NextPowerOfTwo(int side)
{
    int power = 1;
    while (power < side)
        power *= 2;
    return power;
}

template <typename T>
void ReleaseAndClear(T*& pointer)
{
    if (pointer) {
        pointer->Release();
        pointer = nullptr;
    }
}

}  // namespace

void CScreen::RenderOnTexture(bool on)
{
    m_bRenderOnTexture = on;
    ReleaseAndClear(m_pRenderTexture);
    const int index = static_cast<int>(m_Resolution);
    if (m_nCustomWidth > 0) {
        m_nTextureWidth = NextPowerOfTwo(m_nCustomWidth);
        m_nTextureHeight = NextPowerOfTwo(m_nCustomHeight);
    } else if (index >= 0 && index < 5) {
        m_nTextureWidth = kTextureSizes[index].width;
        m_nTextureHeight = kTextureSizes[index].height;
    }
    if (!on)
        return;
    ReloadRenderOnTexture();
    D3DXMatrixIdentity(&m_matRTTranslate);
    D3DXMatrixIdentity(&m_matRTRotate);
    D3DXMatrixIdentity(&m_matRTScale);
    D3DXMatrixIdentity(&m_matRTTransform);
}

void CScreen::ReloadRenderOnTexture()
{
    ReleaseAndClear(m_pRenderTexture);
    if (FAILED(D3DXCreateTexture(m_pd3dDevice, m_nTextureWidth, m_nTextureHeight, 1, D3DUSAGE_RENDERTARGET,
                                 D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &m_pRenderTexture))) {
        m_pRenderTexture = nullptr;
        m_bRenderOnTexture = false;
        return;
    }
    ReleaseAndClear(m_pRenderZBuffer);
    if (FAILED(m_pd3dDevice->CreateDepthStencilSurface(m_nTextureWidth, m_nTextureHeight, D3DFMT_D24S8,
                                                       D3DMULTISAMPLE_NONE, &m_pRenderZBuffer))) {
        m_pRenderZBuffer = nullptr;
        m_bRenderOnTexture = false;
        return;
    }
    // A plane made before (an earlier switch, or a reset) is released first, so it is registered once.
    m_TexturePlane.CleanUp();
    m_TexturePlane.SetSubdivision(10, 10);
    m_TexturePlane.SetProjectionMode(CBaseObject::PM_UNIT);
    m_TexturePlane.Init();
    D3DCOLORVALUE white = {1.0f, 1.0f, 1.0f, 1.0f};
    m_TexturePlane.SetColor(white, 0);
    m_TexturePlane.SetLighting(false);
    IDirect3DTexture8* texture = m_pRenderTexture;
    m_TexturePlane.SetTexture(texture, 0);
    ReloadRenderPosition();
}

void CScreen::ReloadRenderPosition()
{
    RECT client = {0, 0, GetXResolution(), GetYResolution()};
    if (m_hWnd)
        GetClientRect(m_hWnd, &client);
    const float width = static_cast<float>(client.right - client.left);
    const float height = static_cast<float>(client.bottom - client.top);
    // Exactly the part of the texture the reduced viewport covered, inset against edge bleeding.
    m_TexturePlane.SetTextureOffset(0.001f, 0.001f, width / m_nTextureWidth * m_fRenderScaleX - 0.001f,
                                    height / m_nTextureHeight * m_fRenderScaleY - 0.001f);
    m_TexturePlane.SetPosition(m_fRenderLeft + (m_fRenderRight - m_fRenderLeft) * 0.5f,
                               m_fRenderTop + (m_fRenderBottom - m_fRenderTop) * 0.5f, 0.0f);
    m_TexturePlane.SetSize(m_fRenderRight - m_fRenderLeft, m_fRenderBottom - m_fRenderTop);
}

void CScreen::ProcessFeedbackBegin(bool clear)
{
    ReleaseAndClear(m_pZBuffer);
    m_pd3dDevice->GetDepthStencilSurface(&m_pZBuffer);
    m_pd3dDevice->GetViewport(&m_SavedViewport);
    m_RenderViewport = m_SavedViewport;
    m_RenderViewport.Width = static_cast<DWORD>(m_SavedViewport.Width * m_fRenderScaleX);
    m_RenderViewport.Height = static_cast<DWORD>(m_SavedViewport.Height * m_fRenderScaleY);
    ReleaseAndClear(m_pBackBuffer);
    m_pd3dDevice->GetRenderTarget(&m_pBackBuffer);
    ReleaseAndClear(m_pRenderSurface);
    if (m_pRenderTexture)
        m_pRenderTexture->GetSurfaceLevel(0, &m_pRenderSurface);
    m_pd3dDevice->SetRenderTarget(m_pRenderSurface, m_pRenderZBuffer);
    m_pd3dDevice->SetViewport(&m_RenderViewport);
    if (!clear)
        return;
    const DWORD rgb = m_BackgroundColor & 0x00FFFFFF;
    if (m_bFirstFeedbackFrame || !m_bFeedback) {
        m_pd3dDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF000000 | rgb, 1.0f, 0);
        m_bFirstFeedbackFrame = false;
    } else {
        m_pd3dDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0x0A000000 | rgb, 1.0f, 0);
    }
}

void CScreen::ProcessFeedbackEnd()
{
    m_pd3dDevice->SetRenderTarget(m_pBackBuffer, m_pZBuffer);
    m_pd3dDevice->SetViewport(&m_SavedViewport);
    const DWORD filter = m_bBlurMode ? D3DTEXF_POINT : D3DTEXF_LINEAR;
    m_pd3dDevice->SetTextureStageState(0, D3DTSS_MAGFILTER, filter);
    m_pd3dDevice->SetTextureStageState(0, D3DTSS_MINFILTER, filter);
    m_TexturePlane.Render();
}

void CScreen::Feedback(bool on)
{
    m_bFirstFeedbackFrame = true;
    m_bFeedback = on;
}

void CScreen::SetBlurMode(bool point) { m_bBlurMode = point; }

void CScreen::SetBlurFactor(float x, float y)
{
    m_fRenderScaleX = 1.0f - x;
    m_fRenderScaleY = 1.0f - y;
    if (m_bRenderOnTexture)
        ReloadRenderPosition();
}

void CScreen::SetAlphaTexture(float alpha)
{
    m_TexturePlane.SetAlpha(alpha, 0);
    m_fAlphaTexture = alpha;
}

void CScreen::SetFadeTexture(float fade)
{
    D3DCOLORVALUE color = {fade, fade, fade, m_fAlphaTexture};
    m_TexturePlane.SetColor(color, 0);
}

void CScreen::SetRenderPosition(float left, float top, float right, float bottom)
{
    m_fRenderLeft = left;
    m_fRenderTop = top;
    m_fRenderRight = right;
    m_fRenderBottom = bottom;
    if (m_bRenderOnTexture)
        ReloadRenderPosition();
}

CPlaneObject& CScreen::GetTexturePlane() { return m_TexturePlane; }

void CScreen::RenderOnTextureTranslate(float x, float y, float z) { D3DXMatrixTranslation(&m_matRTTranslate, x, y, z); }
void CScreen::RenderOnTextureRotate(float angle) { D3DXMatrixRotationZ(&m_matRTRotate, angle); }
void CScreen::RenderOnTextureScale(float x, float y) { D3DXMatrixScaling(&m_matRTScale, x, y, 1.0f); }
