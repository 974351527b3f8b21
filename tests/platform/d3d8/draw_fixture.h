// A device drawing into a 64 x 64 viewport, with vertex records of the formats the engine uses and
// read-back of the presented picture.
#pragma once

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "device_fixture.h"

namespace d3d8_test {

constexpr UINT kView = 64;

struct ScreenVertex {  // D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1
    float x, y, z, rhw;
    DWORD color;
    float u, v;
};
constexpr DWORD kScreenFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

struct ColorVertex {  // D3DFVF_XYZ | D3DFVF_DIFFUSE
    float x, y, z;
    DWORD color;
};
constexpr DWORD kColorFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;

struct LitVertex {  // D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE
    float x, y, z, nx, ny, nz;
    DWORD color;
};
constexpr DWORD kLitFvf = D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE;

inline DWORD Bits(float value)
{
    DWORD bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A rectangle in pixels as a strip, wound clockwise on screen.
inline void ScreenRect(ScreenVertex out[4], float x0, float y0, float x1, float y1, DWORD color, float z = 0.5f)
{
    out[0] = {x0, y0, z, 1.0f, color, 0.0f, 0.0f};
    out[1] = {x1, y0, z, 1.0f, color, 1.0f, 0.0f};
    out[2] = {x0, y1, z, 1.0f, color, 0.0f, 1.0f};
    out[3] = {x1, y1, z, 1.0f, color, 1.0f, 1.0f};
}

// D3DXMatrixPerspectiveFovLH with an aspect of 1.
inline D3DMATRIX Perspective(float fovY, float zn, float zf)
{
    D3DMATRIX m{};
    const float y = 1.0f / std::tan(fovY / 2.0f);
    m._11 = y;
    m._22 = y;
    m._33 = zf / (zf - zn);
    m._34 = 1.0f;
    m._43 = -zn * zf / (zf - zn);
    return m;
}

class DrawTest : public DeviceTest {
protected:
    void SetUp() override
    {
        DeviceTest::SetUp();
        if (HasFatalFailure())
            return;
        D3DVIEWPORT8 viewport = {0, 0, kView, kView, 0.0f, 1.0f};
        ASSERT_EQ(device->SetViewport(&viewport), D3D_OK);
    }

    // Clears, runs the draws inside a scene, presents and reads the picture back.
    void Frame(const std::function<void()>& draws, D3DCOLOR background = 0xFF000000)
    {
        ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, background, 1.0f, 0), D3D_OK);
        ASSERT_EQ(device->BeginScene(), D3D_OK);
        draws();
        ASSERT_EQ(device->EndScene(), D3D_OK);
        ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
        pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
        ASSERT_EQ(pixels.size(), size_t(kClientWidth * kClientHeight));
    }

    void DrawScreenRect(float x0, float y0, float x1, float y1, DWORD color, float z = 0.5f)
    {
        ScreenVertex v[4];
        ScreenRect(v, x0, y0, x1, y1, color, z);
        ASSERT_EQ(device->SetVertexShader(kScreenFvf), D3D_OK);
        ASSERT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, v, sizeof(ScreenVertex)), D3D_OK);
    }

    DWORD At(UINT x, UINT y) const { return pixels[y * kClientWidth + x] & 0x00FFFFFF; }
    int Red(UINT x, UINT y) const { return (At(x, y) >> 16) & 0xFF; }
    int Green(UINT x, UINT y) const { return (At(x, y) >> 8) & 0xFF; }
    int Blue(UINT x, UINT y) const { return At(x, y) & 0xFF; }

    // Pixels of the viewport with exactly this colour.
    int Count(DWORD rgb) const
    {
        int n = 0;
        for (UINT y = 0; y < kView; ++y)
            for (UINT x = 0; x < kView; ++x)
                n += At(x, y) == (rgb & 0x00FFFFFF) ? 1 : 0;
        return n;
    }

    std::vector<DWORD> pixels;
};

// Each channel of the pixel within tolerance of the expected colour.
#define EXPECT_RGB_NEAR(test, x, y, rgb, tolerance)                                        \
    do {                                                                                   \
        EXPECT_NEAR((test).Red(x, y), int(((rgb) >> 16) & 0xFF), tolerance) << "red";      \
        EXPECT_NEAR((test).Green(x, y), int(((rgb) >> 8) & 0xFF), tolerance) << "green";   \
        EXPECT_NEAR((test).Blue(x, y), int((rgb) & 0xFF), tolerance) << "blue";            \
    } while (0)

}  // namespace d3d8_test
