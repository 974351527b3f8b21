// The greetings: the line's fixed shape and font coverage, and how the steps bring the star mesh and
// the wheels in and out while the line scrolls away once.
#include <gtest/gtest.h>

#include "DemoTexts.h"
#include "demo_run.h"

namespace {

TEST(GreetingsText, TwoHundredTwentyOneLettersEachWithAGlyphThenNineNulls)
{
    const std::string text = GreetingsText();
    ASSERT_EQ(text.size(), 230u);
    EXPECT_EQ(LettersWithoutGlyph(text, 221), std::vector<int>());
    for (int k = 221; k < 230; ++k)
        EXPECT_EQ(text[k], '\0') << k;
}

TEST(GreetingsPart, StepsBringTheStarAndWheelsInAndOutAndTheLineScrollsOnce)
{
    const std::string music =
        WriteSyncModule("greetings", 64, {{0, 11}, {1, 16}, {10, 19}, {11, 16}, {20, 20}, {21, 16}, {30, 21}, {31, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 300;
    RunDemo(music, recorder);
    ASSERT_EQ(recorder.frames.size(), 300u);
    // Rows last 0.12 s: 19 at 1.2 s, 20 at 2.4 s, 21 at 3.6 s (frames 72, 144, 216 at 60 fps).
    for (int i = 0; i < 70; ++i) {
        EXPECT_FLOAT_EQ(recorder.frames[i].scratch.greetings.starAlpha, 0) << i;
        EXPECT_FLOAT_EQ(recorder.frames[i].scratch.greetings.wheelAlpha, 0) << i;
    }
    const SGreetingsValues& before20 = recorder.frames[140].scratch.greetings;
    EXPECT_GT(before20.starAlpha, 0);
    EXPECT_LE(before20.starAlpha, 0.3f);
    EXPECT_FLOAT_EQ(before20.wheelAlpha, 0);
    const SGreetingsValues& before21 = recorder.frames[212].scratch.greetings;
    EXPECT_GT(before21.wheelAlpha, 0);
    EXPECT_LE(before21.wheelAlpha, 0.6f);
    EXPECT_EQ(recorder.frames[250].state.subState, 3);
    for (int i = 220; i < 300; ++i) {
        const SGreetingsValues& g = recorder.frames[i].scratch.greetings;
        EXPECT_LT(g.starAlpha, recorder.frames[i - 1].scratch.greetings.starAlpha + 1e-6f) << i;
        EXPECT_GE(g.starAlpha, 0.1f) << i;
        EXPECT_GE(g.wheelAlpha, 0.1f) << i;
    }
    // The line moves left at 8 letter units a second and never jumps back.
    for (int i = 10; i < 300; ++i) {
        const SFrameRecord& f = recorder.frames[i];
        EXPECT_NEAR(f.scratch.greetings.scroll - recorder.frames[i - 1].scratch.greetings.scroll, -8 * f.state.dt,
                    1e-4f)
            << i;
    }
}

}  // namespace
