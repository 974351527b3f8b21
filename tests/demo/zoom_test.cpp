// The zoom into the picture: held at its first layer sizes under a fading still picture until sync 21
// starts the dive.
#include <gtest/gtest.h>

#include "demo_run.h"

namespace {

TEST(ZoomPart, Without21TheLayersStayAtTheFirstPointAndTheStillFadesOutIn3Seconds)
{
    const std::string music = WriteSyncModule("zoom", 64, {{0, 13}, {1, 16}, {40, 21}, {41, 16}});
    CDemoRecorder recorder;
    recorder.maxFrames = 330;
    RunDemo(music, recorder);
    ASSERT_EQ(recorder.frames.size(), 330u);
    // Row 40 (sync 21) is heard at 4.8 s, frame 288 at 60 fps.
    // The set-up reads the path once, just after its first point; the layers stay there.
    const SScratch& first = recorder.frames[20].scratch;
    EXPECT_LT(first.px, 0.1f);
    EXPECT_NEAR(first.zoom.alphaA, 1, 1e-5f);
    for (int i = 20; i < 280; ++i) {
        const SFrameRecord& f = recorder.frames[i];
        ASSERT_EQ(f.state.currentPart, 13) << i;
        EXPECT_EQ(f.state.subState, 0) << i;
        EXPECT_FLOAT_EQ(f.scratch.px, first.px) << i;
        EXPECT_FLOAT_EQ(f.scratch.pa, first.pa) << i;
        EXPECT_FLOAT_EQ(f.scratch.zoom.alphaB, first.zoom.alphaB) << i;
        EXPECT_FLOAT_EQ(f.scratch.zoom.reticleAlpha, 0) << i;
    }
    const SZoomValues& halfway = recorder.frames[98].scratch.zoom;  // 1.5 s after the part's start
    EXPECT_GT(halfway.stillAlpha, 0.4f);
    EXPECT_LT(halfway.stillAlpha, 0.6f);
    EXPECT_FLOAT_EQ(recorder.frames[200].scratch.zoom.stillAlpha, 0);
    const SFrameRecord& diving = recorder.frames.back();
    EXPECT_EQ(diving.state.subState, 2);
    EXPECT_GT(diving.scratch.px, first.px);
    EXPECT_GT(diving.scratch.zoom.reticleAlpha, 0);
}

}  // namespace
