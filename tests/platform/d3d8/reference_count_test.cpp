// Reference counts as the application sees them: its own count on every resource, a device that
// lives until its last resource goes, bindings that do not show, and the device's own surfaces.
#include "d3d8_hooks.h"
#include "device_fixture.h"

namespace d3d8_test {
namespace {

using ReferenceCountTest = DeviceTest;

ULONG DeviceCount(IDirect3DDevice8* device)
{
    device->AddRef();
    return device->Release();
}

TEST_F(ReferenceCountTest, EveryResourceHoldsTheDevice)
{
    IDirect3DVertexBuffer8* buffer = nullptr;
    IDirect3DIndexBuffer8* indices = nullptr;
    IDirect3DTexture8* texture = nullptr;
    IDirect3DSurface8* image = nullptr;
    ASSERT_EQ(DeviceCount(device), 1u);
    ASSERT_EQ(device->CreateVertexBuffer(16, 0, D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer), D3D_OK);
    ASSERT_EQ(device->CreateIndexBuffer(16, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indices), D3D_OK);
    ASSERT_EQ(device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
    ASSERT_EQ(device->CreateImageSurface(8, 8, D3DFMT_A8R8G8B8, &image), D3D_OK);
    EXPECT_EQ(DeviceCount(device), 5u);
    // A second reference on a resource does not add another on the device.
    EXPECT_EQ(texture->AddRef(), 2u);
    EXPECT_EQ(DeviceCount(device), 5u);
    EXPECT_EQ(texture->Release(), 1u);
    DWORD block = 0;
    ASSERT_EQ(device->CreateStateBlock(D3DSBT_ALL, &block), D3D_OK);
    EXPECT_EQ(DeviceCount(device), 6u);
    ASSERT_EQ(device->DeleteStateBlock(block), D3D_OK);
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(indices->Release(), 0u);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(image->Release(), 0u);
    EXPECT_EQ(DeviceCount(device), 1u);
}

TEST_F(ReferenceCountTest, BindingsDoNotShowInTheApplicationsCount)
{
    IDirect3DVertexBuffer8* buffer = nullptr;
    IDirect3DIndexBuffer8* indices = nullptr;
    IDirect3DTexture8* target = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(64, 0, D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer), D3D_OK);
    ASSERT_EQ(device->CreateIndexBuffer(16, 0, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indices), D3D_OK);
    ASSERT_EQ(device->CreateTexture(16, 16, 1, D3DUSAGE_RENDERTARGET, D3DFMT_X8R8G8B8, D3DPOOL_DEFAULT, &target),
              D3D_OK);
    IDirect3DSurface8* level = nullptr;
    ASSERT_EQ(target->GetSurfaceLevel(0, &level), D3D_OK);
    EXPECT_EQ(target->AddRef(), 3u);  // the texture's, the level's, this one
    target->Release();
    ASSERT_EQ(device->SetStreamSource(0, buffer, 12), D3D_OK);
    ASSERT_EQ(device->SetIndices(indices, 0), D3D_OK);
    ASSERT_EQ(device->SetTexture(1, target), D3D_OK);
    ASSERT_EQ(device->SetRenderTarget(level, nullptr), D3D_OK);
    EXPECT_EQ(buffer->AddRef(), 2u);
    EXPECT_EQ(buffer->Release(), 1u);
    EXPECT_EQ(indices->AddRef(), 2u);
    EXPECT_EQ(indices->Release(), 1u);
    EXPECT_EQ(level->AddRef(), 3u);
    EXPECT_EQ(level->Release(), 2u);
    // Released by the application while bound: alive, and back in its hands through the Get calls.
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(indices->Release(), 0u);
    IDirect3DVertexBuffer8* stream = nullptr;
    UINT stride = 0;
    ASSERT_EQ(device->GetStreamSource(0, &stream, &stride), D3D_OK);
    EXPECT_EQ(stream, buffer);
    D3DVERTEXBUFFER_DESC desc;
    EXPECT_EQ(stream->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Size, 64u);
    EXPECT_EQ(stream->Release(), 0u);
    IDirect3DSurface8 *back = nullptr, *backDepth = nullptr;
    device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back);
    device->GetDepthStencilSurface(&backDepth);
    EXPECT_EQ(backDepth, nullptr);  // the texture target was set without depth
    ASSERT_EQ(device->SetRenderTarget(back, nullptr), D3D_OK);
    back->Release();
    device->SetStreamSource(0, nullptr, 0);
    device->SetIndices(nullptr, 0);
    device->SetTexture(1, nullptr);
    EXPECT_EQ(level->Release(), 1u);
    EXPECT_EQ(target->Release(), 0u);
    EXPECT_EQ(DeviceCount(device), 1u);
}

TEST_F(ReferenceCountTest, ImplicitSurfacesStartAtTheApplicationsCount)
{
    IDirect3DSurface8 *back = nullptr, *target = nullptr, *depth = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    EXPECT_EQ(back->AddRef(), 2u);
    EXPECT_EQ(back->Release(), 1u);
    EXPECT_EQ(DeviceCount(device), 2u);  // the surface holds the device while the application holds it
    ASSERT_EQ(device->GetRenderTarget(&target), D3D_OK);
    EXPECT_EQ(target, back);
    EXPECT_EQ(target->Release(), 1u);
    ASSERT_EQ(device->GetDepthStencilSurface(&depth), D3D_OK);
    EXPECT_EQ(depth->AddRef(), 2u);
    EXPECT_EQ(depth->Release(), 1u);
    EXPECT_EQ(depth->Release(), 0u);
    EXPECT_EQ(back->Release(), 0u);
    // Released once too often: the device still owns them and they still work.
    EXPECT_EQ(back->Release(), 0u);
    EXPECT_EQ(depth->Release(), 0u);
    EXPECT_EQ(DeviceCount(device), 1u);
    ASSERT_EQ(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    D3DSURFACE_DESC desc;
    ASSERT_EQ(back->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Width, kClientWidth);
    EXPECT_EQ(back->Release(), 0u);
    EXPECT_EQ(device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF102030, 1.0f, 0), D3D_OK);
    EXPECT_EQ(device->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);
    auto pixels = ReadFrontBuffer(kClientWidth, kClientHeight);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels[0] & 0xFFFFFF, 0x102030u);
}

TEST_F(ReferenceCountTest, NullStreamKeepsTheLastStride)
{
    IDirect3DVertexBuffer8* buffer = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(64, 0, D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer), D3D_OK);
    ASSERT_EQ(device->SetStreamSource(0, buffer, 32), D3D_OK);
    ASSERT_EQ(device->SetStreamSource(0, nullptr, 0), D3D_OK);
    IDirect3DVertexBuffer8* stream = reinterpret_cast<IDirect3DVertexBuffer8*>(1);
    UINT stride = 0;
    ASSERT_EQ(device->GetStreamSource(0, &stream, &stride), D3D_OK);
    EXPECT_EQ(stream, nullptr);
    EXPECT_EQ(stride, 32u);
    EXPECT_EQ(buffer->Release(), 0u);
}

TEST_F(ReferenceCountTest, ResourcesSurviveAnOverReleasedDevice)
{
    IDirect3DVertexBuffer8* buffer = nullptr;
    IDirect3DTexture8 *texture = nullptr, *bound = nullptr;
    IDirect3DSurface8* back = nullptr;
    ASSERT_EQ(device->CreateVertexBuffer(16, 0, D3DFVF_XYZ, D3DPOOL_MANAGED, &buffer), D3D_OK);
    ASSERT_EQ(device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
    ASSERT_EQ(device->CreateTexture(8, 8, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &bound), D3D_OK);
    ASSERT_EQ(device->SetTexture(0, bound), D3D_OK);
    ASSERT_EQ(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    // The application drops the device's count to 0 behind its resources' backs.
    while (device->Release() > 0) {
    }
    device = nullptr;
    BYTE* data = nullptr;
    EXPECT_EQ(buffer->Lock(0, 0, &data, 0), D3D_OK);
    buffer->Unlock();
    IDirect3DDevice8* owner = reinterpret_cast<IDirect3DDevice8*>(1);
    EXPECT_EQ(buffer->GetDevice(&owner), D3DERR_INVALIDCALL);
    D3DLOCKED_RECT locked;
    EXPECT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
    texture->UnlockRect(0);
    EXPECT_EQ(buffer->Release(), 0u);
    EXPECT_EQ(texture->Release(), 0u);
    EXPECT_EQ(bound->Release(), 0u);
    EXPECT_EQ(back->Release(), 0u);
}

}  // namespace
}  // namespace d3d8_test
