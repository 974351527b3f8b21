// The program's offline runs and command line, as a user starts them: captures are the same bytes
// every time and honour their span, rate and size; bad data is reported and the run goes on; bad
// options are refused with exit status 2.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "demo_run.h"
#include "program_output.h"

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

std::string WriteScript(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
    return path;
}

TEST_F(CaptureTest, AnInputScriptOpensTheHiddenPartAndFiresItsEffectsTheSameWayEachTime)
{
    std::string script = "# the hidden part during the title, then F1 to F4 and Space\n";
    for (const char* key : {"LSHIFT", "RCONTROL", "7", "8", "9", "UP", "DOWN"})
        script += std::string("0.5 down ") + key + "\n0.6 up " + key + "\n";
    script += "1.0 down F1\n1.0 up F1\n1.2 down F2\n1.2 up F2\n1.4 down F3\n1.4 up F3\n"
              "1.6 down F4\n1.6 up F4\n1.8 down SPACE\n1.8 up SPACE\n";
    const std::string keys = WriteScript(Folder("keys.txt"), script);
    const std::string a = Folder("hidden_a"), b = Folder("hidden_b"), plain = Folder("hidden_plain");
    const std::string span = " --fps 10 --to 2.5 --data " FARREACH_BUILD_DIR;
    const SProgramRun run = RunFarreach("--capture " + a + span + " --input " + keys);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors.find("Error"), std::string::npos) << run.errors;
    ASSERT_EQ(RunFarreach("--capture " + b + span + " --input " + keys).status, 0);
    ASSERT_EQ(RunFarreach("--capture " + plain + span).status, 0);
    ASSERT_EQ(CountFrames(a), 25);
    for (int i = 1; i <= 25; ++i)
        EXPECT_EQ(ReadBytes(fs::path(a) / FrameName(i)), ReadBytes(fs::path(b) / FrameName(i))) << FrameName(i);
    EXPECT_EQ(ReadBytes(fs::path(a) / FrameName(5)), ReadBytes(fs::path(plain) / FrameName(5)));
    for (int i = 8; i <= 25; ++i)
        EXPECT_NE(ReadBytes(fs::path(a) / FrameName(i)), ReadBytes(fs::path(plain) / FrameName(i))) << FrameName(i);
}

TEST_F(CaptureTest, AMalformedInputScriptIsRefusedWithItsLineNumber)
{
    const std::string keys = WriteScript(Folder("bad_keys.txt"), "1 down SPACE\n2 down SPACEBAR\n");
    const std::string folder = Folder("never_written_keys");
    SProgramRun run = RunFarreach("--capture " + folder + " --input " + keys);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("farreach: --input " + keys + ": line 2: 'SPACEBAR' is not a key name"), std::string::npos)
        << run.errors;
    run = RunFarreach("--capture " + folder + " --input " + keys + ".missing");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.errors.find("cannot read the input script"), std::string::npos) << run.errors;
    EXPECT_FALSE(fs::exists(folder));
}

// A benchmark started at a part measures that part from its first frame: the table has its row only.
TEST_F(CaptureTest, ABenchmarkStartedAtAPartMeasuresThatPartAlone)
{
    const SProgramOutput run = RunForOutput("SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy " FARREACH_PROGRAM
                                            " --bench --part 4 --to 66.5 --resolution 320x240 --data " FARREACH_BUILD_DIR);
    ASSERT_EQ(run.status, 0) << run.text;
    EXPECT_NE(run.text.find("loading: "), std::string::npos) << run.text;
    EXPECT_EQ(run.text.find("part 3"), std::string::npos) << run.text;
    // The part's frames from its sync row at 65.28 s to 66.5 s, at 60 steps a second.
    const std::regex row("part 4 +([0-9]+) ");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(run.text, match, row)) << run.text;
    EXPECT_NEAR(std::stoi(match[1]), 73, 2) << run.text;
}

TEST_F(CaptureTest, BadOptionsAreRefusedWithExitStatus2)
{
    const std::string folder = Folder("never_written");
    for (const std::string& args : {std::string("--bogus"), std::string("--fps abc"), std::string("--capture"),
                                    "--capture " + folder + " --resolution 1280x720",
                                    "--capture " + folder + " --resolution 640x", std::string("--from 3"),
                                    "--capture " + folder + " --from 3 --to 2", std::string("--part 16"),
                                    "--capture " + folder + " --bench", std::string("--bench-json x.json"),
                                    std::string("--video-aspect 5:4"), std::string("--data /nonexistent/folder")}) {
        const SProgramRun run = RunFarreach(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.errors.find("farreach: "), std::string::npos) << args;
        EXPECT_NE(run.errors.find("Usage: "), std::string::npos) << args;
    }
    EXPECT_FALSE(fs::exists(folder));
}

TEST_F(CaptureTest, OutputFoldersAreTakenFromWhereTheProgramStarted)
{
    const std::string root = Folder("started_here");
    fs::create_directories(root);
    ASSERT_EQ(RunFarreach("--capture frames --fps 10 --to 0.2 --data " FARREACH_BUILD_DIR, "cd " + root + " &&").status,
              0);
    EXPECT_EQ(CountFrames(root + "/frames"), 2);
    EXPECT_FALSE(fs::exists(FARREACH_BUILD_DIR "/frames"));
}

TEST_F(CaptureTest, AVideoWithoutFfmpegSaysSoAndWritesNothing)
{
    const std::string video = Folder("no_ffmpeg.mp4");
    const SProgramRun run = RunFarreach("--video " + video + " --to 0.2 --data " FARREACH_BUILD_DIR,
                                        "PATH=/nonexistent");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.errors.find("--video needs ffmpeg"), std::string::npos) << run.errors;
    EXPECT_FALSE(fs::exists(video));
}

std::string CommandOutput(const std::string& command) { return RunForOutput(command).text; }

// The mean difference of two pictures of the same size, as 8-bit RGB bytes.
double MeanDifference(const std::string& a, const std::string& b)
{
    if (a.empty() || a.size() != b.size())
        return 255;
    double sum = 0;
    for (size_t i = 0; i < a.size(); ++i)
        sum += std::abs(static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]));
    return sum / static_cast<double>(a.size());
}

TEST_F(CaptureTest, AVideoHoldsTheCapturesPicturesBetweenBarsAndItsMusic)
{
    if (system("command -v ffmpeg > /dev/null && command -v ffprobe > /dev/null") != 0)
        GTEST_SKIP() << "ffmpeg is not installed (scripts/packages.sh ffmpeg)";
    const std::string frames = Folder("video_frames"), video = Folder("video.mp4");
    Folder("video.mp4.picture.mp4");  // removed afterwards should it be left
    const SProgramRun run = RunFarreach("--capture " + frames + " --video " + video +
                                        " --video-aspect 16:9 --fps 10 --from 0.5 --to 1.5 --resolution 320x240 "
                                        "--data " FARREACH_BUILD_DIR);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(CountFrames(frames), 10);
    EXPECT_FALSE(fs::exists(video + ".picture.mp4"));
    const std::string streams = CommandOutput("ffprobe -v error -show_entries stream=codec_name,width,height,"
                                              "r_frame_rate,nb_frames -of csv=p=0 " + video);
    EXPECT_NE(streams.find("h264,428,240,10/1,10"), std::string::npos) << streams;
    EXPECT_NE(streams.find("aac"), std::string::npos) << streams;
    // The sixth frame of the video, its bars cut off, is the sixth PNG up to the encoder's losses.
    const std::string raw = " -f rawvideo -pix_fmt rgb24 - 2>/dev/null";
    const std::string encoded =
        CommandOutput("ffmpeg -v error -i " + video + " -vf 'select=eq(n\\,5),crop=320:240:54:0' -frames:v 1" + raw);
    const std::string written = CommandOutput("ffmpeg -v error -i " + frames + "/" + FrameName(6) + raw);
    EXPECT_EQ(encoded.size(), 320u * 240u * 3u);
    EXPECT_LT(MeanDifference(encoded, written), 6.0);
    const std::string bar = CommandOutput("ffmpeg -v error -i " + video +
                                          " -vf 'select=eq(n\\,5),crop=50:240:0:0' -frames:v 1" + raw);
    EXPECT_LT(MeanDifference(bar, std::string(bar.size(), '\0')), 2.0);
}

}  // namespace
