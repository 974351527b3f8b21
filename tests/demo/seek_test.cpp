// Seeking: the start of a part is found from the module's own sync effects, and the demo starts
// there with the music at that position and that part set up.
#include <gtest/gtest.h>

#include "SeekPlan.h"
#include "demo_run.h"

namespace {

const std::vector<platform::MusicSyncEvent>& ZenthSyncs()
{
    static const std::vector<platform::MusicSyncEvent> syncs = [] {
        std::vector<platform::MusicSyncEvent> events;
        EXPECT_TRUE(platform::ScanMusicSyncs(FARREACH_BUILD_DIR "/Data/thezenth.XM", events));
        return events;
    }();
    return syncs;
}

TEST(SeekPlan, APartStartsWhereTheModuleFirstSignalsIt)
{
    std::vector<platform::MusicSyncEvent> syncs = {{0.0, 0, 0, 1}, {0.12, 0, 1, 16}, {4.0, 2, 0, 2},
                                                   {5.0, 2, 8, 19}, {9.0, 4, 0, 3}, {12.0, 5, 0, 2}};
    SSeekPlan plan;
    std::string error;
    ASSERT_TRUE(PlanSeek(syncs, std::nullopt, 2, plan, error));
    EXPECT_DOUBLE_EQ(plan.seconds, 4.0);
    EXPECT_EQ(plan.part, 2);
    ASSERT_TRUE(PlanSeek(syncs, 8.5, std::nullopt, plan, error));
    EXPECT_DOUBLE_EQ(plan.seconds, 8.5);
    EXPECT_EQ(plan.part, 2);  // 19 is a step, not a part
    ASSERT_TRUE(PlanSeek(syncs, 9.0, std::nullopt, plan, error));
    EXPECT_EQ(plan.part, 3);
    EXPECT_FALSE(PlanSeek(syncs, std::nullopt, 7, plan, error));
    EXPECT_NE(error.find("part 7"), std::string::npos);
    ASSERT_TRUE(PlanSeek({}, 3.0, std::nullopt, plan, error));
    EXPECT_EQ(plan.part, 0);
}

TEST(SeekPlan, TheScanHearsThePartsOfTheRealModuleWhereTheTimelineSaysTheyAre)
{
    SSeekPlan plan;
    std::string error;
    const double expected[] = {0.00, 15.36, 30.72, 65.28, 80.64, 111.36, 126.72, 157.44};
    for (int part = 1; part <= 8; ++part) {
        ASSERT_TRUE(PlanSeek(ZenthSyncs(), std::nullopt, part, plan, error)) << error;
        EXPECT_NEAR(plan.seconds, expected[part - 1], 0.01) << "part " << part;
    }
}

TEST(Seeking, TheDemoStartsAtThePartWithTheMusicThere)
{
    SSeekPlan plan;
    std::string error;
    ASSERT_TRUE(PlanSeek(ZenthSyncs(), std::nullopt, 7, plan, error));
    CDemoRecorder recorder;
    recorder.maxFrames = 60;
    SDemoRunSettings settings;
    settings.startSeconds = static_cast<float>(plan.seconds);
    settings.startPart = plan.part;
    RunDemo(FARREACH_BUILD_DIR "/Data/thezenth.XM", recorder, settings);
    ASSERT_EQ(recorder.frames.size(), 60u);
    EXPECT_EQ(recorder.frames[0].state.currentPart, 7);
    EXPECT_NEAR(recorder.frames[0].state.now, plan.seconds, 0.02);
    bool heard = false;
    for (const SFrameRecord& f : recorder.frames) {
        EXPECT_EQ(f.state.currentPart, 7);
        heard = heard || f.state.syncValue == 7;
    }
    EXPECT_TRUE(heard);  // the part's own row is played again from the position
    // The music's next step comes 0.12 s after the part's row, as in a run from the start.
    EXPECT_EQ(recorder.frames.back().state.syncValue, 16);
}

TEST(Seeking, AStartTimeInsideAPartSetsThatPartUp)
{
    CDemoRecorder recorder;
    recorder.maxFrames = 10;
    SSeekPlan plan;
    std::string error;
    ASSERT_TRUE(PlanSeek(ZenthSyncs(), 100.0, std::nullopt, plan, error));
    EXPECT_EQ(plan.part, 5);
    SDemoRunSettings settings;
    settings.startSeconds = 100;
    settings.startPart = plan.part;
    RunDemo(FARREACH_BUILD_DIR "/Data/thezenth.XM", recorder, settings);
    EXPECT_EQ(recorder.frames[0].state.currentPart, 5);
    EXPECT_NEAR(recorder.frames[0].state.now, 100, 0.02);
    EXPECT_FLOAT_EQ(recorder.frames[0].state.partStart, 100);
}

}  // namespace
