// The engine's one screen: output window, render thread, Direct3D device, scene clock and frame.
#pragma once

#include <afxwin.h>
#include <d3d8.h>
#include <d3dx8.h>

#include <vector>

#include "objects/PlaneObject.h"
#include "screen/Camera.h"
#include "screen/Keyboard.h"
#include "screen/Mouse.h"
#include "screen/ScreenListener.h"

class CObjects;
class CMove;
class CD3DFont;

// Screen sizes the engine offers.
enum TResolutionEnum {
    RES_640x480 = 0,
    RES_800x600 = 1,
    RES_1024x768 = 2,
    RES_1280x1024 = 3,
    RES_1600x1200 = 4,
};

// The command of the screen's accelerator table (Escape).
#define ID_SCREEN_QUIT 32771

class CScreen {
public:
    virtual ~CScreen();

    static CScreen& Instance();

    // Configuration, before Display.
    void SetListener(CScreenListener& listener);
    void SetTitle(CString title);
    void SetFullscreen(bool fullscreen);
    bool GetFullscreen();
    void SetResolution(TResolutionEnum resolution);
    // A screen size outside the table (offline renders at any size the driver allows); the next
    // SetResolution with a table entry replaces it.
    void SetCustomResolution(int width, int height);
    void ViewInfo(bool view);
    bool GetViewInfo();
    void SetWindow(HWND hwnd);

    // The display run: window, render thread and message pump, until the window is gone.
    void Display();
    // Body of the render thread.
    void RunVarnix();
    LRESULT WINAPI WndMsgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Device and display modes.
    IDirect3DDevice8* GetD3DDevice();
    int GetXResolution();
    int GetYResolution();
    int GetScreenModeNumber();
    D3DDISPLAYMODE GetScreenMode(int index);
    void DisplayResolutionDlg();

    // Clock.
    float GetTickCount();
    // True from ResetTime until the next frame opens.
    bool IsTimeReset();
    float GetRealCurrentTime();
    void ResetTime();
    void SetTime(float seconds);

    // Frames.
    void BeginScene(bool clear = true);
    void BeginSceneSync(bool clear = true);
    void MiddleScene();
    void EndScene(bool present = true);
    void Clear();
    void ClearZ();
    void EnableFog(bool enable);
    void SetFogColor(DWORD color);
    void SetFogStart(float start);
    void SetFogEnd(float end);
    void SetFogDensity(float density);
    void SetAmbientColor(D3DCOLORVALUE color);
    void SetAmbientLight(int on);
    void SetBackgroundColor(DWORD color);
    void DisplayMessage(CString text, int line);
    // The text of a message line; empty for a line outside 0 .. 7.
    CString GetMessageLine(int line);
    void RegisterObject(CObjects& object);
    void UnregisterObject(CObjects& object);
    // How many objects are registered now (initialised and not cleaned up).
    int GetRegisteredObjectCount();
    // The registered objects, in the order the lost-device recovery walks them.
    std::vector<CObjects*> GetRegisteredObjects();
    // How many times the lost-device recoveries have initialised an object again, all recoveries
    // of the program together.
    int GetRestoredObjectCount();

    // Cameras and matrices.
    void SetCamera(D3DXVECTOR3& position, D3DXVECTOR3& direction, D3DXVECTOR3& up);
    void SetCamera(D3DXVECTOR3& position, D3DXVECTOR3& direction);
    void SetCamera(float px, float py, float pz, float dx, float dy, float dz);
    void SetCamera(float px, float py, float pz, float dx, float dy, float dz, float ux, float uy, float uz);
    // The path's current position, direction and up vector.
    void SetCamera(CMove& path);
    void SetCameraRotation(float px, float py, float pz, float yaw, float pitch, float roll);
    void SetMouseCamera(float dx, float dy, float dz, float yaw, float pitch, float roll);
    void KeyCamera();
    void SetFieldOfView(float radians);
    void GetCameraPosition(float& x, float& y, float& z, float& dx, float& dy, float& dz);
    CCamera& GetCamera();
    D3DXMATRIX GetViewMatrix();
    D3DXMATRIX GetWorldMatrix();
    D3DXMATRIX GetProjMatrix();

    // Render-to-texture, feedback, blur and fade.
    void RenderOnTexture(bool on);
    void Feedback(bool on);
    void SetBlurMode(bool point);
    void SetBlurFactor(float x, float y);
    void SetAlphaTexture(float alpha);
    void SetFadeTexture(float fade);
    void SetRenderPosition(float left, float top, float right, float bottom);
    CPlaneObject& GetTexturePlane();
    void RenderOnTextureTranslate(float x, float y, float z);
    void RenderOnTextureRotate(float angle);
    void RenderOnTextureScale(float x, float y);
    // The first two information lines: engine, time and frame rate; the camera.
    CString GetInfoLine();
    CString GetCameraInfo();

    // The screen's keyboard and mouse readers.
    uint32_t KeyboardReadData();
    uint32_t KeyboardReadData2();
    void MouseReadData(long& x, long& y, long& z);

    // The output window (for the input readers' cooperative level).
    HWND GetHWnd();

protected:
    HRESULT InitD3D(HWND hwnd);
    HRESULT InitD3DDevice(HWND hwnd);
    void Cleanup();

private:
    CScreen();
    CScreen(const CScreen&) = delete;
    CScreen& operator=(const CScreen&) = delete;

    void GetVersion();
    float myGetTickCount();
    static DWORD WINAPI RenderThreadProc(LPVOID parameter);
    static LRESULT WINAPI ScreenWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnActivateApp(HWND hwnd, WPARAM wParam);
    void SetWindowTitle(HWND hwnd, const char* format);
    void PumpMessages();
    void WaitForRenderThread();
    bool ResetD3DDevice();
    void CheckAndRestoreSurfaces();
    void SetFrameStates();
    void SetupMatrices();
    void DrawInformationLines();
    void ReleaseRenderToTexture();
    void ReloadRenderOnTexture();
    void ReloadRenderPosition();
    void ProcessFeedbackBegin(bool clear);
    void ProcessFeedbackEnd();

    static CScreen* m_pInstance;

    HWND m_hWnd;
    bool m_bTimeReset;
    CString m_strVersion;
    float m_fFieldOfView;
    bool m_bFog;
    DWORD m_FogColor;
    float m_fFogStart;
    float m_fFogEnd;
    float m_fFogDensity;
    IDirect3D8* m_pD3D;
    IDirect3DDevice8* m_pd3dDevice;
    bool m_bFullscreen;
    bool m_bViewInfo;
    TResolutionEnum m_Resolution;
    bool m_bColors32;
    HACCEL m_hAccel;
    bool m_bQuit;
    CMutex m_Mutex;
    DWORD m_BackgroundColor;
    CD3DFont* m_pFont;
    CString m_strInfo;
    CString m_strMessages[8];
    CString m_strCameraInfo;
    float m_fStartTime;
    float m_fRealStartTime;
    float m_fFPS;
    float m_fKeyCameraSpeed;
    HANDLE m_hPauseEvent;
    bool m_bPaused;
    bool m_bFirstActivation;
    bool m_bAmbientLight;
    CString m_strTitle;
    bool m_bRenderOnTexture;
    bool m_bFeedback;
    float m_fLastKeyCameraTime;
    CKeyboard m_Keyboard;
    CMouse m_Mouse;
    D3DPRESENT_PARAMETERS m_d3dpp;
    D3DXMATRIX m_matInitialView;
    D3DXMATRIX m_matWorld;
    D3DXMATRIX m_matProj;
    CRemoteCamera m_RemoteCamera;
    CUserCamera m_UserCamera;
    CPtrList m_ObjectList;
    IDirect3DTexture8* m_pRenderTexture;
    IDirect3DSurface8* m_pRenderSurface;
    IDirect3DSurface8* m_pBackBuffer;
    IDirect3DSurface8* m_pZBuffer;
    IDirect3DSurface8* m_pRenderZBuffer;
    int m_nTextureHeight;
    int m_nTextureWidth;
    D3DVIEWPORT8 m_SavedViewport;
    D3DVIEWPORT8 m_RenderViewport;
    D3DXMATRIX m_matRTTranslate;
    D3DXMATRIX m_matRTRotate;
    D3DXMATRIX m_matRTScale;
    D3DXMATRIX m_matRTTransform;
    bool m_bFirstFeedbackFrame;
    bool m_bUserCamera;
    float m_fRenderLeft;
    float m_fRenderRight;
    float m_fRenderTop;
    float m_fRenderBottom;
    float m_fRenderScaleX;
    float m_fRenderScaleY;
    bool m_bBlurMode;
    CPlaneObject m_TexturePlane;
    float m_fCurrentTime;
    float m_fRealCurrentTime;
    LONGLONG m_PerfFrequency;
    LONGLONG m_PerfCounter;
    float m_fAlphaTexture;
    D3DCOLORVALUE m_AmbientColor;
    CScreenListener* m_pListener;

    // Kept beyond the original members: the window is the screen's own (Display pumps it), the render
    // thread's handle (the UI thread waits for it before Cleanup), and the objects released by a
    // device loss that wait for the reset to be initialised again.
    bool m_bOwnWindow;
    HANDLE m_hRenderThread;
    std::vector<CObjects*> m_RestoreSet;
    int m_nRestoredObjects;
    // A size given by SetCustomResolution; 0 while the table's entry holds.
    int m_nCustomWidth;
    int m_nCustomHeight;
};
