// Vertex layouts of the FVF codes, the program key's reading of the state, and the matrix helpers.
#include <gtest/gtest.h>

#include "device_state.h"
#include "gl_program_key.h"
#include "gl_uniforms.h"
#include "gl_vertex_layout.h"

namespace d3d8_test {
namespace {

using namespace d3d8;

TEST(VertexLayout, EngineFormatsHaveDirect3DOffsets)
{
    VertexLayout l;
    ASSERT_TRUE(LayoutOfFvf(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1, &l));
    EXPECT_EQ(l.stride, 36u);
    EXPECT_EQ(l.normalOffset, 12u);
    EXPECT_EQ(l.diffuseOffset, 24u);
    EXPECT_EQ(l.texCoordOffset[0], 28u);
    ASSERT_TRUE(LayoutOfFvf(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1, &l));
    EXPECT_TRUE(l.transformed);
    EXPECT_EQ(l.stride, 28u);
    EXPECT_EQ(l.diffuseOffset, 16u);
    ASSERT_TRUE(LayoutOfFvf(D3DFVF_XYZ | D3DFVF_PSIZE | D3DFVF_DIFFUSE, &l));
    EXPECT_EQ(l.pointSizeOffset, 12u);
    EXPECT_EQ(l.diffuseOffset, 16u);
    EXPECT_EQ(l.stride, 20u);
    // Blend weights, specular and sized coordinate sets move what follows.
    ASSERT_TRUE(LayoutOfFvf(D3DFVF_XYZB2 | D3DFVF_SPECULAR | D3DFVF_TEX2 | D3DFVF_TEXCOORDSIZE3(0), &l));
    EXPECT_EQ(l.specularOffset, 20u);
    EXPECT_EQ(l.texCoordSize[0], 3);
    EXPECT_EQ(l.texCoordOffset[1], 36u);
    EXPECT_EQ(l.stride, 44u);
    EXPECT_FALSE(LayoutOfFvf(D3DFVF_NORMAL, &l));
}

class ProgramKeyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        D3DPRESENT_PARAMETERS params{};
        params.BackBufferWidth = 64;
        params.BackBufferHeight = 64;
        SetDefaultState(state, params, 0);
        LayoutOfFvf(D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_DIFFUSE | D3DFVF_TEX1, &layout);
    }
    ProgramKey Key() { return BuildProgramKey(state, layout, shape); }

    DeviceState state;
    VertexLayout layout;
    DrawShape shape;
};

TEST_F(ProgramKeyTest, UniformOnlyStatesLeaveTheKeyAlone)
{
    const ProgramKey before = Key();
    state.renderStates[D3DRS_FOGSTART] = 0x40000000;
    state.renderStates[D3DRS_ALPHAREF] = 8;
    state.renderStates[D3DRS_TEXTUREFACTOR] = 0x12345678;
    state.transforms[D3DTS_WORLD]._41 = 3.0f;
    state.material.Diffuse.r = 0.25f;
    EXPECT_TRUE(Key() == before);
    EXPECT_EQ(ProgramKeyHash{}(Key()), ProgramKeyHash{}(before));
    state.renderStates[D3DRS_SHADEMODE] = D3DSHADE_FLAT;
    EXPECT_FALSE(Key() == before);
}

TEST_F(ProgramKeyTest, LightsListTheirTypesInIndexOrder)
{
    state.lights[5] = {DefaultLight(), true};
    state.lights[2].light.Type = D3DLIGHT_POINT;
    state.lights[2].enabled = true;
    state.lights[3] = {DefaultLight(), false};
    const ProgramKey key = Key();
    EXPECT_EQ(key.lighting, 1);
    ASSERT_EQ(key.lightCount, 2);
    EXPECT_EQ(key.lightTypes[0], D3DLIGHT_POINT);
    EXPECT_EQ(key.lightTypes[1], D3DLIGHT_DIRECTIONAL);
    // Pre-transformed vertices are never lit.
    LayoutOfFvf(D3DFVF_XYZRHW | D3DFVF_DIFFUSE, &layout);
    EXPECT_EQ(Key().lighting, 0);
}

TEST_F(ProgramKeyTest, ColourSourcesFallBackToTheMaterial)
{
    EXPECT_EQ(Key().diffuseSource, D3DMCS_COLOR1);
    // The default specular source is the vertex's second colour, which this format lacks.
    EXPECT_EQ(Key().specularSource, D3DMCS_MATERIAL);
    state.renderStates[D3DRS_COLORVERTEX] = FALSE;
    EXPECT_EQ(Key().diffuseSource, D3DMCS_MATERIAL);
}

TEST_F(ProgramKeyTest, StagesStopAtTheFirstDisabledOne)
{
    // Stage 0 modulates the texture: without one it is off, and so is everything after it.
    state.stageStates[1][D3DTSS_COLOROP] = D3DTOP_ADD;
    EXPECT_EQ(Key().stages[0].colorOp, 0);
    EXPECT_EQ(Key().stages[1].colorOp, 0);
    shape.stageHasTexture[0] = true;
    ProgramKey key = Key();
    EXPECT_EQ(key.stages[0].colorOp, D3DTOP_MODULATE);
    EXPECT_EQ(key.stages[0].texCoordSet, 0);
    EXPECT_EQ(key.stages[1].colorOp, 0);  // its arg1 is the texture, and it has none
    state.stageStates[1][D3DTSS_COLORARG1] = D3DTA_TFACTOR;
    state.stageStates[0][D3DTSS_TEXCOORDINDEX] = 1;  // a set the vertex does not have
    key = Key();
    EXPECT_EQ(key.stages[1].colorOp, D3DTOP_ADD);
    EXPECT_EQ(key.stages[0].texCoordSet, 0xFF);
}

TEST_F(ProgramKeyTest, FogModeAndDepthSource)
{
    state.renderStates[D3DRS_FOGENABLE] = TRUE;
    EXPECT_EQ(Key().fogSource, FogSource::None);
    state.renderStates[D3DRS_FOGVERTEXMODE] = D3DFOG_EXP;
    EXPECT_EQ(Key().fogSource, FogSource::Vertex);
    state.renderStates[D3DRS_FOGTABLEMODE] = D3DFOG_LINEAR;
    EXPECT_EQ(Key().fogSource, FogSource::Table);
    EXPECT_EQ(Key().fogEyeDepth, 0);  // the identity projection is not W-friendly
    state.transforms[D3DTS_PROJECTION]._34 = 1.0f;
    state.transforms[D3DTS_PROJECTION]._44 = 0.0f;
    EXPECT_EQ(Key().fogEyeDepth, 1);
}

TEST(NormalMatrix, InverseUndoesTheUpperPart)
{
    D3DMATRIX m{};
    m._11 = 0.0f, m._12 = 2.0f, m._13 = 0.0f;
    m._21 = -3.0f, m._22 = 0.0f, m._23 = 0.0f;
    m._31 = 0.0f, m._32 = 1.0f, m._33 = 4.0f;
    m._44 = 1.0f;
    float inverse[9];
    ASSERT_TRUE(InverseUpper3x3(m, inverse));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 3; ++k)
                sum += m.m[r][k] * inverse[k * 3 + c];
            EXPECT_NEAR(sum, r == c ? 1.0f : 0.0f, 1e-6f);
        }
    D3DMATRIX singular{};
    EXPECT_FALSE(InverseUpper3x3(singular, inverse));
}

}  // namespace
}  // namespace d3d8_test
