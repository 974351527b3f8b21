// Effects seen whole: a particle file keeps every parameter to four decimals through Save and Load,
// a text draws characters it has no description for with the default corner, and a lens flare draws
// nothing for a light behind the viewer or behind a triangle facing the camera, while a triangle
// facing away never hides it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../objects/object_test_support.h"
#include "d3d8_hooks.h"
#include "effects/BmpFonts.h"
#include "effects/LensFlare.h"
#include "effects/ParticleEmitter.h"

namespace {

// Half a unit of the fourth decimal, and a little for the float the text is read back into.
constexpr float kFourDecimals = 5.1e-5f;

void ExpectNearVector(const D3DXVECTOR3& actual, const D3DXVECTOR3& expected, const char* what)
{
    EXPECT_NEAR(actual.x, expected.x, kFourDecimals) << what;
    EXPECT_NEAR(actual.y, expected.y, kFourDecimals) << what;
    EXPECT_NEAR(actual.z, expected.z, kFourDecimals) << what;
}

void ExpectNearColour(const D3DXCOLOR& actual, const D3DXCOLOR& expected, const char* what)
{
    EXPECT_NEAR(actual.r, expected.r, kFourDecimals) << what;
    EXPECT_NEAR(actual.g, expected.g, kFourDecimals) << what;
    EXPECT_NEAR(actual.b, expected.b, kFourDecimals) << what;
    EXPECT_NEAR(actual.a, expected.a, kFourDecimals) << what;
}

void ExpectNearRange(const CMinMax<float>& actual, const CMinMax<float>& expected, const char* what)
{
    EXPECT_NEAR(actual.m_Min, expected.m_Min, kFourDecimals) << what;
    EXPECT_NEAR(actual.m_Max, expected.m_Max, kFourDecimals) << what;
}

// Values with more than four decimals, different in every field, so that a field written to or read
// from another one's place shows.
TEST(ParticleFileRoundTrip, SaveThenLoadReproducesEveryParameterToFourDecimals)
{
    CParticleEmitter original;
    original.SetPos({1.0f / 3, -2.123456f, 1000.98765f});
    original.SetGravity({0.000049f, -9.80665f, 0.123449f});
    original.SetSpawnDir1({-1.11111f, 2.22222f, -3.33333f});
    original.SetSpawnDir2({4.44444f, -5.55557f, 6.66666f});
    original.SetStartColor1({0.11111f, 0.22222f, 0.33333f, 0.44444f});
    original.SetStartColor2({0.55553f, 0.66666f, 0.77777f, 0.88888f});
    original.SetEndColor1({0.12121f, 0.23232f, 0.34343f, 0.45454f});
    original.SetEndColor2({0.56566f, 0.67676f, 0.78787f, 0.89898f});
    original.SetEmitRate({12.34567f, 89.01234f});
    original.SetEmitRadius({0.98765f, 0.87654f, 0.76543f});
    original.SetLifetime({1.23456f, 7.65432f});
    original.SetSize({0.01234f, 56.78901f});
    original.SetSrcBlendMode(D3DBLEND_DESTALPHA);
    original.SetDestBlendMode(D3DBLEND_INVSRCCOLOR);
    original.SetMaxParticles(1999);
    original.SetTexture("Data\\sparks 2.png");

    char pattern[] = "/tmp/particle_round_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string file = std::string(pattern) + "/round.psf";
    ASSERT_TRUE(original.Save(file.c_str()));
    CParticleEmitter loaded;
    const bool ok = loaded.Load(file.c_str());
    std::filesystem::remove_all(pattern);
    ASSERT_TRUE(ok) << loaded.GetLastError().str();

    ExpectNearVector(loaded.GetPos(), original.GetPos(), "Position");
    ExpectNearVector(loaded.GetGravity(), original.GetGravity(), "Gravity");
    ExpectNearVector(loaded.GetSpawnDir1(), original.GetSpawnDir1(), "SpawnDir1");
    ExpectNearVector(loaded.GetSpawnDir2(), original.GetSpawnDir2(), "SpawnDir2");
    ExpectNearColour(loaded.GetStartColor1(), original.GetStartColor1(), "StartColor1");
    ExpectNearColour(loaded.GetStartColor2(), original.GetStartColor2(), "StartColor2");
    ExpectNearColour(loaded.GetEndColor1(), original.GetEndColor1(), "EndColor1");
    ExpectNearColour(loaded.GetEndColor2(), original.GetEndColor2(), "EndColor2");
    ExpectNearRange(loaded.GetEmitRate(), original.GetEmitRate(), "EmitRate");
    ExpectNearVector(loaded.GetEmitRadius(), original.GetEmitRadius(), "EmitRadius");
    ExpectNearRange(loaded.GetLifetime(), original.GetLifetime(), "Lifetime");
    ExpectNearRange(loaded.GetSize(), original.GetSize(), "Size");
    EXPECT_EQ(loaded.GetSrcBlendMode(), D3DBLEND_DESTALPHA);
    EXPECT_EQ(loaded.GetDestBlendMode(), D3DBLEND_INVSRCCOLOR);
    EXPECT_EQ(loaded.GetMaxParticles(), 1999);
    EXPECT_EQ(loaded.GetTextureFilename().str(), "Data\\sparks 2.png");
    // Rounded, not cut: 1/3 is written as 0.3333 and 0.000049 as 0.0000.
    EXPECT_FLOAT_EQ(loaded.GetPos().x, 0.3333f);
    EXPECT_EQ(loaded.GetGravity().x, 0.0f);
}

// 'A' has a description; 'Z' has none.
class COneGlyphFont : public CBmpFonts {
public:
    COneGlyphFont() { m_Glyphs['A'] = {0.0f, 0.0f, 0.125f, 0.125f}; }
};

TEST(BmpFontsGlyphs, ACharacterWithoutDescriptionShowsTheDefaultCorner)
{
    std::vector<S3DVERTEX> afterA, afterZ;
    RunScreen({}, [&] {
        COneGlyphFont font;
        font.Init();
        CScreen::Instance().BeginScene();
        font.SetText("A");
        font.Render();
        afterA = ReadVertices(font);
        font.SetText("AZ");
        font.Render();
        afterZ = ReadVertices(font);
        CScreen::Instance().EndScene();
        font.CleanUp();
    });
    ASSERT_EQ(afterA.size(), 4u);
    ASSERT_EQ(afterZ.size(), 4u);
    EXPECT_FLOAT_EQ(afterA[3].tu, 0.125f);
    // The last quad drawn is Z's: the corner's rectangle, half its width wide and its height high.
    const SGlyphRect corner = DEFAULT_GLYPH;
    const float uv[4][2] = {{corner.u0, corner.v0}, {corner.u1, corner.v0}, {corner.u0, corner.v1}, {corner.u1, corner.v1}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(afterZ[k].tu, uv[k][0]) << k;
        EXPECT_FLOAT_EQ(afterZ[k].tv, uv[k][1]) << k;
    }
    EXPECT_NEAR(afterZ[1].x - afterZ[0].x, (corner.u1 - corner.u0) * 0.5f, 1e-6f);
    EXPECT_NEAR(afterZ[0].y - afterZ[2].y, corner.v1 - corner.v0, 1e-6f);
}

class CProjectingFlare : public CLensFlare {
public:
    using CLensFlare::CalcLightSourceScreenCoords;
};

// One triangle across the view's centre line at depth 5, wound towards a camera at the origin looking
// along +z, or away from it.
CTestMesh* Shield(bool facingCamera)
{
    const S3DVERTEX a = Vertex(-2, -2, 5), b = Vertex(-2, 4, 5), c = Vertex(4, -2, 5);
    return facingCamera ? new CTestMesh({a, b, c}, {0, 1, 2}) : new CTestMesh({a, c, b}, {0, 1, 2});
}

struct SFlareDraws {
    int inFront = -1, behindViewer = -1, behindBackFace = -1, behindFrontFace = -1;
    int behindX = -1, behindY = -1, behindW = 0;
};

// Draw calls of one Render of a three-spot flare.
int DrawsOfRender(CLensFlare& flare)
{
    const int start = platform::DrawCallCount(Device());
    flare.Render();
    return platform::DrawCallCount(Device()) - start;
}

TEST(LensFlareRender, NothingForALightBehindTheViewerOrBehindATriangleFacingTheCamera)
{
    SFlareDraws draws;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        CProjectingFlare flare;
        flare.Init();
        for (float linePos : {1.0f, 0.0f, -1.0f})
            flare.AddSpot(0, 0.05f, linePos, D3DXCOLOR(1, 1, 1, 1));
        screen.BeginScene();
        flare.SetLightPosition(0.5f, 0.2f, 20);
        draws.inFront = DrawsOfRender(flare);
        // Behind the viewer, the light's projection still falls on the screen.
        flare.SetLightPosition(0.5f, 0.2f, -20);
        flare.CalcLightSourceScreenCoords({0.5f, 0.2f, -20}, 640, 480, draws.behindX, draws.behindY, draws.behindW);
        draws.behindViewer = DrawsOfRender(flare);

        flare.SetLightPosition(0.5f, 0.2f, 20);
        std::unique_ptr<CTestMesh> away(Shield(false)), towards(Shield(true));
        away->Init();
        towards->Init();
        flare.SetObjectToObscur(*away);
        draws.behindBackFace = DrawsOfRender(flare);
        flare.SetObjectToObscur(*towards);
        draws.behindFrontFace = DrawsOfRender(flare);
        screen.EndScene();
        towards->CleanUp();
        away->CleanUp();
        flare.CleanUp();
    });
    EXPECT_EQ(draws.inFront, 3);
    EXPECT_LT(draws.behindW, 0);
    EXPECT_GE(draws.behindX, 0);
    EXPECT_LE(draws.behindX, 640);
    EXPECT_GE(draws.behindY, 0);
    EXPECT_LE(draws.behindY, 480);
    EXPECT_EQ(draws.behindViewer, 0);
    EXPECT_EQ(draws.behindBackFace, 3);
    EXPECT_EQ(draws.behindFrontFace, 0);
}

}  // namespace
