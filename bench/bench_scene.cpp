#include "bench_scene.h"

#include <string>

#include "screen/Screen.h"

namespace bench {

namespace {

IDirect3DTexture8* g_texture = nullptr;
constexpr float kCubeScale = 0.02f;  // a few pixels on screen: the draw's cost, not the rasteriser's

}  // namespace

IDirect3DDevice8* Device() { return CScreen::Instance().GetD3DDevice(); }
IDirect3DTexture8* SharedTexture() { return g_texture; }
void SetSharedTexture(IDirect3DTexture8* texture) { g_texture = texture; }

PresentCadence::PresentCadence(const benchmark::State& state) : cadence_(static_cast<int>(state.range(0)))
{
    Device()->BeginScene();
}

PresentCadence::~PresentCadence()
{
    Device()->EndScene();
    Device()->Present(nullptr, nullptr, nullptr, nullptr);
}

void PresentCadence::Drew()
{
    if (++draws_ % cadence_ != 0)
        return;
    IDirect3DDevice8* device = Device();
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);
    device->BeginScene();
}

void ReportDraws(benchmark::State& state, int drawsPerIteration)
{
    state.SetItemsProcessed(state.iterations() * drawsPerIteration);
    state.SetLabel("present every " + std::to_string(state.range(0)));
}

float DrawOffset(int draw) { return static_cast<float>(draw % 10) * 0.001f; }

void FillCube(S3DVERTEX* v, int count)
{
    for (int i = 0; i < count; ++i) {
        v[i] = S3DVERTEX{};
        v[i].x = (i % 3 == 1) ? 0.5f : -0.5f;
        v[i].y = (i % 3 == 2) ? 0.5f : -0.5f;
        v[i].z = static_cast<float>(i / 6) * 0.1f - 0.3f;
        v[i].nz = -1.0f;
        v[i].color = 0xFFFFFFFF;
        v[i].tu = v[i].x + 0.5f;
        v[i].tv = v[i].y + 0.5f;
    }
}

void CBenchCube::Init()
{
    PreInit();
    SetNumberVertices(36);
    SetNumberFaces(12);
    CBaseObject::Init();
    unsigned long faces = 0;
    if (WORD* indices = LockIB(faces)) {
        for (unsigned long i = 0; i < faces * 3; ++i)
            indices[i] = static_cast<WORD>(i);
        UnlockIB();
    }
    unsigned long count = 0;
    if (S3DVERTEX* v = LockVB(count)) {
        FillCube(v, static_cast<int>(count));
        UnlockVB(true);
    }
}

DeviceCube::DeviceCube()
{
    IDirect3DDevice8* device = Device();
    device->CreateVertexBuffer(36 * sizeof(S3DVERTEX), D3DUSAGE_WRITEONLY, D3DFVF_S3DVERTEX, D3DPOOL_MANAGED,
                               &vertices);
    device->CreateIndexBuffer(36 * sizeof(WORD), D3DUSAGE_WRITEONLY, D3DFMT_INDEX16, D3DPOOL_MANAGED, &indices);
    BYTE* data = nullptr;
    if (vertices && vertices->Lock(0, 0, &data, 0) == D3D_OK) {
        FillCube(reinterpret_cast<S3DVERTEX*>(data), 36);
        vertices->Unlock();
    }
    if (indices && indices->Lock(0, 0, &data, 0) == D3D_OK) {
        WORD* index = reinterpret_cast<WORD*>(data);
        for (int i = 0; i < 36; ++i)
            index[i] = static_cast<WORD>(i);
        indices->Unlock();
    }
}

DeviceCube::~DeviceCube()
{
    if (vertices)
        vertices->Release();
    if (indices)
        indices->Release();
}

void SetObjectTransforms(IDirect3DDevice8* device, float offset)
{
    CScreen& screen = CScreen::Instance();
    const D3DXMATRIX view = screen.GetViewMatrix(), projection = screen.GetProjMatrix();
    device->SetTransform(D3DTS_VIEW, &view);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    D3DXMATRIX world;
    D3DXMatrixScaling(&world, kCubeScale, kCubeScale, kCubeScale);
    world._41 = offset;
    device->SetTransform(D3DTS_WORLD, &world);
}

void SetObjectStates(IDirect3DDevice8* device)
{
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_SHADEMODE, D3DSHADE_GOURAUD);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_COLOROP, D3DTOP_MODULATE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_MODULATE);
    device->SetRenderState(D3DRS_ALPHABLENDENABLE, TRUE);
    device->SetRenderState(D3DRS_SRCBLEND, D3DBLEND_SRCALPHA);
    device->SetRenderState(D3DRS_DESTBLEND, D3DBLEND_INVSRCALPHA);
    device->SetRenderState(D3DRS_ALPHATESTENABLE, TRUE);
    device->SetRenderState(D3DRS_ALPHAREF, 8);
    device->SetRenderState(D3DRS_ALPHAFUNC, D3DCMP_GREATEREQUAL);
    device->SetRenderState(D3DRS_SPECULARENABLE, FALSE);
    device->SetRenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL);
}

}  // namespace bench
