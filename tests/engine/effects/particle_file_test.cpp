// The particle-system file: the text Save writes, Save then Load, and each file Load refuses.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "effects/ParticleEmitter.h"
#include "particle_file_sample.h"

namespace {

using particle_sample::kGoodBody;

class ParticleFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/particle_file_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string Name(const char* file) { return m_dir + "/" + file; }
    void Write(const char* file, const std::string& text) { std::ofstream(Name(file), std::ios::binary) << text; }
    std::string Read(const char* file)
    {
        std::stringstream text;
        text << std::ifstream(Name(file)).rdbuf();
        return text.str();
    }
    // Loads text as a file and answers the error text, or "loaded".
    std::string LoadText(const std::string& text)
    {
        Write("in.psf", text);
        if (m_emitter.Load(Name("in.psf").c_str()))
            return "loaded";
        return m_emitter.GetLastError().str();
    }
    std::string Without(const std::string& key)
    {
        std::string body = kGoodBody;
        const size_t at = body.find(key + "=");
        body.erase(at, body.find('\n', at) + 1 - at);
        return "[ParticleSystem 1.00]\n" + body;
    }

    std::string m_dir;
    CParticleEmitter m_emitter;
};

TEST_F(ParticleFile, SaveWritesEveryParameterInItsOrder)
{
    m_emitter.SetPos({1, 2, 3});
    m_emitter.SetGravity({0, -9.81f, 0});
    m_emitter.SetSpawnDir1({-1, 0.5f, -1});
    m_emitter.SetSpawnDir2({1, 2, 1});
    m_emitter.SetStartColor1({1, 0.5f, 0.25f, 1});
    m_emitter.SetStartColor2({1, 0.75f, 0.5f, 1});
    m_emitter.SetEndColor1({0, 0, 0, 0});
    m_emitter.SetEndColor2({0.1f, 0.1f, 0.1f, 0});
    m_emitter.SetEmitRate({50, 80});
    m_emitter.SetEmitRadius({0.5f, 0.25f, 0.5f});
    m_emitter.SetLifetime({1.5f, 2.5f});
    m_emitter.SetSize({3, 6});
    m_emitter.SetSrcBlendMode(D3DBLEND_SRCALPHA);
    m_emitter.SetMaxParticles(500);
    m_emitter.SetTexture("Data\\spark.png");
    ASSERT_TRUE(m_emitter.Save(Name("out.psf").c_str()));
    EXPECT_EQ(Read("out.psf"), std::string("[ParticleSystem 1.00]\n") + kGoodBody);
}

TEST_F(ParticleFile, LoadReadsBackWhatSaveWrote)
{
    CParticleEmitter original;
    original.SetPos({-1.25f, 0.5f, 100});
    original.SetGravity({0.1f, -2, 0.3f});
    original.SetEmitRate({5, 7.5f});
    original.SetLifetime({0.125f, 3});
    original.SetSize({1, 2});
    original.SetStartColor2({0.2f, 0.4f, 0.6f, 0.8f});
    original.SetEndColor1({0.9f, 0.7f, 0.5f, 0.3f});
    original.SetSpawnDir2({4, 5, 6});
    original.SetEmitRadius({7, 8, 9});
    original.SetSrcBlendMode(D3DBLEND_INVDESTCOLOR);
    original.SetDestBlendMode(D3DBLEND_SRCALPHASAT);
    original.SetMaxParticles(1234);
    original.SetTexture("Data/flare.png");
    ASSERT_TRUE(original.Save(Name("round.psf").c_str()));
    ASSERT_TRUE(m_emitter.Load(Name("round.psf").c_str())) << m_emitter.GetLastError().str();
    EXPECT_EQ(m_emitter.GetPos(), original.GetPos());
    EXPECT_EQ(m_emitter.GetGravity(), original.GetGravity());
    EXPECT_EQ(m_emitter.GetSpawnDir1(), original.GetSpawnDir1());
    EXPECT_EQ(m_emitter.GetSpawnDir2(), original.GetSpawnDir2());
    EXPECT_EQ(m_emitter.GetEmitRadius(), original.GetEmitRadius());
    EXPECT_EQ(m_emitter.GetStartColor2(), original.GetStartColor2());
    EXPECT_EQ(m_emitter.GetEndColor1(), original.GetEndColor1());
    EXPECT_EQ(m_emitter.GetEmitRate().m_Max, 7.5f);
    EXPECT_EQ(m_emitter.GetLifetime().m_Min, 0.125f);
    EXPECT_EQ(m_emitter.GetSize().m_Max, 2.0f);
    EXPECT_EQ(m_emitter.GetSrcBlendMode(), D3DBLEND_INVDESTCOLOR);
    EXPECT_EQ(m_emitter.GetDestBlendMode(), D3DBLEND_SRCALPHASAT);
    EXPECT_EQ(m_emitter.GetMaxParticles(), 1234);
    EXPECT_EQ(m_emitter.GetTextureFilename().str(), "Data/flare.png");
    // Saved again, the text is the same.
    ASSERT_TRUE(m_emitter.Save(Name("again.psf").c_str()));
    EXPECT_EQ(Read("again.psf"), Read("round.psf"));
}

TEST_F(ParticleFile, LoadTakesLooseTextAndIgnoresUnknownNames)
{
    std::string body = kGoodBody;
    body.replace(body.find("SrcBlend=D3DBLEND_SRCALPHA"), 26, "SrcBlend=d3dblend_srcalpha");
    body.replace(body.find("Position=(1.0000, 2.0000, 3.0000)"), 33, "Position=7");
    EXPECT_EQ(LoadText("junk [ParticleSystem 1.00] junk\nComment=whatever\n\n" + body + "no equals sign\n"),
              "loaded");
    EXPECT_EQ(m_emitter.GetSrcBlendMode(), D3DBLEND_SRCALPHA);
    // Without its delimiters a vector takes the one number for every component.
    EXPECT_EQ(m_emitter.GetPos(), D3DXVECTOR3(7, 7, 7));
    EXPECT_EQ(m_emitter.GetTextureFilename().str(), "Data\\spark.png");
    // Lines ended by a carriage return and a line feed read as the same file.
    std::string windows = std::string("[ParticleSystem 1.00]\n") + kGoodBody;
    for (size_t at = windows.find('\n'); at != std::string::npos; at = windows.find('\n', at + 2))
        windows.insert(at, "\r");
    EXPECT_EQ(LoadText(windows), "loaded");
    EXPECT_EQ(m_emitter.GetDestBlendMode(), D3DBLEND_ONE);
    EXPECT_EQ(m_emitter.GetTextureFilename().str(), "Data\\spark.png");
}

TEST_F(ParticleFile, LoadRefusesBrokenFilesWithTheirTexts)
{
    const std::string header = "[ParticleSystem 1.00]\n";
    EXPECT_FALSE(m_emitter.Load(Name("missing.psf").c_str()));
    EXPECT_EQ(m_emitter.GetLastError().str(), "Can't open file! (invalid filename?)");
    EXPECT_EQ(LoadText(std::string("[ParticleSystem 2.00]\n") + kGoodBody),
              "Invalid Header (missing \"[ParticleSystem 1.00]\")");
    EXPECT_EQ(LoadText(""), "Invalid Header (missing \"[ParticleSystem 1.00]\")");
    EXPECT_EQ(LoadText(header + kGoodBody + "Size=(1, 2)\n"), "Duplicate value encountered.");
    EXPECT_EQ(LoadText(header + kGoodBody + "stray\nstray\n"), "Duplicate value encountered.");
    EXPECT_EQ(LoadText(Without("Position")), "Missing property \"Position\"!");
    EXPECT_EQ(LoadText(Without("Lifetime")), "Missing property \"Lifetime\"!");
    EXPECT_EQ(LoadText(Without("Texture")), "Missing property \"Texture\"!");
    std::string spaced = header + kGoodBody;
    spaced.replace(0, header.size() + 8, header + "Position =");
    EXPECT_EQ(LoadText(spaced), "Missing property \"Position\"!");
    std::string badBlend = header + kGoodBody;
    badBlend.replace(badBlend.find("D3DBLEND_ONE"), 12, "D3DBLEND_TWO");
    EXPECT_EQ(LoadText(badBlend), "Invalid Blending Mode.");
}

TEST_F(ParticleFile, LoadStopsAtAThousandLines)
{
    const std::string header = "[ParticleSystem 1.00]\n";
    std::string padded = header + kGoodBody;
    for (int i = 16; i < 999; ++i)
        padded += "\n";
    EXPECT_EQ(LoadText(padded), "loaded");
    EXPECT_EQ(LoadText(padded + "\n"), "File too big (most likely not a particle system file)");
}

TEST_F(ParticleFile, AFailedLoadLeavesTheEmitterAsItWas)
{
    m_emitter.SetPos({9, 9, 9});
    m_emitter.SetMaxParticles(77);
    std::string badBlend = std::string("[ParticleSystem 1.00]\n") + kGoodBody;
    badBlend.replace(badBlend.find("D3DBLEND_SRCALPHA"), 17, "NOT_A_MODE");
    EXPECT_EQ(LoadText(badBlend), "Invalid Blending Mode.");
    EXPECT_EQ(LoadText(Without("Texture")), "Missing property \"Texture\"!");
    EXPECT_EQ(m_emitter.GetPos(), D3DXVECTOR3(9, 9, 9));
    EXPECT_EQ(m_emitter.GetMaxParticles(), 77);
}

TEST_F(ParticleFile, SaveOfAnUnknownBlendModeFailsAndKeepsTheOldFile)
{
    ASSERT_TRUE(m_emitter.Save(Name("keep.psf").c_str()));
    const std::string before = Read("keep.psf");
    m_emitter.SetDestBlendMode(42);
    EXPECT_FALSE(m_emitter.Save(Name("keep.psf").c_str()));
    EXPECT_EQ(m_emitter.GetLastError().str(), "Invalid Blending Mode.");
    EXPECT_EQ(Read("keep.psf"), before);
    m_emitter.SetDestBlendMode(D3DBLEND_ONE);
    EXPECT_FALSE(m_emitter.Save(Name("no/such/folder/x.psf").c_str()));
    EXPECT_EQ(m_emitter.GetLastError().str(), "Can't open file! (invalid filename?)");
}

}  // namespace
