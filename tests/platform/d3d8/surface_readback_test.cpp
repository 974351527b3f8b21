// Reading render targets back: CopyRects from a GL-only surface into system memory, and locks of a
// lockable back buffer or render target.
#include "device_fixture.h"

namespace d3d8_test {
namespace {

using SurfaceReadbackTest = DeviceTest;

DWORD PixelAt(IDirect3DSurface8* surface, UINT x, UINT y)
{
    D3DLOCKED_RECT locked;
    if (surface->LockRect(&locked, nullptr, D3DLOCK_READONLY) != D3D_OK)
        return 0xDEADBEEF;
    const DWORD value = *reinterpret_cast<const DWORD*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch + x * 4);
    surface->UnlockRect();
    return value;
}

TEST_F(SurfaceReadbackTest, CopyRectsReadsARenderTargetIntoSystemMemory)
{
    IDirect3DSurface8 *target = nullptr, *image = nullptr, *back = nullptr, *backDepth = nullptr;
    ASSERT_EQ(device->CreateRenderTarget(16, 8, D3DFMT_A8R8G8B8, D3DMULTISAMPLE_NONE, FALSE, &target), D3D_OK);
    ASSERT_EQ(device->CreateImageSurface(16, 8, D3DFMT_A8R8G8B8, &image), D3D_OK);
    device->GetRenderTarget(&back);
    device->GetDepthStencilSurface(&backDepth);
    ASSERT_EQ(device->SetRenderTarget(target, nullptr), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF0000FF, 1.0f, 0), D3D_OK);
    const D3DRECT topLeft = {0, 0, 4, 2};
    ASSERT_EQ(device->Clear(1, &topLeft, D3DCLEAR_TARGET, 0x80FF0000, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->CopyRects(target, nullptr, 0, image, nullptr), D3D_OK);
    EXPECT_EQ(PixelAt(image, 0, 0), 0x80FF0000u);  // top row first, alpha kept
    EXPECT_EQ(PixelAt(image, 3, 1), 0x80FF0000u);
    EXPECT_EQ(PixelAt(image, 4, 1), 0xFF0000FFu);
    EXPECT_EQ(PixelAt(image, 15, 7), 0xFF0000FFu);
    // A rectangle to a point.
    const RECT corner = {2, 0, 6, 2};
    const POINT at = {10, 5};
    ASSERT_EQ(device->CopyRects(target, &corner, 1, image, &at), D3D_OK);
    EXPECT_EQ(PixelAt(image, 10, 5), 0x80FF0000u);
    EXPECT_EQ(PixelAt(image, 12, 6), 0xFF0000FFu);
    // A render target is no destination, and the formats must match.
    EXPECT_EQ(device->CopyRects(image, nullptr, 0, target, nullptr), D3DERR_INVALIDCALL);
    IDirect3DSurface8* wrongFormat = nullptr;
    ASSERT_EQ(device->CreateImageSurface(16, 8, D3DFMT_R5G6B5, &wrongFormat), D3D_OK);
    EXPECT_EQ(device->CopyRects(target, nullptr, 0, wrongFormat, nullptr), D3DERR_INVALIDCALL);
    // The render target itself stays unlockable.
    D3DLOCKED_RECT locked;
    EXPECT_EQ(target->LockRect(&locked, nullptr, 0), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->SetRenderTarget(back, backDepth), D3D_OK);
    for (IUnknown* object : {static_cast<IUnknown*>(target), static_cast<IUnknown*>(image),
                             static_cast<IUnknown*>(wrongFormat), static_cast<IUnknown*>(back),
                             static_cast<IUnknown*>(backDepth)})
        object->Release();
}

TEST_F(SurfaceReadbackTest, CopyRectsReadsTheBackBufferAndATextureTarget)
{
    IDirect3DSurface8 *back = nullptr, *image = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    ASSERT_EQ(device->CreateImageSurface(kClientWidth, kClientHeight, D3DFMT_X8R8G8B8, &image), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF00FF00, 1.0f, 0), D3D_OK);
    const D3DRECT bottomRight = {kClientWidth - 2, kClientHeight - 2, kClientWidth, kClientHeight};
    ASSERT_EQ(device->Clear(1, &bottomRight, D3DCLEAR_TARGET, 0xFFFFFFFF, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->CopyRects(back, nullptr, 0, image, nullptr), D3D_OK);
    EXPECT_EQ(PixelAt(image, 0, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(PixelAt(image, kClientWidth - 1, kClientHeight - 1) & 0xFFFFFF, 0xFFFFFFu);

    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(device->CreateTexture(8, 8, 1, D3DUSAGE_RENDERTARGET, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT, &texture),
              D3D_OK);
    IDirect3DSurface8 *level = nullptr, *backDepth = nullptr, *small = nullptr;
    texture->GetSurfaceLevel(0, &level);
    device->GetDepthStencilSurface(&backDepth);
    ASSERT_EQ(device->CreateImageSurface(8, 8, D3DFMT_X8R8G8B8, &small), D3D_OK);
    ASSERT_EQ(device->SetRenderTarget(level, nullptr), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF123456, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->CopyRects(level, nullptr, 0, small, nullptr), D3D_OK);
    EXPECT_EQ(PixelAt(small, 7, 7) & 0xFFFFFF, 0x123456u);
    ASSERT_EQ(device->SetRenderTarget(back, backDepth), D3D_OK);
    for (IUnknown* object : {static_cast<IUnknown*>(level), static_cast<IUnknown*>(small),
                             static_cast<IUnknown*>(backDepth), static_cast<IUnknown*>(back),
                             static_cast<IUnknown*>(image)})
        object->Release();
    texture->Release();
}

TEST_F(SurfaceReadbackTest, OnlyALockableBackBufferLocks)
{
    IDirect3DSurface8* back = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    D3DLOCKED_RECT locked;
    EXPECT_EQ(back->LockRect(&locked, nullptr, 0), D3DERR_INVALIDCALL);
    back->Release();
    EXPECT_EQ(device->Release(), 0u);
    device = nullptr;

    D3DPRESENT_PARAMETERS p = WindowedParameters();
    p.Flags = D3DPRESENTFLAG_LOCKABLE_BACKBUFFER;
    ASSERT_EQ(CreateDevice(p), D3D_OK);
    ASSERT_EQ(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF204060, 1.0f, 0), D3D_OK);
    ASSERT_EQ(back->LockRect(&locked, nullptr, 0), D3D_OK);
    EXPECT_EQ(locked.Pitch, INT(kClientWidth * 4));
    auto* row = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + 3 * locked.Pitch);
    EXPECT_EQ(row[5] & 0xFFFFFF, 0x204060u);
    row[5] = 0xFFFF00FF;  // a write goes back to the picture at unlock
    EXPECT_EQ(back->LockRect(&locked, nullptr, 0), D3DERR_INVALIDCALL);  // already locked
    ASSERT_EQ(back->UnlockRect(), D3D_OK);
    const RECT part = {5, 3, 6, 4};
    ASSERT_EQ(back->LockRect(&locked, &part, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(*static_cast<DWORD*>(locked.pBits) & 0xFFFFFF, 0xFF00FFu);
    ASSERT_EQ(back->UnlockRect(), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels[3 * kClientWidth + 5] & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(pixels[3 * kClientWidth + 6] & 0xFFFFFF, 0x204060u);
    back->Release();
}

TEST_F(SurfaceReadbackTest, LockableRenderTargetLocks)
{
    IDirect3DSurface8* target = nullptr;
    ASSERT_EQ(device->CreateRenderTarget(8, 8, D3DFMT_R5G6B5, D3DMULTISAMPLE_NONE, TRUE, &target), D3D_OK);
    IDirect3DSurface8 *back = nullptr, *backDepth = nullptr;
    device->GetRenderTarget(&back);
    device->GetDepthStencilSurface(&backDepth);
    ASSERT_EQ(device->SetRenderTarget(target, nullptr), D3D_OK);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0), D3D_OK);
    D3DLOCKED_RECT locked;
    ASSERT_EQ(target->LockRect(&locked, nullptr, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(locked.Pitch, 16);
    EXPECT_EQ(*static_cast<WORD*>(locked.pBits), 0xF800);
    target->UnlockRect();
    ASSERT_EQ(device->SetRenderTarget(back, backDepth), D3D_OK);
    back->Release();
    backDepth->Release();
    target->Release();
}

}  // namespace
}  // namespace d3d8_test
