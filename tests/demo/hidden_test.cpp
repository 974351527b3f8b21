// The hidden part: its message, how the key combination opens it from anywhere and only when exact,
// what holding it on does, the function keys' effects, the scroller and the jumping pixel, and the end.
#include <gtest/gtest.h>

#include <dinput.h>

#include <algorithm>
#include <cmath>

#include "DemoTexts.h"
#include "bass.h"
#include "demo_run.h"

namespace {

constexpr double kFps = 20;

std::vector<unsigned char> With(std::vector<unsigned char> keys, unsigned char extra)
{
    keys.push_back(extra);
    return keys;
}

std::vector<unsigned char> Without(std::vector<unsigned char> keys, unsigned char missing)
{
    keys.erase(std::find(keys.begin(), keys.end(), missing));
    return keys;
}

// Keys to hold from a frame on; the last entry before a frame is what is held in it.
using KeyPlan = std::vector<std::pair<int, std::vector<unsigned char>>>;

CDemoRecorder PlayWithKeys(const std::string& music, const KeyPlan& plan, int frames)
{
    CDemoRecorder recorder;
    recorder.maxFrames = frames;
    recorder.beforeFrame = [plan](int frame) {
        for (const auto& [from, keys] : plan)
            if (from == frame)
                HoldKeys(keys);
    };
    RunDemo(music, recorder, {kFps, ""});
    return recorder;
}

int FirstHiddenFrame(const CDemoRecorder& recorder)
{
    for (size_t i = 0; i < recorder.frames.size(); ++i)
        if (recorder.frames[i].state.currentPart == 99)
            return static_cast<int>(i);
    return -1;
}

// The start puts the scroll back to 0 before the frame moves it on by one step.
bool StartedIn(const SFrameRecord& f)
{
    return std::fabs(f.scratch.hidden.hiddenScroll + 4 * f.state.dt) < 1e-5f;
}

TEST(HiddenText, TwelveHundredNinetySevenLettersWithTwoAccentsEachWithAGlyphThenThreeNulls)
{
    const std::string text = HiddenText();
    ASSERT_EQ(text.size(), 1300u);
    EXPECT_EQ(LettersWithoutGlyph(text, 1297), std::vector<int>());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\xE9'), 2);
    for (unsigned char c : text.substr(0, 1297))
        EXPECT_TRUE((c >= 32 && c < 127) || c == 0xE9) << static_cast<int>(c);
    EXPECT_EQ(text.substr(1297), std::string(3, '\0'));
}

TEST(HiddenPart, OpensBeforeTheFirstPartAndStaysWhateverTheMusicSignalsNext)
{
    const std::string music = WriteSyncModule("hidden_early", 64, {{20, 9}, {21, 16}, {40, 15}});
    const CDemoRecorder r = PlayWithKeys(music, {{10, HiddenPartKeys()}, {11, {}}}, 120);
    ASSERT_EQ(r.frames.size(), 120u);
    EXPECT_EQ(r.frames[9].state.currentPart, 0);
    EXPECT_TRUE(r.frames[10].state.hiddenRequested);
    EXPECT_EQ(FirstHiddenFrame(r), 11);
    for (size_t i = 11; i < r.frames.size(); ++i) {
        const SDriverState& s = r.frames[i].state;
        ASSERT_EQ(s.currentPart, 99) << i;
        EXPECT_FALSE(s.musicOn) << i;
        EXPECT_TRUE(s.syncFrozen) << i;
        EXPECT_EQ(s.syncValue, 0) << i;
    }
}

TEST(HiddenPart, OpensFromAPartOnlyWhenExactlyTheCombinationIsHeld)
{
    const std::string music = WriteSyncModule("hidden_from_part", 64, {{0, 9}, {1, 16}});
    const std::vector<unsigned char> exact = HiddenPartKeys();
    const CDemoRecorder r = PlayWithKeys(
        music, {{10, With(exact, DIK_LEFT)}, {16, Without(exact, DIK_DOWN)}, {22, {}}, {30, exact}, {31, {}}}, 40);
    ASSERT_EQ(r.frames.size(), 40u);
    for (int i = 1; i < 30; ++i) {
        EXPECT_EQ(r.frames[i].state.currentPart, 9) << i;
        EXPECT_FALSE(r.frames[i].state.hiddenRequested) << i;
    }
    EXPECT_EQ(FirstHiddenFrame(r), 31);
}

TEST(HiddenPart, HoldingTheCombinationRestartsTheSecondMusicEverySecondFrameUntilReleased)
{
    const std::string music = WriteSyncModule("hidden_held", 64, {{0, 15}, {1, 16}});
    const int release = 25;
    std::vector<int> musicRows;
    CDemoRecorder r;
    r.maxFrames = release + 60;
    r.beforeFrame = [&](int frame) {
        if (frame == 5)
            HoldKeys(HiddenPartKeys());
        if (frame == release)
            HoldKeys({});
    };
    r.afterFrame = [&](SDemo& demo, int) {
        int order = 0, row = 0;
        demo.objects.hiddenMusic.GetPosition(order, row);
        musicRows.push_back(order * 256 + row);
    };
    RunDemo(music, r, {kFps, ""});
    ASSERT_EQ(r.frames.size(), static_cast<size_t>(release + 60));
    std::vector<int> starts;
    for (size_t i = 0; i < r.frames.size(); ++i)
        if (r.frames[i].state.currentPart == 99 && StartedIn(r.frames[i]))
            starts.push_back(static_cast<int>(i));
    EXPECT_EQ(starts, (std::vector<int>{6, 8, 10, 12, 14, 16, 18, 20, 22, 24}));
    // Restarted every tenth of a second, the module never gets past its first row while held ...
    for (int i = 6; i < release; ++i)
        EXPECT_LE(musicRows[i], 1) << i;
    // ... and plays on once the keys are let go, as does the message, which never starts over.
    EXPECT_GT(musicRows.back(), 8);
    for (size_t i = release; i < r.frames.size(); ++i) {
        const SFrameRecord& f = r.frames[i];
        EXPECT_NEAR(f.scratch.hidden.hiddenScroll - r.frames[i - 1].scratch.hidden.hiddenScroll, -4 * f.state.dt, 1e-4)
            << i;
        EXPECT_EQ(f.state.currentPart, 99) << i;
    }
}

TEST(HiddenPart, ThePixelBouncesBetweenItsLimitsByAStepFixedAtTheStart)
{
    const std::string music = WriteSyncModule("hidden_pixel", 64, {});
    const CDemoRecorder r = PlayWithKeys(music, {{2, HiddenPartKeys()}, {3, {}}}, 60);
    ASSERT_EQ(FirstHiddenFrame(r), 3);
    const float step = 15 * r.frames[3].state.dt;
    bool top = false, bottom = false;
    for (size_t i = 3; i < r.frames.size(); ++i) {
        const SHiddenValues& h = r.frames[i].scratch.hidden;
        EXPECT_FLOAT_EQ(std::fabs(h.pixelStep), step) << i;
        EXPECT_GE(h.pixelHeight, -0.5f) << i;
        EXPECT_LE(h.pixelHeight, 2.0f) << i;
        top = top || h.pixelHeight == 2.0f;
        bottom = bottom || h.pixelHeight == -0.5f;
    }
    EXPECT_TRUE(top);
    EXPECT_TRUE(bottom);
}

TEST(HiddenPart, FunctionKeysFireTheirEffectsAndAPressAgainRestartsTheFade)
{
    const std::string music = WriteSyncModule("hidden_keys", 64, {});
    const CDemoRecorder r = PlayWithKeys(music,
                                         {{2, HiddenPartKeys()},
                                          {3, {}},
                                          {10, {DIK_F1}},
                                          {11, {}},
                                          {20, {DIK_F1}},
                                          {21, {DIK_F2}},
                                          {22, {DIK_F3}},
                                          {23, {DIK_F4}},
                                          {24, {DIK_F7}},
                                          {25, {DIK_SPACE}},
                                          {26, {DIK_F1, DIK_F2}},
                                          {27, {}}},
                                         40);
    ASSERT_EQ(r.frames.size(), 40u);
    // Frame times vary in the last bits: levels are compared to a ten-thousandth.
    const float dt = r.frames[10].state.dt;
    const auto hidden = [&r](int frame) { return r.frames[frame].scratch.hidden; };
    EXPECT_NEAR(hidden(9).gridLevel, 0, 1e-4);
    EXPECT_NEAR(hidden(10).gridLevel, 0.8f - dt / 2, 1e-4);
    EXPECT_NEAR(hidden(19).gridLevel, 0.8f - 10 * dt / 2, 1e-4);
    EXPECT_NEAR(hidden(20).gridLevel, 0.8f - dt / 2, 1e-4);
    EXPECT_NEAR(hidden(21).trailLevel, 0.8f - dt / 2, 1e-4);
    EXPECT_NEAR(hidden(22).systemLevel, 0.8f - dt / 2, 1e-4);
    EXPECT_NEAR(hidden(23).toriLevel, 0.8f - dt / 3, 1e-4);
    EXPECT_EQ(hidden(23).titleEffect, 0);
    EXPECT_EQ(hidden(24).titleEffect, 3);
    EXPECT_EQ(hidden(39).titleEffect, 3);
    EXPECT_NEAR(hidden(25).savoirAlpha, 1 - dt, 1e-4);
    // Two keys together are neither key alone: nothing restarts.
    EXPECT_LT(hidden(26).gridLevel, hidden(25).gridLevel);
    EXPECT_LT(hidden(26).trailLevel, hidden(25).trailLevel);
    EXPECT_NEAR(hidden(39).gridLevel, 0.8f - 20 * dt / 2, 1e-4);
}

TEST(HiddenPart, EscapeEndsTheDemoWithTheSecondMusicStoppedAndReleased)
{
    const std::string music = WriteSyncModule("hidden_escape", 64, {});
    bool libraryFree = false;
    CDemoRecorder r;
    r.maxFrames = 100;
    r.beforeFrame = [](int frame) {
        if (frame == 2)
            HoldKeys(HiddenPartKeys());
        if (frame == 3)
            HoldKeys({});
        if (frame == 20)
            HoldKeys({DIK_ESCAPE});
    };
    r.atEnd = [&libraryFree](SDemo&) {
        // The player's clean-up released the sound library: it can be started afresh.
        libraryFree = BASS_Init(-1, 44100, 0, nullptr, nullptr) != FALSE;
        if (libraryFree)
            BASS_Free();
    };
    const auto boxes = RunDemo(music, r, {kFps, ""});
    EXPECT_TRUE(boxes.empty());
    ASSERT_TRUE(r.ended);
    EXPECT_EQ(r.frames.size(), 21u);
    EXPECT_EQ(r.frames.back().state.currentPart, 99);
    EXPECT_FALSE(r.frames.back().state.musicOn);
    EXPECT_TRUE(libraryFree);
    EXPECT_LE(r.registeredAtEnd, 2);
}

}  // namespace
