// The demo's first eight parts on the real module at a low frame rate: each part starts on the frame
// at which its sync row is heard, nothing is reported, and each part's middle shows a picture of its own.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

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

TEST(WholeDemo, PartsOneToEightStartOnTheirSyncRowsAndEachShowsItsOwnPicture)
{
    const std::map<int, double> starts = PartStartsFromTimeline();
    ASSERT_EQ(starts.size(), 15u);
    const double fps = 10;
    std::map<int, double> middles;
    for (int part = 1; part <= 8; ++part)
        middles[part] = (starts.at(part) + starts.at(part + 1)) / 2;
    std::map<int, std::vector<DWORD>> pictures;
    CDemoRecorder recorder;
    recorder.maxFrames = static_cast<int>(starts.at(9) * fps) - 2;
    recorder.afterFrame = [&](SDemo& demo, int) {
        const int part = demo.state.currentPart;
        if (middles.count(part) && !pictures.count(part) && demo.state.now >= middles[part])
            pictures[part] = FrontBuffer();
    };
    const auto boxes = RunDemo(FARREACH_BUILD_DIR "/Data/thezenth.XM", recorder, {fps, ""});
    for (const SMessageBox& box : boxes)
        ADD_FAILURE() << box.caption << ": " << box.text;
    std::map<int, double> firstSeen;
    for (const SFrameRecord& f : recorder.frames)
        if (f.state.currentPart >= 1 && !firstSeen.count(f.state.currentPart))
            firstSeen[f.state.currentPart] = f.state.now;
    for (int part = 1; part <= 8; ++part) {
        ASSERT_TRUE(firstSeen.count(part)) << "part " << part;
        EXPECT_GE(firstSeen[part], starts.at(part) - 1e-3) << "part " << part;
        EXPECT_LE(firstSeen[part], starts.at(part) + 1 / fps + 1e-3) << "part " << part;
        ASSERT_TRUE(pictures.count(part)) << "part " << part;
        EXPECT_FALSE(IsUniform(pictures[part])) << "part " << part << " is blank";
        if (part > 1)
            EXPECT_NE(pictures[part], pictures[part - 1]) << "parts " << part - 1 << " and " << part;
    }
}

}  // namespace
