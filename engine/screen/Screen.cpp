// The screen singleton: construction, configuration and the scene clock.
#include "screen/Screen.h"

CScreen* CScreen::m_pInstance = nullptr;

CScreen& CScreen::Instance()
{
    if (!m_pInstance)
        m_pInstance = new CScreen();
    return *m_pInstance;
}

CScreen::CScreen()
    : m_hWnd(nullptr),
      m_bTimeReset(false),
      m_fFieldOfView(D3DX_PI / 4.0f),
      m_bFog(false),
      m_FogColor(0x00B5B5FF),
      m_fFogStart(10.0f),
      m_fFogEnd(150.0f),
      m_fFogDensity(0.0f),
      m_pD3D(nullptr),
      m_pd3dDevice(nullptr),
      m_bFullscreen(false),
      m_bViewInfo(true),
      m_Resolution(RES_640x480),
      m_bColors32(true),
      m_hAccel(nullptr),
      m_bQuit(false),
      m_Mutex(FALSE, nullptr),
      m_BackgroundColor(0xFF000000),
      m_pFont(nullptr),
      m_fStartTime(0.0f),
      m_fRealStartTime(0.0f),
      m_fFPS(0.0f),
      m_fKeyCameraSpeed(5.0f),
      m_hPauseEvent(nullptr),
      m_bPaused(false),
      m_bFirstActivation(true),
      m_bAmbientLight(true),
      m_bRenderOnTexture(false),
      m_bFeedback(false),
      m_fLastKeyCameraTime(0.0f),
      m_ObjectList(10),
      m_pRenderTexture(nullptr),
      m_pRenderSurface(nullptr),
      m_pBackBuffer(nullptr),
      m_pZBuffer(nullptr),
      m_pRenderZBuffer(nullptr),
      m_nTextureHeight(256),
      m_nTextureWidth(512),
      m_bFirstFeedbackFrame(true),
      m_bUserCamera(false),
      m_fRenderLeft(-0.5f),
      m_fRenderRight(0.501f),
      m_fRenderTop(-0.5f),
      m_fRenderBottom(0.501f),
      m_fRenderScaleX(1.0f),
      m_fRenderScaleY(1.0f),
      m_bBlurMode(false),
      m_fCurrentTime(0.0f),
      m_fRealCurrentTime(0.0f),
      m_PerfFrequency(0),
      m_PerfCounter(0),
      m_fAlphaTexture(1.0f),
      m_AmbientColor{0.5f, 0.5f, 0.5f, 1.0f},
      m_pListener(nullptr),
      m_bOwnWindow(false),
      m_hRenderThread(nullptr),
      m_nRestoredObjects(0),
      m_nCustomWidth(0),
      m_nCustomHeight(0)
{
    ZeroMemory(&m_d3dpp, sizeof(m_d3dpp));
    ZeroMemory(&m_SavedViewport, sizeof(m_SavedViewport));
    ZeroMemory(&m_RenderViewport, sizeof(m_RenderViewport));
    D3DXMatrixIdentity(&m_matInitialView);
    D3DXMatrixIdentity(&m_matWorld);
    D3DXMatrixIdentity(&m_matProj);
    D3DXMatrixIdentity(&m_matRTTranslate);
    D3DXMatrixIdentity(&m_matRTRotate);
    D3DXMatrixIdentity(&m_matRTScale);
    D3DXMatrixIdentity(&m_matRTTransform);

    ACCEL escape = {FVIRTKEY, VK_ESCAPE, ID_SCREEN_QUIT};
    m_hAccel = CreateAcceleratorTable(&escape, 1);
    m_hPauseEvent = CreateEvent(nullptr, TRUE, FALSE, nullptr);
    m_strTitle = "Varnix Output window";
    GetVersion();

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    m_PerfFrequency = frequency.QuadPart;
}

CScreen::~CScreen()
{
    DestroyAcceleratorTable(m_hAccel);
    m_ObjectList.RemoveAll();
    CloseHandle(m_hPauseEvent);
    if (m_hRenderThread)
        CloseHandle(m_hRenderThread);
}

void CScreen::GetVersion() { m_strVersion = "1.3.4"; }

void CScreen::SetListener(CScreenListener& listener) { m_pListener = &listener; }
void CScreen::SetTitle(CString title) { m_strTitle = title; }
void CScreen::SetFullscreen(bool fullscreen) { m_bFullscreen = fullscreen; }
bool CScreen::GetFullscreen() { return m_bFullscreen; }
void CScreen::SetResolution(TResolutionEnum resolution)
{
    m_Resolution = resolution;
    m_nCustomWidth = m_nCustomHeight = 0;
}

void CScreen::SetCustomResolution(int width, int height)
{
    const bool valid = width > 0 && height > 0;
    m_nCustomWidth = valid ? width : 0;
    m_nCustomHeight = valid ? height : 0;
}
void CScreen::ViewInfo(bool view) { m_bViewInfo = view; }
bool CScreen::GetViewInfo() { return m_bViewInfo; }
void CScreen::SetWindow(HWND hwnd) { m_hWnd = hwnd; }

IDirect3DDevice8* CScreen::GetD3DDevice() { return m_pd3dDevice; }
HWND CScreen::GetHWnd() { return m_hWnd; }

uint32_t CScreen::KeyboardReadData() { return m_Keyboard.ReadData(); }
uint32_t CScreen::KeyboardReadData2() { return m_Keyboard.ReadData2(); }

void CScreen::MouseReadData(long& x, long& y, long& z) { m_Mouse.ReadData(x, y, z); }
D3DXMATRIX CScreen::GetProjMatrix() { return m_matProj; }

float CScreen::myGetTickCount()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    m_PerfCounter = counter.QuadPart;
    return static_cast<float>(static_cast<double>(m_PerfCounter) / static_cast<double>(m_PerfFrequency));
}

float CScreen::GetTickCount() { return m_bTimeReset ? 0.0f : m_fCurrentTime; }
bool CScreen::IsTimeReset() { return m_bTimeReset; }

float CScreen::GetRealCurrentTime() { return m_fRealCurrentTime; }

void CScreen::ResetTime()
{
    m_fLastKeyCameraTime = 0.0f;
    m_fStartTime = myGetTickCount();
    m_bTimeReset = true;
}

void CScreen::SetTime(float seconds) { m_fStartTime = myGetTickCount() - seconds; }
