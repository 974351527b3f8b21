// Height maps: the grid lifted by the file's bytes, read again at every Init; a missing or short file
// is reported in a box naming it, and the heights it lacks are 0.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "object_test_support.h"
#include "objects/HeightMapObject.h"
#include "platform_hooks.h"

namespace {

class HeightMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetMessageBoxHandler([this](HWND, const std::string& text, const std::string& caption, UINT) {
            m_Messages.push_back(caption + ": " + text);
            return IDOK;
        });
    }
    void TearDown() override
    {
        platform::SetMessageBoxHandler(nullptr);
        std::remove(m_Path.c_str());
    }
    void WriteFile(size_t size, unsigned char value)
    {
        FILE* file = std::fopen(m_Path.c_str(), "wb");
        std::fwrite(std::string(size, static_cast<char>(value)).data(), 1, size, file);
        std::fclose(file);
    }
    std::vector<S3DVERTEX> Build(float amplitude = 20)
    {
        std::vector<S3DVERTEX> grid;
        RunScreen({}, [&] {
            CHeightMapObject terrain;
            terrain.SetHeightMapFilename(m_Path.c_str());
            terrain.SetMaxAmplitude(amplitude);
            terrain.Init();
            grid = ReadVertices(terrain);
            terrain.CleanUp();
        });
        return grid;
    }

    // Each test program has its own file: CTest runs the cases as parallel processes.
    std::string m_Path = ::testing::TempDir() + "heights_" + std::to_string(getpid()) + ".raw";
    std::vector<std::string> m_Messages;
};

TEST_F(HeightMap, BytesLiftTheGridPointsInOrder)
{
    WriteFile(10000, 128);
    const std::vector<S3DVERTEX> flat = Build();
    WriteFile(10000, 0);
    const std::vector<S3DVERTEX> peaks = Build(8);
    EXPECT_TRUE(m_Messages.empty());
    ASSERT_EQ(flat.size(), 10000u);
    for (const S3DVERTEX& v : flat) {
        ASSERT_FLOAT_EQ(v.z, 10.0f);
        ASSERT_NEAR(std::fabs(v.nz), 1.0f, 1e-4f);  // a flat grid's normals stay along z
    }
    ASSERT_EQ(peaks.size(), 10000u);
    EXPECT_FLOAT_EQ(peaks[9999].z, 8.0f);
}

TEST_F(HeightMap, AMissingOrShortFileIsReportedByNameAndItsMissingHeightsAreZero)
{
    const std::vector<S3DVERTEX> missing = Build();
    WriteFile(5000, 0);
    const std::vector<S3DVERTEX> shortFile = Build();
    ASSERT_EQ(m_Messages.size(), 2u);
    EXPECT_EQ(m_Messages[0], "Error: Unable to find the file: " + m_Path + "!");
    EXPECT_EQ(m_Messages[1], "Error: The height map file is too short: " + m_Path + "!");
    ASSERT_EQ(missing.size(), 10000u);
    for (const S3DVERTEX& v : missing)
        ASSERT_EQ(v.z, 0.0f);
    ASSERT_EQ(shortFile.size(), 10000u);
    EXPECT_FLOAT_EQ(shortFile[4999].z, 20.0f);
    EXPECT_EQ(shortFile[5000].z, 0.0f);
}

}  // namespace
