// Opening and closing frames, the clear operations, fog, ambient and background settings, the
// message lines and the registry of live objects.
#include "objects/Objects.h"
#include "screen/D3DFont.h"
#include "screen/RenderThreadExit.h"
#include "screen/Screen.h"

namespace {

DWORD FloatBits(float value)
{
    DWORD bits;
    memcpy(&bits, &value, sizeof(bits));
    return bits;
}

DWORD ChannelByte(float value) { return static_cast<DWORD>(static_cast<int>(value * 255.0f)) & 0xFF; }

// Frame-rate measurement, shared by the whole program.
int g_frameCount = 0;
float g_lastMeasureTime = 0.0f;

DWORD PackAmbientColor(const D3DCOLORVALUE& color)
{
    return (ChannelByte(color.a) << 24) | (ChannelByte(color.r) << 16) | (ChannelByte(color.g) << 8) |
           ChannelByte(color.b);
}

}  // namespace

void CScreen::BeginScene(bool clear)
{
    WaitForSingleObject(m_hPauseEvent, INFINITE);
    m_Mutex.Lock(INFINITE);
    const bool quit = m_bQuit;
    m_Mutex.Unlock();
    if (quit)
        throw CRenderThreadExit();
    BeginSceneSync(clear);
}

void CScreen::BeginSceneSync(bool clear)
{
    if (!m_bRenderOnTexture && clear)
        m_pd3dDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, m_BackgroundColor, 1.0f, 0);
    SetFrameStates();
    if (m_bRenderOnTexture)
        ProcessFeedbackBegin(clear);
    m_pd3dDevice->BeginScene();
    SetupMatrices();
    m_fCurrentTime = myGetTickCount() - m_fStartTime;
    m_bTimeReset = false;
    m_fRealCurrentTime = myGetTickCount() - m_fRealStartTime;
}

void CScreen::SetFrameStates()
{
    m_pd3dDevice->SetRenderState(D3DRS_ZENABLE, TRUE);
    m_pd3dDevice->SetRenderState(D3DRS_DITHERENABLE, FALSE);
    m_pd3dDevice->SetRenderState(D3DRS_SPECULARENABLE, FALSE);
    m_pd3dDevice->SetRenderState(D3DRS_LIGHTING, TRUE);
    m_pd3dDevice->SetRenderState(D3DRS_AMBIENT, m_bAmbientLight ? PackAmbientColor(m_AmbientColor) : 0);

    m_pd3dDevice->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    m_pd3dDevice->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    m_pd3dDevice->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    m_pd3dDevice->SetTextureStageState(0, D3DTSS_MINFILTER, D3DTEXF_LINEAR);
    m_pd3dDevice->SetTextureStageState(0, D3DTSS_MAGFILTER, D3DTEXF_LINEAR);

    m_pd3dDevice->SetRenderState(D3DRS_FOGENABLE, m_bFog);
    m_pd3dDevice->SetRenderState(D3DRS_FOGCOLOR, m_FogColor);
    m_pd3dDevice->SetRenderState(D3DRS_FOGSTART, FloatBits(m_fFogStart));
    m_pd3dDevice->SetRenderState(D3DRS_FOGEND, FloatBits(m_fFogEnd));
    m_pd3dDevice->SetRenderState(D3DRS_FOGDENSITY, FloatBits(m_fFogDensity));
    m_pd3dDevice->SetRenderState(D3DRS_FOGVERTEXMODE, D3DFOG_NONE);
    m_pd3dDevice->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
}

void CScreen::MiddleScene()
{
    if (m_bRenderOnTexture)
        ProcessFeedbackEnd();
}

void CScreen::EndScene(bool present)
{
    if (m_bViewInfo)
        DrawInformationLines();
    if (m_bRenderOnTexture)
        ProcessFeedbackEnd();
    m_pd3dDevice->EndScene();
    if (present && m_pd3dDevice->Present(nullptr, nullptr, nullptr, nullptr) == D3DERR_DEVICELOST)
        CheckAndRestoreSurfaces();
}

void CScreen::DrawInformationLines()
{
    ++g_frameCount;
    const float now = static_cast<float>(timeGetTime()) * 0.001f;
    if (now - g_lastMeasureTime > 1.0f) {
        m_fFPS = static_cast<float>(g_frameCount) / (now - g_lastMeasureTime);
        g_frameCount = 0;
        g_lastMeasureTime = now;
    }
    m_strInfo.Format("Varnix Engine V%s (Time: %.01f[s], FPS: %.02f)", static_cast<const char*>(m_strVersion),
                     GetTickCount(), m_fFPS);
    if (!m_pFont)
        return;
    const DWORD color = 0xC8FFFFFF;
    m_pFont->DrawTextA(2.0f, 0.0f, color, m_strInfo);
    m_pFont->DrawTextA(2.0f, 20.0f, color, m_strCameraInfo);
    for (int line = 0; line < 8; ++line)
        m_pFont->DrawTextA(2.0f, 40.0f + 20.0f * line, color, m_strMessages[line]);
}

CString CScreen::GetInfoLine() { return m_strInfo; }

void CScreen::Clear()
{
    m_pd3dDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, m_BackgroundColor | 0xFF000000, 1.0f, 0);
}

void CScreen::ClearZ() { m_pd3dDevice->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.0f, 0); }

void CScreen::EnableFog(bool enable) { m_bFog = enable; }
void CScreen::SetFogColor(DWORD color) { m_FogColor = color; }
void CScreen::SetFogStart(float start) { m_fFogStart = start; }
void CScreen::SetFogEnd(float end) { m_fFogEnd = end; }
void CScreen::SetFogDensity(float density) { m_fFogDensity = density; }
void CScreen::SetAmbientColor(D3DCOLORVALUE color) { m_AmbientColor = color; }
void CScreen::SetAmbientLight(int on) { m_bAmbientLight = on != 0; }
void CScreen::SetBackgroundColor(DWORD color) { m_BackgroundColor = color; }

void CScreen::DisplayMessage(CString text, int line)
{
    // Lines outside the eight message lines are ignored rather than written past the array.
    if (line >= 0 && line < 8)
        m_strMessages[line] = text;
}

CString CScreen::GetMessageLine(int line) { return line >= 0 && line < 8 ? m_strMessages[line] : CString(); }

void CScreen::RegisterObject(CObjects& object) { m_ObjectList.AddTail(&object); }

int CScreen::GetRegisteredObjectCount() { return m_ObjectList.GetCount(); }

std::vector<CObjects*> CScreen::GetRegisteredObjects()
{
    std::vector<CObjects*> objects;
    for (POSITION pos = m_ObjectList.GetHeadPosition(); pos;)
        objects.push_back(static_cast<CObjects*>(m_ObjectList.GetNext(pos)));
    return objects;
}

int CScreen::GetRestoredObjectCount() { return m_nRestoredObjects; }

void CScreen::UnregisterObject(CObjects& object)
{
    POSITION pos = m_ObjectList.Find(&object);
    if (pos)
        m_ObjectList.RemoveAt(pos);
}
