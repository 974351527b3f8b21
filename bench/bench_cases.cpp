#include "bench_cases.h"

#include <cstring>
#include <initializer_list>

#include "bench_scene.h"
#include "screen/D3DFont.h"

namespace bench {

namespace {

IDirect3DTexture8* SolidTexture(UINT size, DWORD color)
{
    IDirect3DTexture8* texture = nullptr;
    if (Device()->CreateTexture(size, size, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture) != D3D_OK)
        return nullptr;
    D3DLOCKED_RECT locked;
    if (texture->LockRect(0, &locked, nullptr, 0) == D3D_OK) {
        for (UINT y = 0; y < size; ++y) {
            DWORD* row = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
            for (UINT x = 0; x < size; ++x)
                row[x] = color;
        }
        texture->UnlockRect(0);
    }
    return texture;
}

// The device cube bound with the object's states, ready for DrawIndexedPrimitive.
void BindCube(const DeviceCube& cube, IDirect3DTexture8* texture)
{
    IDirect3DDevice8* device = Device();
    SetObjectTransforms(device, 0.0f);
    SetObjectStates(device);
    D3DMATERIAL8 material = {};
    material.Diffuse = material.Ambient = {0.5f, 0.5f, 0.5f, 1.0f};
    device->SetMaterial(&material);
    device->SetVertexShader(D3DFVF_S3DVERTEX);
    device->SetStreamSource(0, cube.vertices, sizeof(S3DVERTEX));
    device->SetIndices(cube.indices, 0);
    device->SetTexture(0, texture);
}

void DrawCube() { Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 36, 0, 12); }

// Between draws: another texture, another material, blending on or off and solid or wireframe,
// each alternating, as objects of different kinds follow one another.
void BM_StateChanges(benchmark::State& state)
{
    IDirect3DDevice8* device = Device();
    DeviceCube cube;
    IDirect3DTexture8* textures[2] = {SolidTexture(4, 0xFFFFFFFF), SolidTexture(4, 0x80FF8040)};
    D3DMATERIAL8 materials[2] = {};
    materials[0].Diffuse = materials[0].Ambient = {0.5f, 0.5f, 0.5f, 1.0f};
    materials[1].Diffuse = materials[1].Ambient = {1.0f, 0.25f, 0.25f, 0.5f};
    BindCube(cube, textures[0]);
    {
        PresentCadence cadence(state);
        int draws = 0;
        for (auto _ : state) {
            const int odd = draws++ & 1;
            device->SetTexture(0, textures[odd]);
            device->SetMaterial(&materials[odd]);
            device->SetRenderState(D3DRS_ALPHABLENDENABLE, odd);
            device->SetRenderState(D3DRS_FILLMODE, odd ? D3DFILL_WIREFRAME : D3DFILL_SOLID);
            DrawCube();
            cadence.Drew();
        }
    }
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    device->SetTexture(0, nullptr);
    for (IDirect3DTexture8* texture : textures)
        if (texture)
            texture->Release();
    ReportDraws(state);
}

struct ScreenVertex {
    float x, y, z, rhw;
    DWORD color;
    float tu, tv;
};
constexpr DWORD kScreenVertexFvf = D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1;

// A textured quad in screen pixels from the caller's memory, as overlays and fades are drawn.
void BM_DrawPrimitiveUPQuad(benchmark::State& state)
{
    IDirect3DDevice8* device = Device();
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetTexture(0, SharedTexture());
    device->SetVertexShader(kScreenVertexFvf);
    ScreenVertex quad[4] = {{10, 10, 0.5f, 1, 0xFFFFFFFF, 0, 0},
                            {20, 10, 0.5f, 1, 0xFFFFFFFF, 1, 0},
                            {10, 20, 0.5f, 1, 0xFFFFFFFF, 0, 1},
                            {20, 20, 0.5f, 1, 0xFFFFFFFF, 1, 1}};
    {
        PresentCadence cadence(state);
        int draws = 0;
        for (auto _ : state) {
            const float shift = static_cast<float>(draws++ % 10);
            for (ScreenVertex& v : quad)
                v.x += (shift == 0.0f ? -9.0f : 1.0f);
            device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(ScreenVertex));
            cadence.Drew();
        }
    }
    device->SetTexture(0, nullptr);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    ReportDraws(state);
}

// The whole vertex buffer rewritten through Lock and Unlock before each draw, as animated meshes do.
void BM_VertexBufferRewrite(benchmark::State& state)
{
    DeviceCube cube;
    BindCube(cube, SharedTexture());
    S3DVERTEX source[36];
    FillCube(source, 36);
    {
        PresentCadence cadence(state);
        int draws = 0;
        for (auto _ : state) {
            source[0].z = DrawOffset(draws++);
            BYTE* data = nullptr;
            if (cube.vertices->Lock(0, 0, &data, 0) == D3D_OK) {
                std::memcpy(data, source, sizeof source);
                cube.vertices->Unlock();
            }
            DrawCube();
            cadence.Drew();
        }
    }
    Device()->SetTexture(0, nullptr);
    ReportDraws(state);
}

// A 256x256 texture rewritten through LockRect and drawn, as the demo's procedural textures are.
void BM_TextureLockRect256(benchmark::State& state)
{
    DeviceCube cube;
    IDirect3DTexture8* texture = SolidTexture(256, 0xFF000000);
    BindCube(cube, texture);
    {
        PresentCadence cadence(state);
        DWORD value = 0;
        for (auto _ : state) {
            D3DLOCKED_RECT locked;
            if (texture && texture->LockRect(0, &locked, nullptr, 0) == D3D_OK) {
                ++value;
                for (int y = 0; y < 256; ++y) {
                    DWORD* row = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
                    for (int x = 0; x < 256; ++x)
                        row[x] = 0xFF000000 | (value + x + y);
                }
                texture->UnlockRect(0);
            }
            DrawCube();
            cadence.Drew();
        }
    }
    Device()->SetTexture(0, nullptr);
    if (texture)
        texture->Release();
    ReportDraws(state);
}

// One line of the overlay's text: a draw of 40 characters, its state blocks applied and undone.
void BM_FontText(benchmark::State& state)
{
    CD3DFont font("Arial", 12, D3DFONT_BOLD);
    font.Init();
    {
        PresentCadence cadence(state);
        for (auto _ : state) {
            font.DrawTextA(2.0f, 40.0f, 0xFFFFFF00, "Frames 60.0 fps, camera 1.00 2.00 3.00 ");
            cadence.Drew();
        }
    }
    font.CleanUp();
    ReportDraws(state);
}

// A frame with nothing drawn: what a Present itself costs at the back buffer's size.
void BM_EmptyFramePresent(benchmark::State& state)
{
    IDirect3DDevice8* device = Device();
    for (auto _ : state) {
        device->BeginScene();
        device->EndScene();
        device->Present(nullptr, nullptr, nullptr, nullptr);
    }
    D3DSURFACE_DESC desc = {};
    IDirect3DSurface8* back = nullptr;
    if (device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back) == D3D_OK) {
        back->GetDesc(&desc);
        back->Release();
    }
    state.SetLabel(std::to_string(desc.Width) + "x" + std::to_string(desc.Height));
    state.SetItemsProcessed(state.iterations());
}

// The screen's render-to-texture pass: a 1024 x 512 target texture and depth surface, a depth clear
// and a draw, over and over (each part clears the depth between its layers). The argument says
// whether the viewport is the whole texture (1) or 640 x 480 of it, as at that screen size (0): the
// GL driver clears a part of a buffer by drawing, the whole of one at the start of a pass for free.
void BM_DepthClearOfTextureTarget(benchmark::State& state)
{
    IDirect3DDevice8* device = Device();
    IDirect3DTexture8* texture = nullptr;
    IDirect3DSurface8 *target = nullptr, *depth = nullptr, *back = nullptr, *backDepth = nullptr;
    device->CreateTexture(1024, 512, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8, D3DPOOL_DEFAULT, &texture);
    device->CreateDepthStencilSurface(1024, 512, D3DFMT_D24S8, D3DMULTISAMPLE_NONE, &depth);
    if (!texture || !depth || texture->GetSurfaceLevel(0, &target) != D3D_OK) {
        state.SkipWithError("no texture target");
        return;
    }
    device->GetRenderTarget(&back);
    device->GetDepthStencilSurface(&backDepth);
    DeviceCube cube;
    BindCube(cube, SharedTexture());
    const bool whole = state.range(0) == 1;
    const D3DVIEWPORT8 viewport = {0, 0, whole ? 1024u : 640u, whole ? 512u : 480u, 0.0f, 1.0f};
    int frame = 0;
    for (auto _ : state) {
        device->SetRenderTarget(target, depth);
        device->SetViewport(&viewport);
        device->BeginScene();
        device->Clear(0, nullptr, D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
        DrawCube();
        device->EndScene();
        if (++frame % 10 == 0) {
            device->SetRenderTarget(back, backDepth);
            device->Present(nullptr, nullptr, nullptr, nullptr);
        }
    }
    device->SetRenderTarget(back, backDepth);
    device->SetTexture(0, nullptr);
    for (IUnknown* object : std::initializer_list<IUnknown*>{target, depth, texture, back, backDepth})
        object->Release();
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(whole ? "viewport: the whole texture" : "viewport: 640x480 of the texture");
}

}  // namespace

void RegisterCases(Configure atCadences)
{
    atCadences(benchmark::RegisterBenchmark("BM_StateChanges", BM_StateChanges));
    atCadences(benchmark::RegisterBenchmark("BM_DrawPrimitiveUPQuad", BM_DrawPrimitiveUPQuad));
    atCadences(benchmark::RegisterBenchmark("BM_VertexBufferRewrite", BM_VertexBufferRewrite));
    atCadences(benchmark::RegisterBenchmark("BM_TextureLockRect256", BM_TextureLockRect256));
    atCadences(benchmark::RegisterBenchmark("BM_FontText", BM_FontText));
    benchmark::RegisterBenchmark("BM_EmptyFramePresent", BM_EmptyFramePresent)->MinTime(0.5);
    benchmark::RegisterBenchmark("BM_DepthClearOfTextureTarget", BM_DepthClearOfTextureTarget)
        ->Arg(0)
        ->Arg(1)
        ->MinTime(0.5);
}

}  // namespace bench
