// The emitter without a device: its emission counts, ageing and motion, the order of its
// random draws, the particle limit and the vertex colours.
#include <gtest/gtest.h>

#include <cstdlib>

#include "effects/ParticleEmitter.h"

namespace {

// Exposes the pool, to look at single particles.
class CTestEmitter : public CParticleEmitter {
public:
    CRecyclingArray& Pool() { return m_Particles; }
    float Remainder() const { return m_EmitRemainder; }
};

TEST(ParticleEmitter, EmitsTheRateTimesTheStepAndCarriesTheFraction)
{
    CTestEmitter emitter;
    emitter.SetLifetime({100, 100});
    emitter.SetEmitRate({40, 40});
    emitter.Update(0, 0.5f);
    EXPECT_EQ(emitter.GetNumActiveParticles(), 20);
    // 2.5 a second over 0.1 s: 0.25 a frame, and a particle only once the carry passes 1.
    CTestEmitter slow;
    slow.SetLifetime({100, 100});
    slow.SetEmitRate({2.5f, 2.5f});
    for (int frame = 1; frame <= 4; ++frame) {
        slow.Update(0, 0.1f);
        EXPECT_EQ(slow.GetNumActiveParticles(), 0) << frame;
    }
    EXPECT_EQ(slow.Remainder(), 1.0f);
    slow.Update(0, 0.1f);
    EXPECT_EQ(slow.GetNumActiveParticles(), 1);
    EXPECT_FLOAT_EQ(slow.Remainder(), 0.25f);
}

TEST(ParticleEmitter, DefaultLifetimeKillsEveryParticleAtItsFirstUpdate)
{
    CParticleEmitter emitter;
    emitter.SetEmitRate({10, 10});
    emitter.Update(0, 1.0f);
    EXPECT_EQ(emitter.GetNumActiveParticles(), 10);
    emitter.SetEmitRate({0, 0});
    emitter.Update(0, 0.0f);
    EXPECT_EQ(emitter.GetNumActiveParticles(), 0);
}

TEST(ParticleEmitter, AgesMovesRecoloursAndKillsParticles)
{
    CTestEmitter emitter;
    emitter.SetEmitRate({1, 1});
    emitter.SetLifetime({2, 2});
    emitter.SetSize({7, 7});
    emitter.SetPos({10, 20, 30});
    emitter.SetEmitRadius({0, 0, 0});
    emitter.SetSpawnDir1({1, 0, -2});
    emitter.SetSpawnDir2({1, 0, -2});
    emitter.SetGravity({0, -4, 0});
    emitter.SetStartColor1({1, 0, 0, 1});
    emitter.SetStartColor2({1, 0, 0, 1});
    emitter.SetEndColor1({0, 1, 0, 0});
    emitter.SetEndColor2({0, 1, 0, 0});
    emitter.Update(0, 1.0f);
    ASSERT_EQ(emitter.GetNumActiveParticles(), 1);
    const CParticleItem& p = emitter.Pool().GetAt(0);
    EXPECT_EQ(p.m_fSize, 7.0f);
    EXPECT_EQ(p.m_vPosition, D3DXVECTOR3(10, 20, 30));
    EXPECT_FLOAT_EQ(p.m_ColorStep.r, -0.5f);
    EXPECT_FLOAT_EQ(p.m_ColorStep.g, 0.5f);
    EXPECT_FLOAT_EQ(p.m_ColorStep.a, -0.5f);

    emitter.SetEmitRate({0, 0});
    emitter.Update(0, 0.5f);
    EXPECT_FLOAT_EQ(p.m_fAge, 0.5f);
    // The position moves with the velocity from before gravity acts on it.
    EXPECT_FLOAT_EQ(p.m_vPosition.x, 10.5f);
    EXPECT_FLOAT_EQ(p.m_vPosition.y, 20.0f);
    EXPECT_FLOAT_EQ(p.m_vPosition.z, 29.0f);
    EXPECT_FLOAT_EQ(p.m_vVelocity.y, -2.0f);
    EXPECT_FLOAT_EQ(p.m_Color.r, 0.75f);
    EXPECT_FLOAT_EQ(p.m_Color.g, 0.25f);
    emitter.Update(0, 0.5f);
    EXPECT_FLOAT_EQ(p.m_vPosition.y, 19.0f);
    emitter.Update(0, 0.99f);
    EXPECT_EQ(emitter.GetNumActiveParticles(), 1);
    // At its lifetime it dies.
    emitter.Update(0, 0.01f);
    EXPECT_EQ(emitter.GetNumActiveParticles(), 0);
}

TEST(ParticleEmitter, DrawsItsRandomNumbersInAFixedOrder)
{
    CTestEmitter emitter;
    emitter.SetEmitRate({1, 1.5f});
    emitter.SetLifetime({3, 4});
    emitter.SetSize({5, 6});
    emitter.SetSpawnDir1({0, 10, 20});
    emitter.SetSpawnDir2({1, 11, 21});
    emitter.SetPos({100, 200, 300});
    emitter.SetEmitRadius({1, 2, 3});
    emitter.SetStartColor1({0.0f, 0.1f, 0.2f, 0.3f});
    emitter.SetStartColor2({0.4f, 0.5f, 0.6f, 0.7f});
    emitter.SetEndColor1({0.1f, 0.2f, 0.3f, 0.4f});
    emitter.SetEndColor2({0.9f, 0.8f, 0.7f, 0.6f});
    std::srand(4321);
    emitter.Update(0, 1.0f);
    ASSERT_EQ(emitter.GetNumActiveParticles(), 1);
    const CParticleItem& p = emitter.Pool().GetAt(0);

    std::srand(4321);
    RandomInRange(1, 1.5f);
    const float lifetime = RandomInRange(3, 4);
    EXPECT_EQ(p.m_fLifetime, lifetime);
    EXPECT_EQ(p.m_fSize, RandomInRange(5, 6));
    EXPECT_EQ(p.m_vVelocity.x, RandomInRange(0, 1));
    EXPECT_EQ(p.m_vVelocity.y, RandomInRange(10, 11));
    EXPECT_EQ(p.m_vVelocity.z, RandomInRange(20, 21));
    EXPECT_EQ(p.m_vPosition.x, 100 + RandomInRange(-1, 1));
    EXPECT_EQ(p.m_vPosition.y, 200 + RandomInRange(-2, 2));
    EXPECT_EQ(p.m_vPosition.z, 300 + RandomInRange(-3, 3));
    // One statement a draw: the order of a call's arguments is not fixed.
    D3DXCOLOR start, end;
    start.r = RandomInRange(0.0f, 0.4f);
    start.g = RandomInRange(0.1f, 0.5f);
    start.b = RandomInRange(0.2f, 0.6f);
    start.a = RandomInRange(0.3f, 0.7f);
    end.r = RandomInRange(0.1f, 0.9f);
    end.g = RandomInRange(0.2f, 0.8f);
    end.b = RandomInRange(0.3f, 0.7f);
    end.a = RandomInRange(0.4f, 0.6f);
    EXPECT_EQ(p.m_Color.r, start.r);
    EXPECT_EQ(p.m_Color.g, start.g);
    EXPECT_EQ(p.m_Color.b, start.b);
    EXPECT_EQ(p.m_Color.a, start.a);
    EXPECT_FLOAT_EQ(p.m_ColorStep.r, (end.r - start.r) / lifetime);
    EXPECT_FLOAT_EQ(p.m_ColorStep.b, (end.b - start.b) / lifetime);
    EXPECT_FLOAT_EQ(p.m_ColorStep.a, (end.a - start.a) / lifetime);
}

TEST(ParticleEmitter, NeverHoldsMoreThanItsLimitOrThePool)
{
    CParticleEmitter limited;
    limited.SetLifetime({100, 100});
    limited.SetEmitRate({50, 50});
    limited.SetMaxParticles(30);
    limited.Update(0, 1.0f);
    EXPECT_EQ(limited.GetNumActiveParticles(), 30);

    CParticleEmitter big;
    big.SetLifetime({100, 100});
    big.SetEmitRate({2500, 2500});
    big.SetMaxParticles(3000);
    big.Update(0, 1.0f);
    EXPECT_EQ(big.GetNumActiveParticles(), 2000);
    big.Update(0, 1.0f);
    EXPECT_EQ(big.GetNumActiveParticles(), 2000);
}

TEST(ParticleEmitter, PacksColoursClampedAndRounded)
{
    EXPECT_EQ(CParticleEmitter::PackColor({1.2f, -0.1f, 0.5f, 1.0f}), 0xFFFF0080u);
    EXPECT_EQ(CParticleEmitter::PackColor({0.0f, 1.0f, 0.25f, 0.0f}), 0x0000FF40u);
}

}  // namespace
