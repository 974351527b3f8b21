// The Direct3D device: creation for the chosen screen mode, display modes and lost-device recovery.
#include <algorithm>

#include "objects/Objects.h"
#include "screen/Screen.h"

namespace {
struct ResolutionSize {
    int width, height;
};
const ResolutionSize kResolutions[] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 1024}, {1600, 1200}};

const ResolutionSize* SizeOf(TResolutionEnum resolution)
{
    const int index = static_cast<int>(resolution);
    return index >= 0 && index < 5 ? &kResolutions[index] : nullptr;
}
}  // namespace

int CScreen::GetXResolution()
{
    if (m_nCustomWidth > 0)
        return m_nCustomWidth;
    const ResolutionSize* size = SizeOf(m_Resolution);
    return size ? size->width : -1;
}

int CScreen::GetYResolution()
{
    if (m_nCustomHeight > 0)
        return m_nCustomHeight;
    const ResolutionSize* size = SizeOf(m_Resolution);
    return size ? size->height : -1;
}

HRESULT CScreen::InitD3D(HWND hwnd)
{
    m_pD3D = Direct3DCreate8(D3D_SDK_VERSION);
    if (!m_pD3D)
        return E_FAIL;
    return InitD3DDevice(hwnd);
}

HRESULT CScreen::InitD3DDevice(HWND hwnd)
{
    D3DDISPLAYMODE mode;
    if (FAILED(m_pD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode)))
        return E_FAIL;

    ZeroMemory(&m_d3dpp, sizeof(m_d3dpp));
    if (m_bFullscreen) {
        m_d3dpp.BackBufferWidth = GetXResolution();
        m_d3dpp.BackBufferHeight = GetYResolution();
        m_d3dpp.BackBufferFormat = m_bColors32 ? D3DFMT_A8R8G8B8 : D3DFMT_R5G6B5;
        m_d3dpp.SwapEffect = D3DSWAPEFFECT_FLIP;
        m_d3dpp.Windowed = FALSE;
        m_d3dpp.FullScreen_PresentationInterval = D3DPRESENT_INTERVAL_ONE;
    } else {
        m_d3dpp.BackBufferFormat = mode.Format;
        m_d3dpp.SwapEffect = D3DSWAPEFFECT_DISCARD;
        m_d3dpp.Windowed = TRUE;
    }
    m_d3dpp.BackBufferCount = 0;
    m_d3dpp.MultiSampleType = D3DMULTISAMPLE_NONE;
    m_d3dpp.hDeviceWindow = nullptr;
    m_d3dpp.EnableAutoDepthStencil = TRUE;
    m_d3dpp.AutoDepthStencilFormat = D3DFMT_D16;

    HRESULT result = m_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hwnd,
                                          D3DCREATE_SOFTWARE_VERTEXPROCESSING, &m_d3dpp, &m_pd3dDevice);
    if (FAILED(result))
        result = m_pD3D->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_REF, hwnd,
                                      D3DCREATE_SOFTWARE_VERTEXPROCESSING, &m_d3dpp, &m_pd3dDevice);
    if (FAILED(result)) {
        MessageBox(nullptr, "The requested screen mode is not available on your graphic card. Please upgrade :)",
                   "Error", MB_ICONERROR);
        return E_FAIL;
    }

    m_pd3dDevice->SetRenderState(D3DRS_ZENABLE, TRUE);
    const float aspect = static_cast<float>(GetXResolution()) / static_cast<float>(GetYResolution());
    D3DXMatrixPerspectiveFovLH(&m_matProj, m_fFieldOfView, aspect, 0.1f, 500.0f);
    D3DXVECTOR3 eye(0.0f, 3.0f, 5.0f), target(0.0f, 0.0f, 0.0f), up(0.0f, 1.0f, 0.0f);
    D3DXMatrixLookAtLH(&m_matInitialView, &eye, &target, &up);
    // Placed without an update: the application places the camera before its first frame.
    m_RemoteCamera.m_vPosition = D3DXVECTOR3(0.0f, 8.0f, 0.0f);
    m_RemoteCamera.m_vDirection = D3DXVECTOR3(0.0f, 8.0f, 0.0f);
    m_RemoteCamera.m_vUp = D3DXVECTOR3(0.0f, 1.0f, 0.0f);
    m_bUserCamera = false;
    return 0;
}

int CScreen::GetScreenModeNumber() { return m_pD3D ? m_pD3D->GetAdapterModeCount(D3DADAPTER_DEFAULT) : 0; }

D3DDISPLAYMODE CScreen::GetScreenMode(int index)
{
    D3DDISPLAYMODE mode;
    ZeroMemory(&mode, sizeof(mode));
    if (m_pD3D)
        m_pD3D->EnumAdapterModes(D3DADAPTER_DEFAULT, index, &mode);
    return mode;
}

bool CScreen::ResetD3DDevice()
{
    if (!m_pd3dDevice || m_pd3dDevice->TestCooperativeLevel() != D3DERR_DEVICENOTRESET)
        return false;
    return SUCCEEDED(m_pd3dDevice->Reset(&m_d3dpp));
}

void CScreen::CheckAndRestoreSurfaces()
{
    if (!m_bFullscreen)
        return;
    // Objects released by an earlier attempt stay in the restore set and are not released again. An
    // object initialised again while the device was lost (the texture plane, when render-to-texture is
    // switched on in between) is registered again and released here once more, but kept in the set
    // once: it is initialised once after the reset, and registered once.
    for (CObjects* object : GetRegisteredObjects()) {
        object->CleanUp();
        if (std::find(m_RestoreSet.begin(), m_RestoreSet.end(), object) == m_RestoreSet.end())
            m_RestoreSet.push_back(object);
    }
    if (m_bRenderOnTexture) {
        if (m_pRenderTexture) {
            m_pRenderTexture->Release();
            m_pRenderTexture = nullptr;
        }
        if (m_pRenderZBuffer) {
            m_pRenderZBuffer->Release();
            m_pRenderZBuffer = nullptr;
        }
    }
    // The surfaces the texture pass holds between frames keep default-pool memory alive, which a
    // reset does not allow; the next texture pass obtains them anew.
    ReleaseRenderToTexture();
    if (m_pBackBuffer) {
        m_pBackBuffer->Release();
        m_pBackBuffer = nullptr;
    }
    if (!ResetD3DDevice())
        return;
    ReloadRenderOnTexture();
    // The plane is made white and opaque again; the application's alpha for the texture pass stays.
    SetAlphaTexture(m_fAlphaTexture);
    std::vector<CObjects*> restore;
    restore.swap(m_RestoreSet);
    for (CObjects* object : restore) {
        // The texture plane was made again by ReloadRenderOnTexture; a second Init would register it twice.
        if (object != &m_TexturePlane)
            object->Init();
        ++m_nRestoredObjects;
    }
}
