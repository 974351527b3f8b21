// The demo's driver, fed by small modules through the real music player: when parts start, what the
// sync values do, the keys that end the loop or ask for the hidden part, and the end steps.
#include <dinput.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "screen_run.h"

#include "DemoKeys.h"
#include "demo_run.h"
#include "platform_hooks.h"

namespace {

constexpr double kRow = 0.12;  // seconds per row of the test modules
constexpr float kFrame = 1.0f / 60;

int FirstFrameOfPart(const std::vector<SFrameRecord>& frames, int part)
{
    for (size_t i = 0; i < frames.size(); ++i)
        if (frames[i].state.currentPart == part)
            return static_cast<int>(i);
    return -1;
}

TEST(DemoDriver, NothingIsDrawnBeforeTheFirstPartValueWhichStartsOnTheFrameItIsHeard)
{
    const std::string music = WriteSyncModule("first_part", 32, {{5, 1}, {6, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 70;
    bool blankBefore = true, drawnAfter = false;
    recorder.afterFrame = [&](SDemo& demo, int frame) {
        if (frame == 20)
            blankBefore = IsUniform(FrontBuffer()) && (FrontBuffer()[0] & 0xFFFFFF) == 0;
        if (frame == 69)
            drawnAfter = !IsUniform(FrontBuffer());
    };
    const auto boxes = RunDemo(music, recorder);
    EXPECT_TRUE(boxes.empty());
    const int first = FirstFrameOfPart(recorder.frames, 1);
    ASSERT_GT(first, 20);
    for (int i = 0; i < first; ++i)
        EXPECT_EQ(recorder.frames[i].state.currentPart, 0) << "frame " << i;
    EXPECT_NEAR(recorder.frames[first].state.now, 5 * kRow, kFrame + 1e-4);
    EXPECT_TRUE(blankBefore);
    EXPECT_TRUE(drawnAfter);
}

TEST(DemoDriver, AHeldPartValueRepeatsTheSetUpSoPartTimersStartWhenItChanges)
{
    const std::string music = WriteSyncModule("held_part", 32, {{0, 4}, {4, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 50;
    RunDemo(music, recorder);
    int held = 0;
    float lastHeld = -1;
    for (const SFrameRecord& f : recorder.frames) {
        if (f.state.syncValue == 4) {
            ++held;
            EXPECT_FLOAT_EQ(f.state.partStart, f.state.now);
            lastHeld = f.state.now;
        } else if (f.state.syncValue == 16) {
            EXPECT_EQ(f.state.currentPart, 4);
            EXPECT_FLOAT_EQ(f.state.partStart, lastHeld);
        }
    }
    EXPECT_GT(held, 20);  // four rows of 0.12 s at 60 frames a second
    EXPECT_EQ(recorder.frames.back().state.syncValue, 16);
}

TEST(DemoDriver, ValuesWithoutAPartNumberLeaveThePartAndPulsesAndStepsAreSet)
{
    const std::string music = WriteSyncModule(
        "other_values", 32, {{0, 2}, {2, 16}, {4, 18}, {6, 20}, {8, 50}, {10, 98}, {12, 0}, {14, 21}, {16, 17}, {18, 19}});
    CDemoRecorder recorder;
    recorder.maxFrames = 160;
    RunDemo(music, recorder);
    std::vector<int> seen;
    bool pulsed = false;
    for (const SFrameRecord& f : recorder.frames) {
        if (f.state.syncValue == 0 && seen.empty())
            continue;  // before the first row is heard
        EXPECT_EQ(f.state.currentPart, 2) << "sync " << f.state.syncValue;
        if (seen.empty() || seen.back() != f.state.syncValue)
            seen.push_back(f.state.syncValue);
        if (f.state.syncValue < 17) {
            EXPECT_EQ(f.state.subState, 0);
        }
        pulsed = pulsed || f.state.beatFlag;
    }
    EXPECT_EQ(seen, (std::vector<int>{2, 16, 18, 20, 50, 98, 0, 21, 17, 19}));
    EXPECT_TRUE(pulsed);
    EXPECT_EQ(recorder.frames.back().state.subState, 1);
}

TEST(DemoDriver, EscapeAloneEndsTheLoopButNotWithAnotherKey)
{
    const std::string music = WriteSyncModule("escape", 32, {{0, 2}, {1, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 200;
    recorder.beforeFrame = [](int frame) {
        if (frame == 10)
            HoldKeys({DIK_ESCAPE, DIK_SPACE});
        if (frame == 40)
            HoldKeys({DIK_ESCAPE});
    };
    RunDemo(music, recorder);
    ASSERT_EQ(recorder.frames.size(), 41u);  // the frame that read Escape alone is the last
    EXPECT_EQ(recorder.frames[20].state.keyState, demo_keys::kEscape + demo_keys::kSpace);
    EXPECT_EQ(recorder.frames[40].state.keyState, demo_keys::kEscape);
    EXPECT_TRUE(recorder.ended);
}

TEST(DemoDriver, TheEndStepsStopTheMusicAndReleaseEveryObject)
{
    const std::string music = WriteSyncModule("end_steps", 32, {{0, 3}, {1, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 20;
    bool musicFreed = false;
    recorder.atEnd = [&](SDemo&) { musicFreed = !BASS_Start() && BASS_ErrorGetCode() == BASS_ERROR_INIT; };
    RunDemo(music, recorder);
    ASSERT_TRUE(recorder.ended);
    EXPECT_TRUE(musicFreed);
    // What stays registered is the screen's own: its overlay font and its render-to-texture plane.
    EXPECT_GT(recorder.registeredAtLoopStart, 60);
    EXPECT_LE(recorder.registeredAtEnd, 2);
}

TEST(DemoDriver, TheHiddenPartCombinationAloneForcesSync99)
{
    const std::string music = WriteSyncModule("hidden", 32, {{0, 1}, {1, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 40;
    recorder.beforeFrame = [](int frame) {
        if (frame == 10)  // the combination and one key more
            HoldKeys({DIK_LSHIFT, DIK_RCONTROL, DIK_7, DIK_8, DIK_9, DIK_UP, DIK_DOWN, DIK_SPACE});
        if (frame == 15)
            HoldKeys({DIK_LSHIFT, DIK_RCONTROL, DIK_7, DIK_8, DIK_9, DIK_UP, DIK_DOWN});
        if (frame == 16)
            HoldKeys({});
    };
    RunDemo(music, recorder);
    ASSERT_EQ(recorder.frames.size(), 40u);
    for (int i = 0; i < 15; ++i) {
        EXPECT_FALSE(recorder.frames[i].state.hiddenRequested) << i;
        EXPECT_NE(recorder.frames[i].state.currentPart, 99) << i;
    }
    EXPECT_EQ(recorder.frames[15].state.keyState, demo_keys::kHiddenPartCombination);
    EXPECT_TRUE(recorder.frames[15].state.hiddenRequested);
    // The hidden part's own frame then freezes the sync at 0.
    EXPECT_EQ(recorder.frames[16].state.currentPart, 99);
    EXPECT_TRUE(recorder.frames[16].state.syncFrozen);
    EXPECT_EQ(recorder.frames[16].state.syncValue, 0);
}

TEST(DemoDriver, WithoutMusicTheScreenStaysClearedAndEscapeEndsIt)
{
    CDemoRecorder recorder;
    recorder.maxFrames = 100;
    bool blank = false;
    recorder.beforeFrame = [](int frame) {
        if (frame == 30)
            HoldKeys({DIK_ESCAPE});
    };
    recorder.afterFrame = [&](SDemo&, int frame) {
        if (frame == 29)
            blank = IsUniform(FrontBuffer());
    };
    const auto boxes = RunDemo(TempName("no_such_module.xm"), recorder);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].caption, "BASS Error");
    EXPECT_EQ(recorder.frames.size(), 31u);
    for (const SFrameRecord& f : recorder.frames) {
        EXPECT_EQ(f.state.syncValue, 0);
        EXPECT_EQ(f.state.currentPart, 0);
    }
    EXPECT_TRUE(blank);
    EXPECT_TRUE(recorder.ended);
}

}  // namespace

namespace {

TEST(DemoDriver, ClosingTheWindowUnwindsTheLoopStopsTheMusicAndReleasesEverything)
{
    const std::string music = WriteSyncModule("close_box", 32, {{0, 1}, {1, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 5000;  // ends only through the window
    bool musicFreed = false;
    recorder.afterFrame = [](SDemo& demo, int frame) {
        if (frame == 10)
            platform::PressCloseBox(demo.screen.GetHWnd());
        if (frame > 10)
            Sleep(2);  // the close box is the pump's, on the other thread
    };
    recorder.atEnd = [&](SDemo&) { musicFreed = !BASS_Start() && BASS_ErrorGetCode() == BASS_ERROR_INIT; };
    RunDemo(music, recorder);
    EXPECT_LT(recorder.frames.size(), 5000u);
    EXPECT_TRUE(recorder.ended);
    EXPECT_TRUE(musicFreed);
    EXPECT_LE(recorder.registeredAtEnd, 2);
}

// Init writes every plane vertex opaque, so the planes drawn half or partly transparent get their
// alphas after it.
TEST(DemoDriver, PlanesGivenAnAlphaAtSetUpKeepIt)
{
    const std::string music = WriteSyncModule("plane_alphas", 32, {});
    CDemoRecorder recorder;
    recorder.maxFrames = 1;
    std::map<std::string, int> alphas;
    recorder.afterFrame = [&](SDemo& demo, int) {
        SDemoObjects& o = demo.objects;
        for (auto [name, plane] : {std::pair<std::string, CPlaneObject*>{"scroll", &o.scrollLayerPlane},
                                   {"top", &o.topBarPlane}, {"dust", &o.dustPlane}, {"logo", &o.logoPlane}}) {
            unsigned long count = 0;
            S3DVERTEX* v = plane->LockVB(count);
            ASSERT_NE(v, nullptr) << name;
            alphas[name] = static_cast<int>(v[count - 1].color >> 24);
            plane->UnlockVB(false);
        }
    };
    RunDemo(music, recorder);
    EXPECT_NEAR(alphas["scroll"], 127, 1);
    EXPECT_NEAR(alphas["top"], 127, 1);
    EXPECT_NEAR(alphas["dust"], 204, 1);
    EXPECT_NEAR(alphas["logo"], 204, 1);
}

}  // namespace
