// Particle-system files whose numbers lie far outside what any effect uses: the reader takes them as
// written, and the emitter must still emit a sensible count from them rather than overflow.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "effects/ParticleEmitter.h"

namespace {

class CTestEmitter : public CParticleEmitter {
public:
    float Remainder() const { return m_EmitRemainder; }
};

std::string FileWithRate(const std::string& rate)
{
    return "[ParticleSystem 1.00]\n"
           "Position=(0, 0, 0)\nGravity=(0, 0, 0)\nSpawnDir1=(0, 0, 0)\nSpawnDir2=(0, 0, 0)\n"
           "StartColor1=(1, 1, 1, 1)\nStartColor2=(1, 1, 1, 1)\nEndColor1=(0, 0, 0, 0)\nEndColor2=(0, 0, 0, 0)\n"
           "EmitRate=" + rate + "\nEmitRadius=(0, 0, 0)\nLifetime=(10, 10)\nSize=(1, 1)\n"
           "SrcBlend=D3DBLEND_ONE\nDestBlend=D3DBLEND_ONE\nMaxParticles=500\nTexture=spark.png\n";
}

// Loads the file text into emitter through a file of this process's own.
void LoadText(CParticleEmitter& emitter, const std::string& text)
{
    const std::string name = ::testing::TempDir() + "particle_extremes_" + std::to_string(getpid()) + ".psf";
    FILE* file = std::fopen(name.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
    const bool loaded = emitter.Load(name.c_str());
    std::remove(name.c_str());
    ASSERT_TRUE(loaded) << emitter.GetLastError().str();
}

TEST(ParticleFileExtremes, RatesPastTheIntRangeFillThePoolUpToTheLimit)
{
    for (const char* rate : {"(1e30, 1e30)", "(3e9, 3e9)", "(1e39, 1e39)"}) {
        CTestEmitter emitter;
        LoadText(emitter, FileWithRate(rate));
        emitter.Update(0, 0.5f);
        EXPECT_EQ(emitter.GetNumActiveParticles(), 500) << rate;
        emitter.Update(0, 0.5f);
        EXPECT_EQ(emitter.GetNumActiveParticles(), 500) << rate;
        EXPECT_TRUE(std::isfinite(emitter.Remainder())) << rate;
    }
}

TEST(ParticleFileExtremes, RatesThatAreNoNumberEmitNothingAndLeaveTheCarryANumber)
{
    for (const char* rate : {"(nan, nan)", "(-1e30, -1e30)", "(-inf, -inf)"}) {
        CTestEmitter emitter;
        LoadText(emitter, FileWithRate(rate));
        for (int frame = 0; frame < 3; ++frame)
            emitter.Update(0, 0.5f);
        EXPECT_EQ(emitter.GetNumActiveParticles(), 0) << rate;
        EXPECT_TRUE(std::isfinite(emitter.Remainder())) << rate;
    }
}

}  // namespace
