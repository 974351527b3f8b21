// The whole demo on the real module at a low frame rate: each part starts on the frame at which its
// sync row is heard, nothing is reported, each part's middle shows a picture of its own, and the
// hidden part opens from the credits with its effects fired by scripted keys.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "KeyScript.h"
#include "demo_run.h"

namespace {

// The first time each part number is signalled, from the timeline datagen wrote beside the module.
std::map<int, double> PartStartsFromTimeline()
{
    std::ifstream file(FARREACH_SOURCE_DIR "/docs/music_timeline.md");
    std::map<int, double> starts;
    std::string line;
    while (std::getline(file, line)) {
        int order = 0, row = 0, value = 0;
        double seconds = 0;
        if (sscanf(line.c_str(), "| %d | %d | %lf | %d |", &order, &row, &seconds, &value) == 4 && value >= 1 &&
            value <= 15 && !starts.count(value))
            starts[value] = seconds;
    }
    return starts;
}

// Opens the hidden part at `at` seconds and fires F1 to F4 and Space a second later, a press every
// fifth of a second, as an input script given to the program would.
std::string HiddenPartScript(double at)
{
    std::string script;
    char line[64];
    for (const char* key : {"LSHIFT", "RCONTROL", "7", "8", "9", "UP", "DOWN"}) {
        snprintf(line, sizeof(line), "%.2f down %s\n%.2f up %s\n", at, key, at + 0.1, key);
        script += line;
    }
    const char* effects[] = {"F1", "F2", "F3", "F4", "SPACE"};
    for (int k = 0; k < 5; ++k) {
        snprintf(line, sizeof(line), "%.2f down %s\n%.2f up %s\n", at + 1 + 0.2 * k, effects[k], at + 1 + 0.2 * k,
                 effects[k]);
        script += line;
    }
    return script;
}

TEST(WholeDemo, EveryPartStartsOnItsSyncRowAndShowsItsOwnPictureAndTheHiddenPartOpensFromTheCredits)
{
    const std::map<int, double> starts = PartStartsFromTimeline();
    ASSERT_EQ(starts.size(), 15u);
    const double fps = 10;
    const double hiddenAt = starts.at(15) + 5;
    std::map<int, double> middles;
    for (int part = 1; part < 15; ++part)
        middles[part] = (starts.at(part) + starts.at(part + 1)) / 2;
    middles[15] = starts.at(15) + 2.5;
    middles[99] = hiddenAt + 2.1;  // with every effect showing
    CKeyScript keys;
    std::string error;
    ASSERT_TRUE(keys.Parse(HiddenPartScript(hiddenAt), error)) << error;
    std::map<int, std::vector<DWORD>> pictures;
    SHiddenValues effects;
    CDemoRecorder recorder;
    recorder.maxFrames = static_cast<int>((hiddenAt + 3) * fps);
    recorder.afterFrame = [&](SDemo& demo, int) {
        const int part = demo.state.currentPart;
        if (middles.count(part) && !pictures.count(part) && demo.state.now >= middles[part]) {
            pictures[part] = FrontBuffer();
            effects = demo.scratch.hidden;
        }
    };
    SDemoRunSettings settings;
    settings.fps = fps;
    settings.keyScript = &keys;
    const auto boxes = RunDemo(FARREACH_BUILD_DIR "/Data/thezenth.XM", recorder, settings);
    for (const SMessageBox& box : boxes)
        ADD_FAILURE() << box.caption << ": " << box.text;
    ASSERT_EQ(recorder.frames.size(), static_cast<size_t>(recorder.maxFrames));
    std::map<int, double> firstSeen;
    for (const SFrameRecord& f : recorder.frames)
        if (f.state.currentPart >= 1 && !firstSeen.count(f.state.currentPart))
            firstSeen[f.state.currentPart] = f.state.now;
    int previous = 0;
    for (int part : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 99}) {
        const double start = part == 99 ? hiddenAt + 1 / fps : starts.at(part);
        ASSERT_TRUE(firstSeen.count(part)) << "part " << part;
        EXPECT_GE(firstSeen[part], start - 1e-3) << "part " << part;
        // The music starts a frame after the demo's clock (the loading picture's frame), and a row that
        // falls exactly on a frame's time is heard by the next one.
        EXPECT_LE(firstSeen[part], start + 2 / fps + 1e-3) << "part " << part;
        ASSERT_TRUE(pictures.count(part)) << "part " << part;
        EXPECT_FALSE(IsUniform(pictures[part])) << "part " << part << " is blank";
        if (previous)
            EXPECT_NE(pictures[part], pictures[previous]) << "parts " << previous << " and " << part;
        previous = part;
    }
    const SFrameRecord& last = recorder.frames.back();
    EXPECT_EQ(last.state.currentPart, 99);
    EXPECT_FALSE(last.state.musicOn);
    for (float level : {effects.gridLevel, effects.trailLevel, effects.systemLevel, effects.toriLevel, effects.savoirAlpha})
        EXPECT_GT(level, 0);
}

}  // namespace
