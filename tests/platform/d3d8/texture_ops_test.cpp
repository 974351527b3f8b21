// The texture operations with premultiplied and inverted terms and the three-argument ones, and the
// caps that report what the device does.
#include <algorithm>

#include "draw_fixture.h"

namespace d3d8_test {
namespace {

class TextureOpsTest : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_EQ(device->CreateTexture(1, 1, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture), D3D_OK);
        D3DLOCKED_RECT locked;
        ASSERT_EQ(texture->LockRect(0, &locked, nullptr, 0), D3D_OK);
        *static_cast<DWORD*>(locked.pBits) = kTexel;
        texture->UnlockRect(0);
        device->SetTexture(0, texture);
        device->SetRenderState(D3DRS_TEXTUREFACTOR, kFactor);
        device->SetTextureStageState(0, D3DTSS_COLORARG0, D3DTA_TFACTOR);
        device->SetTextureStageState(0, D3DTSS_COLORARG1, D3DTA_TEXTURE);
        device->SetTextureStageState(0, D3DTSS_COLORARG2, D3DTA_DIFFUSE);
    }
    void TearDown() override
    {
        if (device)
            device->SetTexture(0, nullptr);
        if (texture)
            texture->Release();
        DrawTest::TearDown();
    }

    // Draws the whole viewport with the colour operation and answers the red, green and blue results.
    void DrawWith(DWORD colorOp)
    {
        device->SetTextureStageState(0, D3DTSS_COLOROP, colorOp);
        Frame([&] { DrawScreenRect(0, 0, kView, kView, kDiffuse); });
    }

    static constexpr DWORD kTexel = 0x80402010;
    static constexpr DWORD kDiffuse = 0xFF808080;
    static constexpr DWORD kFactor = 0x40C06020;
    IDirect3DTexture8* texture = nullptr;
};

float Channel(DWORD color, int shift)
{
    return ((color >> shift) & 0xFF) / 255.0f;
}

// The expected colour from a per-channel formula over texture (t), diffuse (d) and factor (f) with
// the texture's alpha (ta).
template <class Formula>
DWORD Expected(Formula formula, DWORD t, DWORD d, DWORD f)
{
    DWORD out = 0;
    for (int shift : {16, 8, 0}) {
        const float v = formula(Channel(t, shift), Channel(d, shift), Channel(f, shift), Channel(t, 24));
        out |= static_cast<DWORD>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f) << shift;
    }
    return out;
}

TEST_F(TextureOpsTest, PremultipliedAndInvertedOperations)
{
    DrawWith(D3DTOP_BLENDTEXTUREALPHAPM);
    EXPECT_RGB_NEAR(*this, 32, 32, Expected([](float t, float d, float, float ta) { return t + d * (1 - ta); },
                                            kTexel, kDiffuse, kFactor), 2);
    DrawWith(D3DTOP_MODULATEINVALPHA_ADDCOLOR);
    EXPECT_RGB_NEAR(*this, 32, 32, Expected([](float t, float d, float, float ta) { return t + (1 - ta) * d; },
                                            kTexel, kDiffuse, kFactor), 2);
    DrawWith(D3DTOP_MODULATEINVCOLOR_ADDALPHA);
    EXPECT_RGB_NEAR(*this, 32, 32, Expected([](float t, float d, float, float ta) { return (1 - t) * d + ta; },
                                            kTexel, kDiffuse, kFactor), 2);
}

TEST_F(TextureOpsTest, ThreeArgumentOperationsTakeArgumentZero)
{
    DrawWith(D3DTOP_MULTIPLYADD);
    EXPECT_RGB_NEAR(*this, 32, 32, Expected([](float t, float d, float f, float) { return f + t * d; },
                                            kTexel, kDiffuse, kFactor), 2);
    DrawWith(D3DTOP_LERP);
    EXPECT_RGB_NEAR(*this, 32, 32, Expected([](float t, float d, float f, float) { return f * t + (1 - f) * d; },
                                            kTexel, kDiffuse, kFactor), 2);
    // Argument 0 with a modifier: the complement of the factor's alpha replicated.
    device->SetTextureStageState(0, D3DTSS_COLORARG0, D3DTA_TFACTOR | D3DTA_ALPHAREPLICATE | D3DTA_COMPLEMENT);
    DrawWith(D3DTOP_LERP);
    const float k = 1.0f - Channel(kFactor, 24);
    EXPECT_RGB_NEAR(*this, 32, 32, Expected([k](float t, float d, float, float) { return k * t + (1 - k) * d; },
                                            kTexel, kDiffuse, kFactor), 2);
}

TEST_F(TextureOpsTest, AlphaLerpTakesAlphaArgumentZero)
{
    // Stage 0 makes the alpha; stage 1 shows it as grey.
    device->SetTextureStageState(0, D3DTSS_ALPHAOP, D3DTOP_LERP);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG0, D3DTA_TFACTOR);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG1, D3DTA_TEXTURE);
    device->SetTextureStageState(0, D3DTSS_ALPHAARG2, D3DTA_DIFFUSE);
    device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_SELECTARG1);
    device->SetTextureStageState(1, D3DTSS_COLORARG1, D3DTA_CURRENT | D3DTA_ALPHAREPLICATE);
    DrawWith(D3DTOP_SELECTARG2);
    const float f = Channel(kFactor, 24), t = Channel(kTexel, 24), d = Channel(kDiffuse, 24);
    const int grey = static_cast<int>((f * t + (1 - f) * d) * 255.0f + 0.5f);
    EXPECT_NEAR(Red(32, 32), grey, 2);
    EXPECT_NEAR(Blue(32, 32), grey, 2);
    device->SetTextureStageState(1, D3DTSS_COLOROP, D3DTOP_DISABLE);
}

TEST(DeviceCapsTest, CapsSayWhatTheDeviceDoes)
{
    IDirect3D8* d3d = Direct3DCreate8(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    D3DCAPS8 caps;
    ASSERT_EQ(d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps), D3D_OK);
    for (DWORD op : {DWORD(D3DTEXOPCAPS_BLENDTEXTUREALPHAPM), DWORD(D3DTEXOPCAPS_MODULATEINVALPHA_ADDCOLOR),
                     DWORD(D3DTEXOPCAPS_MODULATEINVCOLOR_ADDALPHA), DWORD(D3DTEXOPCAPS_MULTIPLYADD),
                     DWORD(D3DTEXOPCAPS_LERP), DWORD(D3DTEXOPCAPS_DOTPRODUCT3)})
        EXPECT_TRUE(caps.TextureOpCaps & op) << op;
    EXPECT_FALSE(caps.TextureOpCaps & D3DTEXOPCAPS_BUMPENVMAP);
    EXPECT_FALSE(caps.PrimitiveMiscCaps & D3DPMISCCAPS_CLIPTLVERTS);
    EXPECT_TRUE(caps.TextureCaps & D3DPTEXTURECAPS_CUBEMAP);
    EXPECT_TRUE(caps.TextureCaps & D3DPTEXTURECAPS_MIPCUBEMAP);
    EXPECT_FALSE(caps.TextureCaps & D3DPTEXTURECAPS_VOLUMEMAP);
    EXPECT_FALSE(caps.TextureCaps & D3DPTEXTURECAPS_MIPVOLUMEMAP);
    EXPECT_EQ(caps.CubeTextureFilterCaps, caps.TextureFilterCaps);
    EXPECT_EQ(caps.VertexShaderVersion, 0u);
    EXPECT_EQ(caps.PixelShaderVersion, 0u);
    EXPECT_TRUE(caps.DestBlendCaps & D3DPBLENDCAPS_DESTALPHA);
    EXPECT_EQ(d3d->CheckDeviceMultiSampleType(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, TRUE, D3DMULTISAMPLE_2_SAMPLES),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, 0, D3DRTYPE_CUBETEXTURE, D3DFMT_A8R8G8B8),
              D3D_OK);
    EXPECT_EQ(d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, 0, D3DRTYPE_VOLUMETEXTURE, D3DFMT_A8R8G8B8),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(d3d->CheckDeviceFormat(0, D3DDEVTYPE_HAL, D3DFMT_X8R8G8B8, 0, D3DRTYPE_TEXTURE, D3DFMT_P8),
              D3DERR_NOTAVAILABLE);
    d3d->Release();
}

}  // namespace
}  // namespace d3d8_test
