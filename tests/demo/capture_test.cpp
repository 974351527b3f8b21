// The program's offline runs and command line, as a user starts them: captures are the same bytes
// every time and honour their span, rate and size; bad data is reported and the run goes on; bad
// options are refused with exit status 2.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "demo_run.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Width and height from a PNG's header.
std::pair<int, int> PngSize(const fs::path& path)
{
    const std::string bytes = ReadBytes(path);
    if (bytes.size() < 24)
        return {0, 0};
    auto be32 = [&bytes](size_t at) {
        return (static_cast<unsigned char>(bytes[at]) << 24) | (static_cast<unsigned char>(bytes[at + 1]) << 16) |
               (static_cast<unsigned char>(bytes[at + 2]) << 8) | static_cast<unsigned char>(bytes[at + 3]);
    };
    return {static_cast<int>(be32(16)), static_cast<int>(be32(20))};
}

int CountFrames(const fs::path& folder)
{
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.path().extension() == ".png";
    return count;
}

std::string FrameName(int index)
{
    char name[32];
    snprintf(name, sizeof(name), "frame_%06d.png", index);
    return name;
}

// Sample frames of a 16-bit stereo WAV (its data chunk after a 44-byte header).
size_t WavFrames(const fs::path& path) { return (fs::file_size(path) - 44) / 4; }

class CaptureTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const std::string& folder : m_folders)
            fs::remove_all(folder);
    }
    std::string Folder(const std::string& leaf)
    {
        m_folders.push_back(TempName(leaf));
        fs::remove_all(m_folders.back());
        return m_folders.back();
    }

private:
    std::vector<std::string> m_folders;
};

TEST_F(CaptureTest, TwoCapturesOfTheSameSpanAreTheSameBytes)
{
    const std::string a = Folder("capture_a"), b = Folder("capture_b");
    const std::string span = " --fps 20 --from 1 --to 2.5 --data " FARREACH_BUILD_DIR;
    ASSERT_EQ(RunFarreach("--capture " + a + span).status, 0);
    ASSERT_EQ(RunFarreach("--capture " + b + span).status, 0);
    ASSERT_EQ(CountFrames(a), 30);
    ASSERT_EQ(CountFrames(b), 30);
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(ReadBytes(fs::path(a) / FrameName(i)), ReadBytes(fs::path(b) / FrameName(i))) << FrameName(i);
    EXPECT_EQ(ReadBytes(fs::path(a) / "audio.wav"), ReadBytes(fs::path(b) / "audio.wav"));
    EXPECT_EQ(PngSize(fs::path(a) / FrameName(1)), std::make_pair(640, 480));
}

TEST_F(CaptureTest, TheSpanRateAndSizeAreHonoured)
{
    const std::string whole = Folder("capture_whole"), late = Folder("capture_late");
    ASSERT_EQ(RunFarreach("--capture " + whole + " --fps 20 --to 2.5 --data " FARREACH_BUILD_DIR).status, 0);
    ASSERT_EQ(RunFarreach("--capture " + late + " --fps 20 --from 1 --to 2.5 --data " FARREACH_BUILD_DIR).status, 0);
    ASSERT_EQ(CountFrames(whole), 50);
    ASSERT_EQ(CountFrames(late), 30);
    // Frames before --from are drawn, not written: the later capture's first frame is the 21st.
    for (int i = 1; i <= 30; i += 7)
        EXPECT_EQ(ReadBytes(fs::path(late) / FrameName(i)), ReadBytes(fs::path(whole) / FrameName(i + 20))) << i;
    EXPECT_NEAR(static_cast<double>(WavFrames(fs::path(whole) / "audio.wav")), 2.5 * 44100, 1);
    EXPECT_NEAR(static_cast<double>(WavFrames(fs::path(late) / "audio.wav")), 1.5 * 44100, 1);
    const std::string large = Folder("capture_large");
    ASSERT_EQ(RunFarreach("--capture " + large + " --fps 10 --to 0.5 --resolution 960x720 --data " FARREACH_BUILD_DIR)
                  .status,
              0);
    EXPECT_EQ(CountFrames(large), 5);
    EXPECT_EQ(PngSize(fs::path(large) / FrameName(5)), std::make_pair(960, 720));
}

TEST_F(CaptureTest, BadDataIsReportedByItsLoaderAndTheRunGoesOn)
{
    const std::string root = Folder("bad_data");
    fs::create_directories(root + "/Data");
    for (const auto& entry : fs::directory_iterator(FARREACH_BUILD_DIR "/Data"))
        fs::copy_file(entry.path(), root + "/Data/" + entry.path().filename().string());
    fs::remove(root + "/Data/uvcube.lwo");
    fs::resize_file(root + "/Data/ravelle.lwo", 40);
    std::ofstream(root + "/Data/title.png") << "not a picture";
    const std::string frames = Folder("bad_data_frames");
    const SProgramRun run = RunFarreach("--capture " + frames + " --fps 10 --to 1 --data " + root);
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(CountFrames(frames), 10);
    size_t boxes = 0;
    for (size_t at = run.errors.find("Lightwave importer Error: "); at != std::string::npos;
         at = run.errors.find("Lightwave importer Error: ", at + 1))
        ++boxes;
    // The truncated ravelle is reported; the LightWave reader is silent about a missing file, and a
    // texture that is no picture leaves its plane untextured without a word.
    EXPECT_EQ(boxes, 1u) << run.errors;
    EXPECT_NE(run.errors.find("truncated"), std::string::npos) << run.errors;
}

TEST_F(CaptureTest, BadOptionsAreRefusedWithExitStatus2)
{
    const std::string folder = Folder("never_written");
    for (const std::string& args : {std::string("--bogus"), std::string("--fps abc"), std::string("--capture"),
                                    "--capture " + folder + " --resolution 1280x720",
                                    "--capture " + folder + " --resolution 640x", std::string("--from 3"),
                                    "--capture " + folder + " --from 3 --to 2", std::string("--part 16"),
                                    "--capture " + folder + " --bench", std::string("--bench-json x.json")}) {
        const SProgramRun run = RunFarreach(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.errors.find("farreach: "), std::string::npos) << args;
        EXPECT_NE(run.errors.find("Usage: "), std::string::npos) << args;
    }
    EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
