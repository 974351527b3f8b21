// The path file: its exact text, Save then Load, Load appending, and files that must not load.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "move_test_clock.h"

namespace {

// Count, mode, loop; then position, direction, up, speed, zoom for each point.
const char* const kSampleText =
    "2\n3\n0\n"
    "1.500000\n-2.250000\n3.000000\n0.000000\n0.000000\n1.000000\n0.000000\n1.000000\n0.000000\n"
    "0.240000\n0.785398\n"
    "10.000000\n0.125000\n-7.000000\n1.000000\n0.000000\n0.000000\n0.000000\n0.000000\n1.000000\n"
    "2.000000\n1.500000\n";

class MoveFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/move_file_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        // Two points, Hermite, not looping.
        m_path.AddPoint(1.5f, -2.25f, 3, 0, 0, 1, 0.24f, 0, 1, 0, 0.785398f);
        m_path.AddPoint(10, 0.125f, -7, 1, 0, 0, 2, 0, 0, 1, 1.5f);
        m_path.SetMode(CMove::MOVE_HSPLINE);
        m_path.SetLoop(false);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    CString Name(const char* file) { return (m_dir + "/" + file).c_str(); }
    void Write(const char* file, const std::string& text) { std::ofstream(Name(file).str()) << text; }
    std::string Read(const char* file)
    {
        std::stringstream text;
        text << std::ifstream(Name(file).str()).rdbuf();
        return text.str();
    }

    // The path holds the sample's points, mode and loop flag: it saves to the sample's text.
    void ExpectSameAsSample(CMove& other)
    {
        other.SetFilename(Name("check.pth"));
        ASSERT_TRUE(other.Save());
        EXPECT_EQ(Read("check.pth"), kSampleText);
    }

    std::string m_dir;
    CTestMoveClock m_clock;
    CMove m_path{m_clock};
};

TEST_F(MoveFile, SaveWritesTheFileThatLoadReadsBack)
{
    m_path.SetFilename(Name("a.pth"));
    ASSERT_TRUE(m_path.Save());
    EXPECT_EQ(Read("a.pth"), kSampleText);
    CMove loaded(m_clock);
    loaded.SetFilename(Name("a.pth"));
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.GetMode(), CMove::MOVE_HSPLINE);
    EXPECT_FLOAT_EQ(loaded.GetTotalDistance(), m_path.GetTotalDistance());
    ExpectSameAsSample(loaded);
    EXPECT_FALSE(std::filesystem::exists(Name("check.pth.tmp").str()));
}

TEST_F(MoveFile, LoadAppendsItsPointsAndReplacesModeAndLoop)
{
    Write("one.pth", "1\r\n0\r\n7\r\n4\r\n5\r\n6\r\n0\r\n0\r\n1\r\n0\r\n1\r\n0\r\n3.5\r\n0.5\r\n");
    m_path.SetFilename(Name("one.pth"));
    ASSERT_TRUE(m_path.Load());
    ASSERT_EQ(m_path.GetNumberPoints(), 3);
    EXPECT_EQ(m_path.GetMode(), CMove::MOVE_STEP);
    EXPECT_TRUE(m_path.GetLoop());  // any non-zero value
    float v[11];
    m_path.GetPoint(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], 2);
    EXPECT_EQ(D3DXVECTOR3(v[0], v[1], v[2]), D3DXVECTOR3(4, 5, 6));
    EXPECT_FLOAT_EQ(v[6], 3.5f);
    EXPECT_FLOAT_EQ(v[8], 1.0f);
    EXPECT_FLOAT_EQ(v[10], 0.5f);
}

TEST_F(MoveFile, FilesThatCannotBeReadWholeOrDoNotFitLeaveThePathAsItWas)
{
    const char* const broken[] = {
        "",
        "1\n1\n1\n1\n2\n3\n",                            // truncated inside a point
        "2\n1\n1\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n",  // one point of two
        "1\n1\n1\n1\n2\nthree\n4\n5\n6\n7\n8\n9\n10\n11\n",
        "1\n1\n1\n1\n2\n3\n4\n5\nnan\n7\n8\n9\n10\n11\n",
        "1\n4\n1\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n",  // no such mode
        "-1\n1\n1\n",
        "255\n1\n1\n",  // more than the 254 free slots
    };
    for (const char* text : broken) {
        Write("broken.pth", text);
        m_path.SetFilename(Name("broken.pth"));
        EXPECT_FALSE(m_path.Load()) << text;
        ExpectSameAsSample(m_path);
    }
    m_path.SetFilename(Name("missing.pth"));
    EXPECT_FALSE(m_path.Load());
    ExpectSameAsSample(m_path);
}

TEST_F(MoveFile, SaveThatCannotWriteFailsAndLeavesWhatWasThere)
{
    CMove unnamed(m_clock);
    EXPECT_FALSE(unnamed.Save());
    m_path.SetFilename(Name("no/such/dir.pth"));
    EXPECT_FALSE(m_path.Save());
    std::filesystem::create_directory(Name("taken.pth").str());
    m_path.SetFilename(Name("taken.pth"));
    EXPECT_FALSE(m_path.Save());
    EXPECT_TRUE(std::filesystem::is_directory(Name("taken.pth").str()));
    EXPECT_FALSE(std::filesystem::exists(Name("taken.pth.tmp").str()));
}

}  // namespace
