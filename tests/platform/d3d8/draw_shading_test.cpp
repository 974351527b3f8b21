// Colour computed per vertex and per pixel: Direct3D's lighting equations, material sources and fog.
#include "draw_fixture.h"

namespace d3d8_test {
namespace {

// A quad over the whole viewport at depth z in camera space, normal towards the viewer.
void FacingQuad(LitVertex out[4], float z, DWORD color, float half = 1.0f)
{
    out[0] = {-half, half, z, 0, 0, -1, color};
    out[1] = {half, half, z, 0, 0, -1, color};
    out[2] = {-half, -half, z, 0, 0, -1, color};
    out[3] = {half, -half, z, 0, 0, -1, color};
}

class DrawShadingTest : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        if (HasFatalFailure())
            return;
        D3DMATERIAL8 white{};
        white.Diffuse = {1, 1, 1, 1};
        white.Ambient = {1, 1, 1, 1};
        device->SetMaterial(&white);
        device->SetRenderState(D3DRS_LIGHTING, TRUE);
    }

    void Light(DWORD index, const D3DLIGHT8& light)
    {
        ASSERT_EQ(device->SetLight(index, &light), D3D_OK);
        ASSERT_EQ(device->LightEnable(index, TRUE), D3D_OK);
    }

    void DrawQuad(float z, DWORD color = 0xFFFFFFFF, DWORD fvf = kLitFvf)
    {
        LitVertex quad[4];
        FacingQuad(quad, z, color);
        device->SetVertexShader(fvf);
        ASSERT_EQ(device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LitVertex)), D3D_OK);
    }
};

D3DLIGHT8 Directional(float x, float y, float z, D3DCOLORVALUE diffuse)
{
    D3DLIGHT8 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = diffuse;
    light.Direction = {x, y, z};
    return light;
}

TEST_F(DrawShadingTest, DirectionalLightFollowsTheCosineOfItsAngle)
{
    // Without a vertex colour the diffuse material source falls back to the material.
    struct Vertex {
        float x, y, z, nx, ny, nz;
    } quad[4] = {{-1, 1, 0.5f, 0, 0, -1}, {1, 1, 0.5f, 0, 0, -1}, {-1, -1, 0.5f, 0, 0, -1}, {1, -1, 0.5f, 0, 0, -1}};
    device->SetVertexShader(D3DFVF_XYZ | D3DFVF_NORMAL);
    Light(0, Directional(0, 0, 1, {0.8f, 0.4f, 1.0f, 1}));
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex)); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0xCC66FFu, 2);
    // At 60 degrees, half.
    Light(0, Directional(std::sin(1.0471976f), 0, std::cos(1.0471976f), {0.8f, 0.4f, 1.0f, 1}));
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex)); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0x663380u, 2);
    // From behind, nothing.
    Light(0, Directional(0, 0, -1, {1, 1, 1, 1}));
    Frame([&] { device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(Vertex)); });
    EXPECT_EQ(At(32, 32), 0u);
}

TEST_F(DrawShadingTest, PointLightIsAttenuatedByDistanceWithinItsRange)
{
    D3DLIGHT8 light{};
    light.Type = D3DLIGHT_POINT;
    light.Diffuse = {1, 1, 1, 1};
    light.Position = {0, 0, -1};
    light.Range = 10.0f;
    light.Attenuation1 = 1.0f;
    Light(0, light);
    // Lit per vertex: each corner (1, 1, 0.5) is d = 2.06 from the light, so 1/d x cos = 1.5 / d^2.
    Frame([&] { DrawQuad(0.5f); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0x5A5A5Au, 2);
    light.Range = 1.0f;
    Light(0, light);
    Frame([&] { DrawQuad(0.5f); });
    EXPECT_EQ(At(32, 32), 0u);
}

TEST_F(DrawShadingTest, SpotLightLightsInsideItsConeOnly)
{
    // A spot 2 in front of the quad, pointing at it; the corners are 45 degrees off its axis.
    D3DLIGHT8 light{};
    light.Type = D3DLIGHT_SPOT;
    light.Diffuse = {1, 1, 1, 1};
    light.Position = {0, 0, -1.5f};
    light.Direction = {0, 0, 1};
    light.Range = 100.0f;
    light.Attenuation0 = 1.0f;
    light.Falloff = 1.0f;
    light.Theta = 2.0f;  // inner cone 57 degrees each side: the corners are fully lit
    light.Phi = 2.5f;
    Light(0, light);
    Frame([&] { DrawQuad(0.5f); });
    // cos between the normal and the direction to the light at a corner: 2 / sqrt(6).
    EXPECT_RGB_NEAR(*this, 32, 32, 0xD1D1D1u, 2);
    light.Theta = 0.5f;  // outer cone 34 degrees: the corners are outside
    light.Phi = 1.2f;
    Light(0, light);
    Frame([&] { DrawQuad(0.5f); });
    EXPECT_EQ(At(32, 32), 0u);
}

TEST_F(DrawShadingTest, AmbientAddsTheGlobalAndEachLightsAmbient)
{
    device->SetRenderState(D3DRS_AMBIENT, 0xFF404040);
    Frame([&] { DrawQuad(0.5f); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0x404040u, 1);
    D3DLIGHT8 light = Directional(0, 0, -1, {0, 0, 0, 0});
    light.Ambient = {0.25f, 0.0f, 0.5f, 0};
    Light(0, light);
    D3DMATERIAL8 material{};
    material.Ambient = {1, 1, 0.5f, 1};
    device->SetMaterial(&material);
    Frame([&] { DrawQuad(0.5f); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0x804060u, 2);
}

TEST_F(DrawShadingTest, VertexColourIsTheDiffuseMaterialByDefault)
{
    Light(0, Directional(0, 0, 1, {1, 1, 1, 1}));
    Frame([&] { DrawQuad(0.5f, 0xFF00FF00); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0x00FF00u, 1);
    device->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_MATERIAL);
    Frame([&] { DrawQuad(0.5f, 0xFF00FF00); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0xFFFFFFu, 1);
    device->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_COLOR1);
    device->SetRenderState(D3DRS_COLORVERTEX, FALSE);
    Frame([&] { DrawQuad(0.5f, 0xFF00FF00); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0xFFFFFFu, 1);
}

TEST_F(DrawShadingTest, SpecularNeedsItsEnableAndIsAddedAfterTheStages)
{
    D3DLIGHT8 light = Directional(0, 0, 1, {0, 0, 0, 0});
    light.Specular = {1, 1, 1, 1};
    Light(0, light);
    D3DMATERIAL8 material{};
    material.Diffuse = {0, 0, 0, 1};
    material.Specular = {0, 0, 1, 1};
    material.Power = 4.0f;
    device->SetMaterial(&material);
    device->SetRenderState(D3DRS_SPECULARMATERIALSOURCE, D3DMCS_MATERIAL);
    Frame([&] { DrawQuad(0.5f, 0xFF000000); });
    EXPECT_EQ(At(32, 32), 0u);
    device->SetRenderState(D3DRS_SPECULARENABLE, TRUE);
    device->SetRenderState(D3DRS_DIFFUSEMATERIALSOURCE, D3DMCS_MATERIAL);
    // With a local viewer the corners see the light off their mirror direction: (N.H)^4 = 0.444.
    Frame([&] { DrawQuad(0.5f, 0xFF000000); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0x000071u, 2);
    // A distant viewer looks straight along z: the halfway vector is the normal, full specular.
    device->SetRenderState(D3DRS_LOCALVIEWER, FALSE);
    Frame([&] { DrawQuad(0.5f, 0xFF000000); });
    EXPECT_RGB_NEAR(*this, 32, 32, 0x0000FFu, 2);
}

TEST_F(DrawShadingTest, WithoutLightingTheVertexColourPasses)
{
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    Frame([&] { DrawQuad(0.5f, 0xFF123456); });
    EXPECT_EQ(At(32, 32), 0x123456u);
}

TEST_F(DrawShadingTest, ProjectiveWorldMatrixLightsThePointItStandsFor)
{
    // w = 2 halves the position after the divide: the quad at z = 4 stands at z = 2, inside the
    // light's range of 3, though its undivided camera-space z lies outside.
    D3DMATRIX world{};
    world._11 = world._22 = world._33 = 1.0f;
    world._44 = 2.0f;
    device->SetTransform(D3DTS_WORLD, &world);
    const D3DMATRIX projection = Perspective(1.5707963f, 1.0f, 100.0f);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    D3DLIGHT8 light{};
    light.Type = D3DLIGHT_POINT;
    light.Diffuse = {1, 1, 1, 1};
    light.Range = 3.0f;
    light.Attenuation0 = 1.0f;
    Light(0, light);
    Frame([&] { DrawQuad(4.0f); });
    // Lit per vertex: each corner stands at (+-0.5, +-0.5, 2), cosine 2 / sqrt(4.5) = 0.943.
    EXPECT_RGB_NEAR(*this, 32, 32, 0xF0F0F0u, 2);
}

class DrawFogTest : public DrawShadingTest {
protected:
    void SetUp() override
    {
        DrawShadingTest::SetUp();
        device->SetRenderState(D3DRS_LIGHTING, FALSE);
        device->SetRenderState(D3DRS_FOGENABLE, TRUE);
        device->SetRenderState(D3DRS_FOGCOLOR, 0xFFFFFFFF);
        device->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_LINEAR);
    }
    void FogRange(float start, float end)
    {
        device->SetRenderState(D3DRS_FOGSTART, Bits(start));
        device->SetRenderState(D3DRS_FOGEND, Bits(end));
    }
};

TEST_F(DrawFogTest, LinearTableFogUsesEyeDepthWithAPerspective)
{
    const D3DMATRIX projection = Perspective(1.5707963f, 1.0f, 100.0f);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    FogRange(2.0f, 4.0f);
    const struct {
        float z;
        int grey;
    } cases[] = {{2.0f, 0}, {3.0f, 128}, {4.0f, 255}, {6.0f, 255}};
    for (const auto& c : cases) {
        Frame([&] { DrawQuad(c.z, 0xFF000000); });
        EXPECT_NEAR(Red(32, 32), c.grey, 2) << "depth " << c.z;
        EXPECT_NEAR(Blue(32, 32), c.grey, 2) << "depth " << c.z;
    }
}

TEST_F(DrawFogTest, TableFogUsesTheZeroToOneDepthWithoutPerspective)
{
    FogRange(0.0f, 1.0f);
    Frame([&] { DrawQuad(0.25f, 0xFF000000); });
    EXPECT_NEAR(Green(32, 32), 64, 2);
}

TEST_F(DrawFogTest, ExponentialFogFallsOffWithDensity)
{
    const D3DMATRIX projection = Perspective(1.5707963f, 1.0f, 100.0f);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    device->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_EXP);
    device->SetRenderState(D3DRS_FOGDENSITY, Bits(0.5f));
    Frame([&] { DrawQuad(2.0f, 0xFF000000); });
    // f = e^-(2 x 0.5) = 0.368 of the object's colour; the rest is fog.
    EXPECT_NEAR(Red(32, 32), 161, 2);
}

// A right-handed camera: the view mirrors z, so visible points have a negative camera-space z, and
// the projection takes w from -z.
void LookDownNegativeZ(IDirect3DDevice8* device)
{
    D3DMATRIX view{};
    view._11 = view._22 = view._44 = 1.0f;
    view._33 = -1.0f;
    D3DMATRIX projection = Perspective(1.5707963f, 1.0f, 100.0f);
    projection._33 = -projection._33;
    projection._34 = -1.0f;
    device->SetTransform(D3DTS_VIEW, &view);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
}

TEST_F(DrawFogTest, FogUsesTheDistanceWhenTheViewLooksDownNegativeZ)
{
    LookDownNegativeZ(device);
    FogRange(2.0f, 4.0f);
    for (DWORD table : {DWORD(D3DFOG_NONE), DWORD(D3DFOG_LINEAR)}) {
        device->SetRenderState(D3DRS_FOGTABLEMODE, table);
        device->SetRenderState(D3DRS_FOGVERTEXMODE, D3DFOG_LINEAR);
        Frame([&] { DrawQuad(3.0f, 0xFF000000); });
        EXPECT_NEAR(Red(32, 32), 128, 2) << "table mode " << table;
    }
}

TEST_F(DrawFogTest, EqualStartAndEndFogEverythingBeyondTheStart)
{
    const D3DMATRIX projection = Perspective(1.5707963f, 1.0f, 1000.0f);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    FogRange(100.0f, 100.0f);
    for (DWORD table : {DWORD(D3DFOG_NONE), DWORD(D3DFOG_LINEAR)}) {
        device->SetRenderState(D3DRS_FOGTABLEMODE, table);
        device->SetRenderState(D3DRS_FOGVERTEXMODE, D3DFOG_LINEAR);
        const struct {
            float z;
            int grey;
        } cases[] = {{50.0f, 0}, {100.0f, 0}, {150.0f, 255}};
        for (const auto& c : cases) {
            Frame([&] {
                LitVertex quad[4];
                FacingQuad(quad, c.z, 0xFF000000, c.z);
                device->SetVertexShader(kLitFvf);
                device->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(LitVertex));
            });
            EXPECT_EQ(Red(32, 32), c.grey) << "table mode " << table << ", depth " << c.z;
            EXPECT_EQ(Red(2, 2), c.grey) << "table mode " << table << ", depth " << c.z;
        }
    }
}

TEST_F(DrawFogTest, VertexFogWithoutTableModeIsLinearPerVertex)
{
    device->SetRenderState(D3DRS_FOGTABLEMODE, D3DFOG_NONE);
    device->SetRenderState(D3DRS_FOGVERTEXMODE, D3DFOG_LINEAR);
    const D3DMATRIX projection = Perspective(1.5707963f, 1.0f, 100.0f);
    device->SetTransform(D3DTS_PROJECTION, &projection);
    FogRange(2.0f, 4.0f);
    Frame([&] { DrawQuad(3.0f, 0xFF000000); });
    EXPECT_NEAR(Red(32, 32), 128, 2);
}

}  // namespace
}  // namespace d3d8_test
