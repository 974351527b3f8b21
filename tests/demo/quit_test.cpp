// Leaving the demo at chosen moments of each part and of the hidden part, by Escape and by the window's close box: the loop
// ends within a second of demo time, the end steps run, every object is released and no message box
// is shown. The moments are a fixed list, so every run checks the same frames.
#include <gtest/gtest.h>

#include "SeekPlan.h"
#include "demo_run.h"
#include "platform_hooks.h"
#include "platform_music.h"
#include "screen_run.h"

namespace {

// A frame of each part (1 to 15) at which the user leaves: a fixed draw from 2 to 50.
constexpr int kLeaveFrame[15] = {3, 17, 29, 8, 41, 12, 25, 36, 5, 20, 33, 14, 47, 9, 27};
constexpr int kFramesPerSecond = 60;

enum class Leave { Escape, CloseBox };

struct SLeft {
    size_t frames = 0;
    bool ended = false;
    int registeredAtEnd = -1;
    size_t boxes = 0;
};

// The hidden part is opened by its keys on the second frame and left on this one.
constexpr int kHiddenLeaveFrame = 23;

SLeft LeavePart(int part, Leave how, const std::vector<platform::MusicSyncEvent>& syncs)
{
    SSeekPlan plan;
    std::string error;
    if (part != kHiddenPart)
        EXPECT_TRUE(PlanSeek(syncs, std::nullopt, part, plan, error)) << error;
    const int at = part == kHiddenPart ? kHiddenLeaveFrame : kLeaveFrame[part - 1];
    CDemoRecorder recorder;
    recorder.maxFrames = at + 10 * kFramesPerSecond;  // far beyond the second allowed
    recorder.beforeFrame = [&](int frame) {
        if (part == kHiddenPart && frame == 1)
            HoldKeys(HiddenPartKeys());
        if (part == kHiddenPart && frame == 2)
            HoldKeys({});
        if (how == Leave::Escape && frame == at)
            HoldKeys({DIK_ESCAPE});
    };
    recorder.afterFrame = [&](SDemo& demo, int frame) {
        if (how == Leave::CloseBox && frame == at)
            platform::PressCloseBox(demo.screen.GetHWnd());
        if (how == Leave::CloseBox && frame > at)
            Sleep(2);  // the close box is the pump's, on the other thread
    };
    SDemoRunSettings settings;
    settings.startSeconds = static_cast<float>(plan.seconds);
    settings.startPart = plan.part;
    const auto boxes = RunDemo(FARREACH_BUILD_DIR "/Data/thezenth.XM", recorder, settings);
    if (part == kHiddenPart)
        EXPECT_EQ(recorder.frames.back().state.currentPart, kHiddenPart) << "the hidden part was not open";
    return {recorder.frames.size(), recorder.ended, recorder.registeredAtEnd, boxes.size()};
}

TEST(LeavingTheDemo, EscapeOrTheCloseBoxInAnyPartOrTheHiddenOneEndsItWithinASecondReleasingEverything)
{
    std::vector<platform::MusicSyncEvent> syncs;
    ASSERT_TRUE(platform::ScanMusicSyncs(FARREACH_BUILD_DIR "/Data/thezenth.XM", syncs));
    for (int part : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, kHiddenPart}) {
        const size_t at = static_cast<size_t>(part == kHiddenPart ? kHiddenLeaveFrame : kLeaveFrame[part - 1]);
        for (Leave how : {Leave::Escape, Leave::CloseBox}) {
            const char* what = how == Leave::Escape ? "Escape" : "close box";
            const SLeft left = LeavePart(part, how, syncs);
            if (how == Leave::Escape)
                EXPECT_EQ(left.frames, at + 1) << "part " << part << ", " << what;  // the frame that read it
            EXPECT_GT(left.frames, at) << "part " << part << ", " << what;
            EXPECT_LE(left.frames, at + 1 + kFramesPerSecond) << "part " << part << ", " << what;
            EXPECT_TRUE(left.ended) << "part " << part << ", " << what;
            EXPECT_LE(left.registeredAtEnd, 2) << "part " << part << ", " << what;
            EXPECT_EQ(left.boxes, 0u) << "part " << part << ", " << what;
        }
    }
}

}  // namespace
