// Buffers, textures and surfaces: locking, descriptions and reference counts.
#include <set>
#include <tuple>

#include "d3d8_hooks.h"
#include "device_fixture.h"

namespace d3d8_test {
namespace {

using ResourceTest = DeviceTest;

TEST_F(ResourceTest, VertexBufferLocksRoundTrip)
{
    IDirect3DVertexBuffer8* buffer = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(64, D3DUSAGE_WRITEONLY | D3DUSAGE_DYNAMIC, D3DFVF_XYZ, D3DPOOL_DEFAULT,
                                         &buffer),
              D3D_OK);
    BYTE* data = nullptr;
    ASSERT_EQ(buffer->Lock(16, 8, &data, 0), D3D_OK);
    for (int i = 0; i < 8; ++i)
        data[i] = static_cast<BYTE>(i + 1);
    ASSERT_EQ(buffer->Unlock(), D3D_OK);
    ASSERT_EQ(buffer->Lock(0, 0, &data, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(data[16], 1);
    EXPECT_EQ(data[23], 8);
    ASSERT_EQ(buffer->Unlock(), D3D_OK);
    // A discarding lock hands out the whole buffer, a no-overwrite lock keeps what is there.
    ASSERT_EQ(buffer->Lock(0, 0, &data, D3DLOCK_DISCARD), D3D_OK);
    data[63] = 0xAB;
    ASSERT_EQ(buffer->Unlock(), D3D_OK);
    ASSERT_EQ(buffer->Lock(32, 32, &data, D3DLOCK_NOOVERWRITE), D3D_OK);
    EXPECT_EQ(data[31], 0xAB);
    ASSERT_EQ(buffer->Unlock(), D3D_OK);

    EXPECT_EQ(buffer->Unlock(), D3DERR_INVALIDCALL);
    EXPECT_EQ(buffer->Lock(60, 8, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(data, nullptr);
    D3DVERTEXBUFFER_DESC desc;
    ASSERT_EQ(buffer->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Size, 64u);
    EXPECT_EQ(desc.FVF, DWORD(D3DFVF_XYZ));
    EXPECT_EQ(desc.Pool, D3DPOOL_DEFAULT);
    EXPECT_EQ(desc.Usage, DWORD(D3DUSAGE_WRITEONLY | D3DUSAGE_DYNAMIC));
    EXPECT_EQ(desc.Type, D3DRTYPE_VERTEXBUFFER);
    EXPECT_EQ(buffer->Release(), 0u);
}

TEST_F(ResourceTest, IndexBuffersTakeOnlyIndexFormats)
{
    IDirect3DIndexBuffer8* indices = nullptr;
    EXPECT_EQ(device->CreateIndexBuffer(12, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &indices), D3DERR_INVALIDCALL);
    EXPECT_EQ(indices, nullptr);
    ASSERT_EQ(device->CreateIndexBuffer(12, 0, D3DFMT_INDEX32, D3DPOOL_MANAGED, &indices), D3D_OK);
    D3DINDEXBUFFER_DESC desc;
    ASSERT_EQ(indices->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Format, D3DFMT_INDEX32);
    EXPECT_EQ(desc.Size, 12u);
    ASSERT_EQ(device->SetIndices(indices, 4), D3D_OK);
    IDirect3DIndexBuffer8* bound = nullptr;
    UINT base = 0;
    ASSERT_EQ(device->GetIndices(&bound, &base), D3D_OK);
    EXPECT_EQ(bound, indices);
    EXPECT_EQ(base, 4u);
    bound->Release();
    device->SetIndices(nullptr, 0);
    EXPECT_EQ(indices->Release(), 0u);
}

TEST_F(ResourceTest, TextureLevelsHaveTheirSizeAndPitch)
{
    const std::tuple<D3DFORMAT, INT> formats[] = {{D3DFMT_A8R8G8B8, 4}, {D3DFMT_X8R8G8B8, 4}, {D3DFMT_R5G6B5, 2},
                                                  {D3DFMT_A4R4G4B4, 2}, {D3DFMT_A1R5G5B5, 2}, {D3DFMT_L8, 1},
                                                  {D3DFMT_A8, 1}};
    for (auto [format, bytes] : formats) {
        IDirect3DTexture8* texture = nullptr;
        ASSERT_EQ(device->CreateTexture(64, 16, 0, 0, format, D3DPOOL_MANAGED, &texture), D3D_OK) << format;
        EXPECT_EQ(texture->GetLevelCount(), 7u);
        D3DLOCKED_RECT locked;
        ASSERT_EQ(texture->LockRect(2, &locked, nullptr, 0), D3D_OK);
        EXPECT_EQ(locked.Pitch, 16 * bytes);
        EXPECT_EQ(texture->LockRect(2, &locked, nullptr, 0), D3DERR_INVALIDCALL);  // already locked
        ASSERT_EQ(texture->UnlockRect(2), D3D_OK);
        D3DSURFACE_DESC desc;
        ASSERT_EQ(texture->GetLevelDesc(6, &desc), D3D_OK);
        EXPECT_EQ(desc.Width, 1u);
        EXPECT_EQ(desc.Height, 1u);
        EXPECT_EQ(texture->GetLevelDesc(7, &desc), D3DERR_INVALIDCALL);
        texture->Release();
    }
    IDirect3DTexture8* texture = nullptr;
    EXPECT_EQ(device->CreateTexture(8, 8, 1, 0, D3DFMT_DXT1, D3DPOOL_MANAGED, &texture), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->CreateTexture(8, 8, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture),
              D3DERR_INVALIDCALL);
}

TEST_F(ResourceTest, LockedSubRectanglePointsIntoTheLevel)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_SYSTEMMEM, &texture), D3D_OK);
    D3DLOCKED_RECT whole, part;
    ASSERT_EQ(texture->LockRect(0, &whole, nullptr, 0), D3D_OK);
    texture->UnlockRect(0);
    const RECT rect = {2, 3, 4, 5};
    ASSERT_EQ(texture->LockRect(0, &part, &rect, 0), D3D_OK);
    EXPECT_EQ(static_cast<BYTE*>(part.pBits) - static_cast<BYTE*>(whole.pBits), 3 * 32 + 2 * 4);
    texture->UnlockRect(0);
    const RECT outside = {4, 4, 9, 5};
    EXPECT_EQ(texture->LockRect(0, &part, &outside, 0), D3DERR_INVALIDCALL);
    texture->Release();
}

TEST_F(ResourceTest, SurfaceLevelsKeepTheirTextureAlive)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(device->CreateTexture(32, 32, 2, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture),
              D3D_OK);
    IDirect3DSurface8* level = nullptr;
    ASSERT_EQ(texture->GetSurfaceLevel(1, &level), D3D_OK);
    EXPECT_EQ(texture->Release(), 1u);
    IDirect3DTexture8* container = nullptr;
    ASSERT_EQ(level->GetContainer(IID_IDirect3DTexture8, reinterpret_cast<void**>(&container)), D3D_OK);
    EXPECT_EQ(container, texture);
    container->Release();
    D3DSURFACE_DESC desc;
    ASSERT_EQ(level->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Width, 16u);
    // A render-target level lives in GL only.
    D3DLOCKED_RECT locked;
    EXPECT_EQ(level->LockRect(&locked, nullptr, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(platform::LiveDefaultPoolResources(device), 1);
    EXPECT_EQ(level->Release(), 0u);
    EXPECT_EQ(platform::LiveDefaultPoolResources(device), 0);
}

TEST_F(ResourceTest, RenderTargetTextureCanBeClearedAndSwitchedBack)
{
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(device->CreateTexture(32, 32, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture),
              D3D_OK);
    IDirect3DSurface8* depth = nullptr;
    ASSERT_EQ(device->CreateDepthStencilSurface(32, 32, D3DFMT_D16, D3DMULTISAMPLE_NONE, &depth), D3D_OK);
    IDirect3DSurface8 *level = nullptr, *back = nullptr, *backDepth = nullptr;
    texture->GetSurfaceLevel(0, &level);
    device->GetRenderTarget(&back);
    device->GetDepthStencilSurface(&backDepth);
    ASSERT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF00FF00, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->SetRenderTarget(level, depth), D3D_OK);
    D3DVIEWPORT8 viewport;
    device->GetViewport(&viewport);
    EXPECT_EQ(viewport.Width, 32u);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFFFF0000, 1.0f, 0), D3D_OK);
    ASSERT_EQ(device->SetRenderTarget(back, backDepth), D3D_OK);
    ASSERT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels[0], 0xFF00FF00u);  // the texture's clear did not reach the back buffer
    EXPECT_EQ(device->SetRenderTarget(depth, nullptr), D3DERR_INVALIDCALL);
    for (IUnknown* object : {static_cast<IUnknown*>(level), static_cast<IUnknown*>(back),
                             static_cast<IUnknown*>(backDepth), static_cast<IUnknown*>(depth)})
        object->Release();
    EXPECT_EQ(texture->Release(), 0u);
}

TEST_F(ResourceTest, CopyRectsMovesPixelsBetweenSystemSurfaces)
{
    IDirect3DSurface8 *source = nullptr, *destination = nullptr;
    ASSERT_EQ(device->CreateImageSurface(4, 4, D3DFMT_A8R8G8B8, &source), D3D_OK);
    ASSERT_EQ(device->CreateImageSurface(8, 8, D3DFMT_A8R8G8B8, &destination), D3D_OK);
    D3DLOCKED_RECT locked;
    source->LockRect(&locked, nullptr, 0);
    static_cast<DWORD*>(locked.pBits)[4 + 1] = 0x12345678;  // pixel (1, 1)
    source->UnlockRect();
    const RECT rect = {1, 1, 2, 2};
    const POINT at = {6, 7};
    ASSERT_EQ(device->CopyRects(source, &rect, 1, destination, &at), D3D_OK);
    destination->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    EXPECT_EQ(static_cast<DWORD*>(locked.pBits)[7 * 8 + 6], 0x12345678u);
    destination->UnlockRect();
    const POINT outside = {7, 7};
    const RECT wide = {0, 0, 2, 1};
    EXPECT_EQ(device->CopyRects(source, &wide, 1, destination, &outside), D3DERR_INVALIDCALL);
    source->Release();
    destination->Release();
}

TEST_F(ResourceTest, DeviceHoldsItsDirect3DAndBoundTextures)
{
    // The fixture's reference plus the device's.
    d3d->AddRef();
    EXPECT_EQ(d3d->Release(), 2u);
    IDirect3DTexture8* texture = nullptr;
    ASSERT_EQ(device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
    ASSERT_EQ(device->SetTexture(0, texture), D3D_OK);
    EXPECT_EQ(texture->Release(), 0u);  // the application's count; the binding keeps it alive
    IDirect3DBaseTexture8* bound = nullptr;
    ASSERT_EQ(device->GetTexture(0, &bound), D3D_OK);
    EXPECT_EQ(bound, texture);
    EXPECT_EQ(bound->Release(), 0u);
    device->AddRef();
    EXPECT_EQ(device->Release(), 1u);
    // Releasing the Direct3D object first leaves the device working.
    EXPECT_EQ(d3d->Release(), 1u);
    d3d = nullptr;
    IDirect3D8* owner = nullptr;
    ASSERT_EQ(device->GetDirect3D(&owner), D3D_OK);
    EXPECT_EQ(owner->GetAdapterCount(), 1u);
    owner->Release();
}

TEST_F(ResourceTest, DeviceLivesUntilItsLastResourceGoes)
{
    IDirect3DVertexBuffer8* buffer = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(16, 0, D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer), D3D_OK);
    EXPECT_EQ(device->Release(), 1u);  // the buffer's reference remains
    BYTE* data = nullptr;
    EXPECT_EQ(buffer->Lock(0, 0, &data, 0), D3D_OK);
    buffer->Unlock();
    IDirect3DDevice8* owner = nullptr;
    ASSERT_EQ(buffer->GetDevice(&owner), D3D_OK);
    EXPECT_EQ(owner, device);
    EXPECT_EQ(owner->Release(), 1u);
    D3DCAPS8 caps;
    EXPECT_EQ(device->GetDeviceCaps(&caps), D3D_OK);
    EXPECT_EQ(buffer->Release(), 0u);  // takes the device with it
    device = nullptr;
}

TEST_F(ResourceTest, DrawCallsAreCheckedAndCounted)
{
    struct Vertex {
        float x, y, z;
    } triangle[3] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
    ASSERT_EQ(device->SetVertexShader(D3DFVF_XYZ), D3D_OK);
    EXPECT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(Vertex)), D3DERR_INVALIDCALL);
    ASSERT_EQ(device->BeginScene(), D3D_OK);
    EXPECT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLELIST, 1, triangle, sizeof(Vertex)), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3DERR_INVALIDCALL);  // no stream
    IDirect3DVertexBuffer8* buffer = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(sizeof triangle, 0, D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer), D3D_OK);
    ASSERT_EQ(device->SetStreamSource(0, buffer, sizeof(Vertex)), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3D_OK);
    EXPECT_EQ(device->DrawPrimitive(D3DPT_TRIANGLELIST, 1, 1), D3DERR_INVALIDCALL);  // past the end
    EXPECT_EQ(device->DrawPrimitive(static_cast<D3DPRIMITIVETYPE>(9), 0, 1), D3DERR_INVALIDCALL);
    const WORD indices[3] = {0, 1, 2};
    EXPECT_EQ(device->DrawIndexedPrimitiveUP(D3DPT_TRIANGLELIST, 0, 3, 1, indices, D3DFMT_INDEX16, triangle,
                                             sizeof(Vertex)),
              D3D_OK);
    // The user-pointer calls leave stream 0 unset.
    IDirect3DVertexBuffer8* stream = nullptr;
    UINT stride = 0;
    ASSERT_EQ(device->GetStreamSource(0, &stream, &stride), D3D_OK);
    EXPECT_EQ(stream, nullptr);
    ASSERT_EQ(device->EndScene(), D3D_OK);
    EXPECT_EQ(platform::DrawCallCount(device), 3);
    buffer->Release();
}

TEST(Direct3D8Test, AdapterAndModes)
{
    EXPECT_EQ(Direct3DCreate8(D3D_SDK_VERSION + 1), nullptr);
    IDirect3D8* d3d = Direct3DCreate8(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    EXPECT_EQ(d3d->GetAdapterCount(), 1u);
    D3DDISPLAYMODE desktop;
    ASSERT_EQ(d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &desktop), D3D_OK);
    EXPECT_EQ(desktop.Format, D3DFMT_X8R8G8B8);
    EXPECT_GT(desktop.Width, 0u);

    std::set<std::tuple<UINT, UINT, UINT, D3DFORMAT>> seen;
    const UINT count = d3d->GetAdapterModeCount(D3DADAPTER_DEFAULT);
    for (UINT i = 0; i < count; ++i) {
        D3DDISPLAYMODE mode;
        ASSERT_EQ(d3d->EnumAdapterModes(D3DADAPTER_DEFAULT, i, &mode), D3D_OK);
        EXPECT_TRUE(mode.Format == D3DFMT_X8R8G8B8 || mode.Format == D3DFMT_R5G6B5);
        EXPECT_TRUE(seen.insert({mode.Width, mode.Height, mode.RefreshRate, mode.Format}).second) << "duplicate";
    }
    auto listed = [&](UINT w, UINT h, D3DFORMAT f) {
        for (auto& mode : seen)
            if (std::get<0>(mode) == w && std::get<1>(mode) == h && std::get<3>(mode) == f)
                return true;
        return false;
    };
    for (auto size : {std::pair{640u, 480u}, {800u, 600u}, {1024u, 768u}, {1280u, 1024u}, {1600u, 1200u}}) {
        EXPECT_TRUE(listed(size.first, size.second, D3DFMT_X8R8G8B8)) << size.first;
        EXPECT_TRUE(listed(size.first, size.second, D3DFMT_R5G6B5)) << size.first;
    }
    D3DDISPLAYMODE mode;
    EXPECT_EQ(d3d->EnumAdapterModes(D3DADAPTER_DEFAULT, count, &mode), D3DERR_INVALIDCALL);
    EXPECT_EQ(d3d->GetAdapterModeCount(1), 0u);

    D3DCAPS8 caps;
    ASSERT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    EXPECT_EQ(caps.MaxActiveLights, 8u);
    EXPECT_EQ(caps.MaxTextureBlendStages, 2u);
    EXPECT_EQ(caps.MaxTextureWidth, 4096u);
    EXPECT_GT(caps.MaxPointSize, 1.0f);
    EXPECT_TRUE(caps.FVFCaps & D3DFVFCAPS_PSIZE);
    EXPECT_EQ(d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, 0, D3DRTYPE_TEXTURE, D3DFMT_A4R4G4B4),
              D3D_OK);
    EXPECT_EQ(d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DUSAGE_DEPTHSTENCIL, D3DRTYPE_SURFACE,
                                     D3DFMT_D24S8),
              D3D_OK);
    EXPECT_EQ(d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, 0, D3DRTYPE_TEXTURE, D3DFMT_DXT1),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(d3d->CheckDeviceType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, D3DFMT_R5G6B5, FALSE), D3D_OK);
    EXPECT_EQ(d3d->Release(), 0u);
}

TEST(Direct3D8Test, CreateDeviceNeedsAWindow)
{
    IDirect3D8* d3d = Direct3DCreate8(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    D3DPRESENT_PARAMETERS p = WindowedParameters();
    IDirect3DDevice8* device = reinterpret_cast<IDirect3DDevice8*>(1);
    EXPECT_EQ(d3d->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, 0, &p, &device), D3DERR_INVALIDCALL);
    EXPECT_EQ(device, nullptr);
    d3d->Release();
}

}  // namespace
}  // namespace d3d8_test
