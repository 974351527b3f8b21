// The state a new device starts with, and how the state calls answer.
#include <cstring>

#include "device_fixture.h"

namespace d3d8_test {
namespace {

using DeviceStateTest = DeviceTest;

DWORD RenderState(IDirect3DDevice8* device, D3DRENDERSTATETYPE state)
{
    DWORD value = 0xDEADBEEF;
    EXPECT_EQ(device->GetRenderState(state, &value), D3D_OK) << state;
    return value;
}

DWORD StageState(IDirect3DDevice8* device, DWORD stage, D3DTEXTURESTAGESTATETYPE type)
{
    DWORD value = 0xDEADBEEF;
    EXPECT_EQ(device->GetTextureStageState(stage, type, &value), D3D_OK) << stage << " " << type;
    return value;
}

DWORD Bits(float value)
{
    DWORD bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST_F(DeviceStateTest, RenderStatesStartAtDirect3DDefaults)
{
    EXPECT_EQ(RenderState(device, D3DRS_ZENABLE), DWORD(D3DZB_TRUE));  // automatic depth buffer asked for
    EXPECT_EQ(RenderState(device, D3DRS_ZFUNC), DWORD(D3DCMP_LESSEQUAL));
    EXPECT_EQ(RenderState(device, D3DRS_CULLMODE), DWORD(D3DCULL_CCW));
    EXPECT_EQ(RenderState(device, D3DRS_COLORVERTEX), DWORD(TRUE));
    EXPECT_EQ(RenderState(device, D3DRS_DIFFUSEMATERIALSOURCE), DWORD(D3DMCS_COLOR1));
    EXPECT_EQ(RenderState(device, D3DRS_SPECULARMATERIALSOURCE), DWORD(D3DMCS_COLOR2));
    EXPECT_EQ(RenderState(device, D3DRS_AMBIENTMATERIALSOURCE), DWORD(D3DMCS_MATERIAL));
    EXPECT_EQ(RenderState(device, D3DRS_LIGHTING), DWORD(TRUE));
    EXPECT_EQ(RenderState(device, D3DRS_FILLMODE), DWORD(D3DFILL_SOLID));
    EXPECT_EQ(RenderState(device, D3DRS_SHADEMODE), DWORD(D3DSHADE_GOURAUD));
    EXPECT_EQ(RenderState(device, D3DRS_ZWRITEENABLE), DWORD(TRUE));
    EXPECT_EQ(RenderState(device, D3DRS_SRCBLEND), DWORD(D3DBLEND_ONE));
    EXPECT_EQ(RenderState(device, D3DRS_DESTBLEND), DWORD(D3DBLEND_ZERO));
    EXPECT_EQ(RenderState(device, D3DRS_ALPHAFUNC), DWORD(D3DCMP_ALWAYS));
    EXPECT_EQ(RenderState(device, D3DRS_ALPHABLENDENABLE), DWORD(FALSE));
    EXPECT_EQ(RenderState(device, D3DRS_FOGTABLEMODE), DWORD(D3DFOG_NONE));
    EXPECT_EQ(RenderState(device, D3DRS_FOGEND), Bits(1.0f));
    EXPECT_EQ(RenderState(device, D3DRS_FOGDENSITY), Bits(1.0f));
    EXPECT_EQ(RenderState(device, D3DRS_POINTSIZE), Bits(1.0f));
    EXPECT_EQ(RenderState(device, D3DRS_POINTSIZE_MIN), Bits(0.0f));
    EXPECT_EQ(RenderState(device, D3DRS_POINTSCALE_A), Bits(1.0f));
    EXPECT_EQ(RenderState(device, D3DRS_COLORWRITEENABLE), 0xFu);
    EXPECT_EQ(RenderState(device, D3DRS_BLENDOP), DWORD(D3DBLENDOP_ADD));
    EXPECT_EQ(RenderState(device, D3DRS_STENCILMASK), 0xFFFFFFFFu);
    EXPECT_EQ(RenderState(device, D3DRS_SOFTWAREVERTEXPROCESSING), DWORD(TRUE));
    D3DCAPS8 caps;
    ASSERT_EQ(device->GetDeviceCaps(&caps), D3D_OK);
    EXPECT_EQ(RenderState(device, D3DRS_POINTSIZE_MAX), Bits(caps.MaxPointSize));
}

TEST_F(DeviceStateTest, DepthIsOffWithoutAutomaticDepthBuffer)
{
    device->Release();
    device = nullptr;
    D3DPRESENT_PARAMETERS p = WindowedParameters();
    p.EnableAutoDepthStencil = FALSE;
    ASSERT_EQ(CreateDevice(p), D3D_OK);
    EXPECT_EQ(RenderState(device, D3DRS_ZENABLE), DWORD(D3DZB_FALSE));
    IDirect3DSurface8* depth = reinterpret_cast<IDirect3DSurface8*>(1);
    EXPECT_EQ(device->GetDepthStencilSurface(&depth), D3DERR_NOTFOUND);
    EXPECT_EQ(depth, nullptr);
}

TEST_F(DeviceStateTest, TextureStagesStartAtDirect3DDefaults)
{
    EXPECT_EQ(StageState(device, 0, D3DTSS_COLOROP), DWORD(D3DTOP_MODULATE));
    EXPECT_EQ(StageState(device, 0, D3DTSS_ALPHAOP), DWORD(D3DTOP_SELECTARG1));
    for (DWORD stage = 0; stage < 8; ++stage) {
        if (stage > 0) {
            EXPECT_EQ(StageState(device, stage, D3DTSS_COLOROP), DWORD(D3DTOP_DISABLE));
            EXPECT_EQ(StageState(device, stage, D3DTSS_ALPHAOP), DWORD(D3DTOP_DISABLE));
        }
        EXPECT_EQ(StageState(device, stage, D3DTSS_COLORARG1), DWORD(D3DTA_TEXTURE));
        EXPECT_EQ(StageState(device, stage, D3DTSS_COLORARG2), DWORD(D3DTA_CURRENT));
        EXPECT_EQ(StageState(device, stage, D3DTSS_ALPHAARG1), DWORD(D3DTA_TEXTURE));
        EXPECT_EQ(StageState(device, stage, D3DTSS_ALPHAARG2), DWORD(D3DTA_CURRENT));
        EXPECT_EQ(StageState(device, stage, D3DTSS_TEXCOORDINDEX), stage);
        EXPECT_EQ(StageState(device, stage, D3DTSS_ADDRESSU), DWORD(D3DTADDRESS_WRAP));
        EXPECT_EQ(StageState(device, stage, D3DTSS_ADDRESSV), DWORD(D3DTADDRESS_WRAP));
        EXPECT_EQ(StageState(device, stage, D3DTSS_MAGFILTER), DWORD(D3DTEXF_POINT));
        EXPECT_EQ(StageState(device, stage, D3DTSS_MINFILTER), DWORD(D3DTEXF_POINT));
        EXPECT_EQ(StageState(device, stage, D3DTSS_MIPFILTER), DWORD(D3DTEXF_NONE));
        EXPECT_EQ(StageState(device, stage, D3DTSS_TEXTURETRANSFORMFLAGS), DWORD(D3DTTFF_DISABLE));
    }
    DWORD value;
    EXPECT_EQ(device->GetTextureStageState(8, D3DTSS_COLOROP, &value), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->SetTextureStageState(0, static_cast<D3DTEXTURESTAGESTATETYPE>(12), 0), D3DERR_INVALIDCALL);
}

TEST_F(DeviceStateTest, WindowedBackBufferTakesTheClientSize)
{
    EXPECT_EQ(params.BackBufferWidth, kClientWidth);
    EXPECT_EQ(params.BackBufferHeight, kClientHeight);
    IDirect3DSurface8* back = nullptr;
    ASSERT_EQ(device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &back), D3D_OK);
    D3DSURFACE_DESC desc;
    ASSERT_EQ(back->GetDesc(&desc), D3D_OK);
    EXPECT_EQ(desc.Width, kClientWidth);
    EXPECT_EQ(desc.Height, kClientHeight);
    EXPECT_EQ(desc.Format, D3DFMT_X8R8G8B8);
    back->Release();
    D3DVIEWPORT8 viewport;
    ASSERT_EQ(device->GetViewport(&viewport), D3D_OK);
    EXPECT_EQ(viewport.X, 0u);
    EXPECT_EQ(viewport.Width, kClientWidth);
    EXPECT_EQ(viewport.Height, kClientHeight);
    EXPECT_EQ(viewport.MaxZ, 1.0f);
}

TEST_F(DeviceStateTest, TransformsStartAsIdentityAndMultiplyOnTheLeft)
{
    D3DMATRIX m;
    ASSERT_EQ(device->GetTransform(D3DTS_TEXTURE7, &m), D3D_OK);
    EXPECT_EQ(m._11, 1.0f);
    EXPECT_EQ(m._12, 0.0f);
    D3DMATRIX translate{};
    translate._11 = translate._22 = translate._33 = translate._44 = 1.0f;
    translate._41 = 5.0f;
    D3DMATRIX scale{};
    scale._11 = scale._22 = scale._33 = 2.0f;
    scale._44 = 1.0f;
    ASSERT_EQ(device->SetTransform(D3DTS_WORLD, &translate), D3D_OK);
    ASSERT_EQ(device->MultiplyTransform(D3DTS_WORLD, &scale), D3D_OK);
    ASSERT_EQ(device->GetTransform(D3DTS_WORLD, &m), D3D_OK);
    // scale x translate: the translation is not scaled.
    EXPECT_EQ(m._11, 2.0f);
    EXPECT_EQ(m._41, 5.0f);
    EXPECT_EQ(device->SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(1), &m), D3DERR_INVALIDCALL);
}

TEST_F(DeviceStateTest, LightsAnswerOnlyOnceSetOrEnabled)
{
    D3DLIGHT8 light{};
    BOOL enabled = TRUE;
    EXPECT_EQ(device->GetLight(3, &light), D3DERR_INVALIDCALL);
    EXPECT_EQ(device->GetLightEnable(3, &enabled), D3DERR_INVALIDCALL);
    // Enabling a light never set gives it the default white directional light.
    ASSERT_EQ(device->LightEnable(100, TRUE), D3D_OK);
    ASSERT_EQ(device->GetLight(100, &light), D3D_OK);
    EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_EQ(light.Diffuse.r, 1.0f);
    EXPECT_EQ(light.Direction.z, 1.0f);
    light.Type = D3DLIGHT_POINT;
    light.Range = 7.0f;
    ASSERT_EQ(device->SetLight(100, &light), D3D_OK);
    D3DLIGHT8 back{};
    ASSERT_EQ(device->GetLight(100, &back), D3D_OK);
    EXPECT_EQ(back.Range, 7.0f);
    ASSERT_EQ(device->GetLightEnable(100, &enabled), D3D_OK);
    EXPECT_TRUE(enabled);
    light.Type = static_cast<D3DLIGHTTYPE>(9);
    EXPECT_EQ(device->SetLight(1, &light), D3DERR_INVALIDCALL);
}

TEST_F(DeviceStateTest, SetCallsAreAnsweredByTheGetCalls)
{
    ASSERT_EQ(device->SetRenderState(D3DRS_FOGCOLOR, 0x00B5B5FF), D3D_OK);
    EXPECT_EQ(RenderState(device, D3DRS_FOGCOLOR), 0x00B5B5FFu);
    EXPECT_EQ(device->SetRenderState(static_cast<D3DRENDERSTATETYPE>(11), 1), D3DERR_INVALIDCALL);
    D3DMATERIAL8 material{};
    material.Power = 12.0f;
    ASSERT_EQ(device->SetMaterial(&material), D3D_OK);
    D3DMATERIAL8 back{};
    ASSERT_EQ(device->GetMaterial(&back), D3D_OK);
    EXPECT_EQ(back.Power, 12.0f);
    ASSERT_EQ(device->SetVertexShader(D3DFVF_XYZ | D3DFVF_DIFFUSE), D3D_OK);
    DWORD fvf = 0;
    ASSERT_EQ(device->GetVertexShader(&fvf), D3D_OK);
    EXPECT_EQ(fvf, DWORD(D3DFVF_XYZ | D3DFVF_DIFFUSE));
    D3DVIEWPORT8 outside = {100, 0, 100, 10, 0.0f, 1.0f};
    EXPECT_EQ(device->SetViewport(&outside), D3DERR_INVALIDCALL);
}

}  // namespace
}  // namespace d3d8_test
