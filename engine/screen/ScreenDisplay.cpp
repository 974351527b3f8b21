// The display run: window, render thread, message pump, pausing, quitting and the shutdown.
#include "screen/D3DFont.h"
#include "screen/RenderThreadExit.h"
#include "screen/Screen.h"

namespace {
const char kWindowClass[] = "Varnix";
}

void CScreen::Display()
{
    HINSTANCE instance = GetModuleHandle(nullptr);
    WNDCLASS wc = {CS_CLASSDC, ScreenWndProc, 0, 0, instance, nullptr, nullptr, nullptr, nullptr, kWindowClass};
    RegisterClass(&wc);

    m_bOwnWindow = false;
    if (!m_hWnd) {
        m_hWnd = CreateWindow(kWindowClass, m_strTitle, WS_OVERLAPPEDWINDOW, 0, 0, GetXResolution() + 8,
                              GetYResolution() + 35, GetDesktopWindow(), nullptr, instance, nullptr);
        m_bOwnWindow = true;
    }

    m_fStartTime = myGetTickCount();
    m_fRealStartTime = myGetTickCount();
    m_fCurrentTime = myGetTickCount() - m_fStartTime;
    m_fRealCurrentTime = myGetTickCount() - m_fRealStartTime;

    SetEvent(m_hPauseEvent);
    if (m_bFullscreen)
        ShowCursor(FALSE);
    ShowWindow(m_hWnd, SW_SHOWDEFAULT);
    UpdateWindow(m_hWnd);
    m_bQuit = false;
    m_bPaused = false;
    m_bFirstActivation = true;

    m_hRenderThread = CreateThread(nullptr, 0, RenderThreadProc, nullptr, 0, nullptr);

    if (m_bOwnWindow) {
        PumpMessages();
        if (m_bFullscreen)
            ShowCursor(TRUE);
        // The device must outlive every use the render thread makes of it.
        WaitForRenderThread();
    }
    Cleanup();
    UnregisterClass(kWindowClass, instance);
    if (m_bOwnWindow)
        m_hWnd = nullptr;
}

void CScreen::PumpMessages()
{
    MSG msg;
    PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE);
    msg.message = WM_NULL;
    while (msg.message != WM_QUIT) {
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!TranslateAccelerator(m_hWnd, m_hAccel, &msg)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
        } else {
            // Nothing to do: give the core to the render thread for a moment instead of spinning.
            Sleep(1);
        }
    }
}

void CScreen::WaitForRenderThread()
{
    if (!m_hRenderThread)
        return;
    // A paused render thread must get to its quit check.
    SetEvent(m_hPauseEvent);
    WaitForSingleObject(m_hRenderThread, INFINITE);
    CloseHandle(m_hRenderThread);
    m_hRenderThread = nullptr;
}

DWORD WINAPI CScreen::RenderThreadProc(LPVOID)
{
    CScreen& screen = Instance();
    screen.RunVarnix();
    PostMessage(screen.m_hWnd, WM_CLOSE, 0, 0);
    return 0;
}

void CScreen::RunVarnix()
{
    if (FAILED(InitD3D(m_hWnd)))
        return;
    m_pFont = new CD3DFont("Arial", 12, D3DFONT_BOLD);
    m_pFont->Init();
    m_Keyboard.Init();
    m_Mouse.Init();
    if (m_pListener) {
        try {
            m_pListener->Run();
        } catch (const CRenderThreadExit&) {
            // The window closed: the listener has been unwound at its BeginScene. Unwinding here rather
            // than ending the thread lets the readers and the font be released below all the same.
        }
    }
    m_Keyboard.CleanUp();
    m_Mouse.CleanUp();
    // The font leaves the screen's registry before it goes, so no recovery can reach a deleted object.
    m_pFont->CleanUp();
    delete m_pFont;
    m_pFont = nullptr;
}

LRESULT WINAPI CScreen::ScreenWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Instance().WndMsgProc(hwnd, msg, wParam, lParam);
}

LRESULT WINAPI CScreen::WndMsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        ValidateRect(hwnd, nullptr);
        return 0;
    case WM_CLOSE:
        m_Mutex.Lock(INFINITE);
        m_bQuit = true;
        m_Mutex.Unlock();
        return DefWindowProc(hwnd, msg, wParam, lParam);
    case WM_ACTIVATEAPP:
        OnActivateApp(hwnd, wParam);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == ID_SCREEN_QUIT) {
            SendMessage(hwnd, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

void CScreen::SetWindowTitle(HWND hwnd, const char* format)
{
    char text[512];
    snprintf(text, sizeof(text), format, static_cast<const char*>(m_strTitle));
    SetWindowText(hwnd, text);
}

void CScreen::OnActivateApp(HWND hwnd, WPARAM wParam)
{
    if (!m_bFullscreen)
        return;
    const bool active = wParam != 0 && GetForegroundWindow() == hwnd;
    if ((active && m_bPaused) || m_bFirstActivation) {
        SetEvent(m_hPauseEvent);
        SetWindowTitle(hwnd, "%s");
        m_bPaused = false;
        m_bFirstActivation = false;
    }
    if (!active && !m_bPaused) {
        ResetEvent(m_hPauseEvent);
        SetWindowTitle(hwnd, "%s [paused]");
        m_bPaused = true;
    }
}

void CScreen::Cleanup()
{
    ReleaseRenderToTexture();
    if (m_pBackBuffer) {
        m_pBackBuffer->Release();
        m_pBackBuffer = nullptr;
    }
    ResetD3DDevice();
    m_TexturePlane.CleanUp();
    if (m_pd3dDevice) {
        m_pd3dDevice->Release();
        m_pd3dDevice = nullptr;
    }
    if (m_pD3D) {
        m_pD3D->Release();
        m_pD3D = nullptr;
    }
}

void CScreen::ReleaseRenderToTexture()
{
    if (m_pRenderTexture) {
        m_pRenderTexture->Release();
        m_pRenderTexture = nullptr;
    }
    if (m_pRenderSurface) {
        m_pRenderSurface->Release();
        m_pRenderSurface = nullptr;
    }
    if (m_pZBuffer) {
        m_pZBuffer->Release();
        m_pZBuffer = nullptr;
    }
    if (m_pRenderZBuffer) {
        m_pRenderZBuffer->Release();
        m_pRenderZBuffer = nullptr;
    }
}
