// The credits: the message line shows the sum of the keys held, and the hidden part's combination
// starts the hidden part on the next frame; the title cube pulses back to rest.
#include <dinput.h>
#include <gtest/gtest.h>

#include "DemoKeys.h"
#include "demo_run.h"

namespace {

TEST(CreditsPart, TheMagicNumberIsTheKeySumAndTheCombinationStartsTheHiddenPartNextFrame)
{
    const std::string music = WriteSyncModule("credits", 32, {{0, 15}, {1, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 60;
    std::vector<std::string> lines;
    recorder.beforeFrame = [](int frame) {
        if (frame == 20)
            HoldKeys({DIK_UP, DIK_SPACE});
        if (frame == 30)
            HoldKeys({DIK_LSHIFT, DIK_RCONTROL, DIK_7, DIK_8, DIK_9, DIK_UP, DIK_DOWN});
        if (frame == 31)
            HoldKeys({});
    };
    recorder.afterFrame = [&](SDemo& demo, int) { lines.push_back(demo.tables.messageText); };
    RunDemo(music, recorder);
    ASSERT_EQ(lines.size(), 60u);
    EXPECT_EQ(lines[10], "Magic Number: 0 ");
    EXPECT_EQ(lines[20], "Magic Number: " + std::to_string(demo_keys::kUp + demo_keys::kSpace) + " ");
    EXPECT_FALSE(recorder.frames[29].state.hiddenRequested);
    EXPECT_EQ(lines[30], "Magic Number: " + std::to_string(static_cast<int>(demo_keys::kHiddenPartCombination)) + " ");
    EXPECT_TRUE(recorder.frames[30].state.hiddenRequested);
    EXPECT_EQ(recorder.frames[30].state.currentPart, 15);
    EXPECT_EQ(recorder.frames[31].state.currentPart, 99);
}

TEST(CreditsPart, TheTitleCubeGrowsOnTheBeatAndReturnsToRest)
{
    const std::string music = WriteSyncModule("creditsbeat", 32, {{0, 15}, {1, 16}, {20, 17}, {21, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 240;
    RunDemo(music, recorder);
    ASSERT_EQ(recorder.frames.size(), 240u);
    float largest = 0;
    for (const SFrameRecord& f : recorder.frames) {
        EXPECT_LE(f.scratch.credits.cubeSize, 3.05f);
        EXPECT_GE(f.scratch.credits.cubeAlpha, 0.01f);
        largest = std::max(largest, f.scratch.credits.cubeSize);
    }
    EXPECT_GT(largest, 2.9f);
    // The pulse begun at the start ended after a second; sync 17 at 2.4 s begins another.
    const SFrameRecord& rest = recorder.frames[130];
    EXPECT_FALSE(rest.state.beatFlag);
    EXPECT_FLOAT_EQ(rest.scratch.credits.cubeSize, 2);
    EXPECT_FLOAT_EQ(rest.scratch.credits.cubeAlpha, 0.6f);
    EXPECT_TRUE(recorder.frames[160].state.beatFlag);
    EXPECT_GT(recorder.frames[160].scratch.credits.cubeSize, 2);
}

}  // namespace
