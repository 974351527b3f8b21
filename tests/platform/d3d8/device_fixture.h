// A window and a device for the device tests: windowed by default, full screen on request.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "d3d8.h"
#include "platform_hooks.h"
#include "windows.h"

namespace d3d8_test {

constexpr UINT kClientWidth = 160;
constexpr UINT kClientHeight = 120;

inline HWND CreateTestWindow(DWORD style = WS_OVERLAPPEDWINDOW)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "D3D8TestWindow";
        RegisterClassA(&wc);
        registered = true;
    }
    const bool framed = (style & WS_CAPTION) == WS_CAPTION;
    const int width = kClientWidth + (framed ? platform::kFrameWidth : 0);
    const int height = kClientHeight + (framed ? platform::kFrameHeight : 0);
    HWND window = CreateWindowExA(0, "D3D8TestWindow", "d3d8 test", style, 0, 0, width, height, nullptr, nullptr,
                                  nullptr, nullptr);
    ShowWindow(window, SW_SHOW);
    platform::SimulateAppFocus(window);
    return window;
}

inline D3DPRESENT_PARAMETERS WindowedParameters()
{
    D3DPRESENT_PARAMETERS p;
    std::memset(&p, 0, sizeof p);
    p.Windowed = TRUE;
    p.SwapEffect = D3DSWAPEFFECT_DISCARD;
    p.BackBufferFormat = D3DFMT_X8R8G8B8;
    p.EnableAutoDepthStencil = TRUE;
    p.AutoDepthStencilFormat = D3DFMT_D16;
    return p;
}

inline D3DPRESENT_PARAMETERS FullscreenParameters(UINT width, UINT height, D3DFORMAT format)
{
    D3DPRESENT_PARAMETERS p = WindowedParameters();
    p.Windowed = FALSE;
    p.SwapEffect = D3DSWAPEFFECT_FLIP;
    p.BackBufferWidth = width;
    p.BackBufferHeight = height;
    p.BackBufferFormat = format;
    p.FullScreen_PresentationInterval = D3DPRESENT_INTERVAL_ONE;
    return p;
}

// The top left width x height of a lockable A8R8G8B8 surface, top row first; empty if it
// cannot be locked.
inline std::vector<DWORD> ReadSurface(IDirect3DSurface8* surface, UINT width, UINT height)
{
    std::vector<DWORD> pixels;
    D3DLOCKED_RECT locked;
    if (surface->LockRect(&locked, nullptr, D3DLOCK_READONLY) != D3D_OK)
        return pixels;
    for (UINT y = 0; y < height; ++y) {
        const DWORD* row = reinterpret_cast<const DWORD*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
        pixels.insert(pixels.end(), row, row + width);
    }
    surface->UnlockRect();
    return pixels;
}

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        d3d = Direct3DCreate8(D3D_SDK_VERSION);
        ASSERT_NE(d3d, nullptr);
        window = CreateTestWindow();
        ASSERT_NE(window, nullptr);
        params = WindowedParameters();
        ASSERT_EQ(CreateDevice(params), D3D_OK);
    }

    void TearDown() override
    {
        if (device) {
            EXPECT_EQ(device->Release(), 0u);
        }
        if (d3d)
            d3d->Release();
        if (window)
            DestroyWindow(window);
    }

    HRESULT CreateDevice(D3DPRESENT_PARAMETERS& p)
    {
        return d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window, D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                 &p, &device);
    }

    // Reads the presented picture as A8R8G8B8 values, top row first.
    std::vector<DWORD> ReadFrontBuffer(UINT width, UINT height)
    {
        std::vector<DWORD> pixels;
        IDirect3DSurface8* surface = nullptr;
        if (device->CreateImageSurface(width, height, D3DFMT_A8R8G8B8, &surface) != D3D_OK)
            return pixels;
        EXPECT_EQ(device->GetFrontBuffer(surface), D3D_OK);
        pixels = ReadSurface(surface, width, height);
        EXPECT_FALSE(pixels.empty());
        surface->Release();
        return pixels;
    }

    IDirect3D8* d3d = nullptr;
    HWND window = nullptr;
    D3DPRESENT_PARAMETERS params{};
    IDirect3DDevice8* device = nullptr;
};

}  // namespace d3d8_test
