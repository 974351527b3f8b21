// Bad Data while the demo runs: every file of the Data folder damaged one way at once (missing, empty,
// cut to half, three bytes of its header flipped), then a one-second capture. The run ends normally
// with all its frames, each loader that has a message for a damaged file shows it once per file, and
// no sanitizer reports anything. docs/bad-data.md lists the outcome of every file on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "demo_run.h"

namespace fs = std::filesystem;

namespace {

enum class Fault { Missing, Empty, Half, FlippedHeader };

void Damage(const fs::path& file, Fault fault)
{
    switch (fault) {
    case Fault::Missing:
        fs::remove(file);
        break;
    case Fault::Empty:
        fs::resize_file(file, 0);
        break;
    case Fault::Half:
        fs::resize_file(file, fs::file_size(file) / 2);
        break;
    case Fault::FlippedHeader: {
        std::fstream stream(file, std::ios::in | std::ios::out | std::ios::binary);
        for (std::streamoff at : {12, 17, 22}) {
            stream.seekg(at);
            const int byte = stream.get();
            stream.seekp(at);
            stream.put(static_cast<char>(byte ^ 0xFF));
        }
        break;
    }
    }
}

// A copy of the build's Data folder under root with every file damaged.
void WriteDamagedData(const fs::path& root, Fault fault)
{
    fs::remove_all(root);
    fs::create_directories(root / "Data");
    for (const auto& entry : fs::directory_iterator(FARREACH_BUILD_DIR "/Data")) {
        if (entry.path().filename().string()[0] == '.')
            continue;
        const fs::path copy = root / "Data" / entry.path().filename();
        fs::copy_file(entry.path(), copy);
        Damage(copy, fault);
    }
}

// The message boxes of a run, "caption: text" each, with how often each was shown.
std::map<std::string, int> Boxes(const std::string& errors)
{
    std::map<std::string, int> boxes;
    std::istringstream lines(errors);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("farreach: ", 0) != 0 && line.find("Error: ") != std::string::npos)
            ++boxes[line];
    return boxes;
}

bool SanitizerSpoke(const std::string& errors)
{
    for (const char* mark : {"AddressSanitizer", "LeakSanitizer", "ThreadSanitizer", "runtime error:"})
        if (errors.find(mark) != std::string::npos)
            return true;
    return false;
}

const std::string kNoForm = "Lightwave importer Error: File is not LW model (can't find FORM chunk)";
const std::string kTruncated =
    "Lightwave importer Error: File is truncated or damaged (a chunk goes past the end of the file), I stop here.";
constexpr int kLightWaveFiles = 11;

struct SCase {
    const char* what;
    Fault fault;
    std::map<std::string, int> boxes;
};

// The LightWave reader is silent about a missing file; pictures, the .x mesh and the glyph table are
// silent about anything (their objects go untextured or empty); libopenmpt plays a module cut to half.
std::vector<SCase> Cases()
{
    return {
        {"missing", Fault::Missing, {{"BASS Error: BASS_ERROR_FILEOPEN", 1}}},
        {"empty", Fault::Empty, {{kNoForm, kLightWaveFiles}, {"BASS Error: BASS_ERROR_FORMAT", 1}}},
        {"half", Fault::Half, {{kTruncated, kLightWaveFiles}}},
        {"flipped header", Fault::FlippedHeader, {{kTruncated, kLightWaveFiles}, {"BASS Error: BASS_ERROR_FORMAT", 1}}},
    };
}

int CountFrames(const fs::path& folder)
{
    int count = 0;
    if (fs::exists(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            count += entry.path().extension() == ".png";
    return count;
}

TEST(BadData, EveryDamagedFileIsReportedByItsLoaderAndTheCaptureEndsNormally)
{
    const fs::path root = TempName("bad_data_all");
    const fs::path frames = TempName("bad_data_all_frames");
    for (const SCase& c : Cases()) {
        WriteDamagedData(root, c.fault);
        fs::remove_all(frames);
        const SProgramRun run =
            RunFarreach("--capture " + frames.string() + " --fps 10 --to 1 --data " + root.string());
        EXPECT_EQ(run.status, 0) << c.what << "\n" << run.errors;
        EXPECT_EQ(CountFrames(frames), 10) << c.what;
        EXPECT_EQ(Boxes(run.errors), c.boxes) << c.what << "\n" << run.errors;
        EXPECT_FALSE(SanitizerSpoke(run.errors)) << c.what << "\n" << run.errors;
    }
    fs::remove_all(root);
    fs::remove_all(frames);
}

}  // namespace
