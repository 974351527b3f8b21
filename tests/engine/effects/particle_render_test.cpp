// The emitter on the screen's device: its registration and device objects, the states it leaves
// behind, and a picture of bright additive sprites.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../objects/object_test_support.h"
#include "../objects/png_writer.h"
#include "effects/ParticleEmitter.h"

namespace {

class ParticleRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/particle_render_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        m_texture = m_dir + "/white.png";
        ASSERT_TRUE(png_writer::WriteRgba(m_texture, 2, 2, std::vector<uint8_t>(16, 0xFF)));
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    // A still cloud at (0, 0, 5): every particle at the centre, white, ten seconds long.
    void Configure(CParticleEmitter& emitter)
    {
        emitter.SetTexture(m_texture.c_str());
        emitter.SetPos({0, 0, 5});
        emitter.SetEmitRadius({0, 0, 0});
        emitter.SetSpawnDir1({0, 0, 0});
        emitter.SetSpawnDir2({0, 0, 0});
        emitter.SetLifetime({10, 10});
        emitter.SetSize({1, 1});
        emitter.SetEmitRate({0, 0});
    }

    std::string m_dir;
    std::string m_texture;
};

TEST_F(ParticleRender, BrightAdditiveSpritesLightTheScreenAroundTheirPosition)
{
    DWORD centre = 0, corner = 0;
    int alive = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetBackgroundColor(0xFF000000);
        screen.SetCamera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        CParticleEmitter emitter;
        Configure(emitter);
        emitter.Init();
        emitter.Reset();
        emitter.SetEmitRate({20, 20});
        emitter.Update(0, 1.0f);
        emitter.SetEmitRate({0, 0});
        alive = emitter.GetNumActiveParticles();
        screen.BeginScene();
        emitter.Render();
        screen.EndScene();
        centre = FrontPixel(320, 240);
        corner = FrontPixel(5, 5);
        emitter.CleanUp();
    });
    EXPECT_EQ(alive, 20);
    EXPECT_GE((centre >> 16) & 0xFF, 0xF0u) << std::hex << centre;
    EXPECT_GE((centre >> 8) & 0xFF, 0xF0u) << std::hex << centre;
    EXPECT_GE(centre & 0xFF, 0xF0u) << std::hex << centre;
    EXPECT_EQ(corner & 0xFFFFFF, 0u) << std::hex << corner;
}

TEST_F(ParticleRender, DrawsInBatchesAndRestoresTheStatesItChanged)
{
    DWORD sprites = 1, scale = 1, zwrite = 0, lighting = 0, src = 0, dest = 1, centre = 0;
    bool hadTexture = false;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetBackgroundColor(0xFF000000);
        screen.SetCamera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        CParticleEmitter emitter;
        Configure(emitter);
        emitter.SetVBSize(7);  // 30 particles: four full batches and a short one
        emitter.SetSrcBlendMode(D3DBLEND_SRCALPHA);
        emitter.Init();
        hadTexture = emitter.GetTexture() != nullptr;
        emitter.SetStartColor1({0, 1, 0, 1});
        emitter.SetStartColor2({0, 1, 0, 1});
        emitter.SetEndColor1({0, 1, 0, 1});
        emitter.SetEndColor2({0, 1, 0, 1});
        emitter.SetEmitRate({30, 30});
        emitter.Update(0, 1.0f);
        emitter.SetEmitRate({0, 0});
        screen.BeginScene();
        emitter.Render();
        sprites = RenderState(D3DRS_POINTSPRITEENABLE);
        scale = RenderState(D3DRS_POINTSCALEENABLE);
        zwrite = RenderState(D3DRS_ZWRITEENABLE);
        lighting = RenderState(D3DRS_LIGHTING);
        src = RenderState(D3DRS_SRCBLEND);
        dest = RenderState(D3DRS_DESTBLEND);
        screen.EndScene();
        centre = FrontPixel(320, 240);
        emitter.CleanUp();
    });
    EXPECT_TRUE(hadTexture);
    EXPECT_EQ(sprites, 0u);
    EXPECT_EQ(scale, 0u);
    EXPECT_EQ(zwrite, 1u);
    EXPECT_EQ(lighting, 1u);
    EXPECT_EQ(src, static_cast<DWORD>(D3DBLEND_ONE));
    EXPECT_EQ(dest, static_cast<DWORD>(D3DBLEND_ZERO));
    EXPECT_GE((centre >> 8) & 0xFF, 0xF0u) << std::hex << centre;
    EXPECT_LE((centre >> 16) & 0xFF, 0x10u) << std::hex << centre;
}

TEST_F(ParticleRender, WithoutItsTextureItStillAgesParticlesButDrawsNothing)
{
    DWORD centre = 1;
    int afterUpdate = 0, afterRender = -1;
    bool texture = true;
    float firstStep = -1;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.EnableFog(false);
        screen.SetBackgroundColor(0xFF000000);
        screen.SetCamera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        CParticleEmitter emitter;
        Configure(emitter);
        emitter.SetTexture((m_dir + "/missing.png").c_str());
        emitter.SetLifetime({0.5f, 0.5f});
        emitter.Init();
        texture = emitter.GetTexture() != nullptr;
        emitter.SetEmitRate({10, 10});
        emitter.Update(0, 1.0f);
        emitter.SetEmitRate({0, 0});
        afterUpdate = emitter.GetNumActiveParticles();
        emitter.Update(0, 0.25f);
        screen.BeginScene();
        emitter.Render();
        screen.EndScene();
        // Without Reset the first step is measured from Init, not from an unset time.
        firstStep = emitter.GetLastDelta();
        emitter.Update(0, 0.25f);
        afterRender = emitter.GetNumActiveParticles();
        centre = FrontPixel(320, 240);
        emitter.CleanUp();
    });
    EXPECT_FALSE(texture);
    EXPECT_EQ(afterUpdate, 10);
    EXPECT_EQ(afterRender, 0);
    EXPECT_GE(firstStep, 0.0f);
    EXPECT_LT(firstStep, 0.25f);
    EXPECT_EQ(centre & 0xFFFFFF, 0u) << std::hex << centre;
}

}  // namespace
