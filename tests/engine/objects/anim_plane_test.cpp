// Animated planes: the texture window steps through the strip at the video speed.
#include <gtest/gtest.h>

#include "object_test_support.h"
#include "objects/AnimPlaneObject.h"
#include "platform_clock.h"

namespace {

// The image shown after each of frames draws, 0.15 s apart, the first at scene time 0.
std::vector<int> ImagesShown(bool loop, int frames)
{
    std::vector<int> shown;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        CAnimPlaneObject anim;
        anim.SetNumberImages(4);
        anim.SetVideoSpeed(10.0f);
        anim.SetLoop(loop);
        anim.Init();
        anim.Play();
        platform::UseVirtualClock(0.0);
        screen.BeginScene();
        screen.EndScene();
        screen.ResetTime();
        for (int i = 0; i < frames; ++i) {
            screen.BeginScene();
            anim.Render();
            screen.EndScene();
            const std::vector<S3DVERTEX> v = ReadVertices(anim);
            shown.push_back(v.empty() ? -1 : static_cast<int>(v[0].tu * 4 + 0.5f));
            EXPECT_NEAR(v[1].tu - v[0].tu, 0.25f, 1e-6f);
            platform::AdvanceVirtualClock(0.15);
        }
        platform::UseSystemClock();
        anim.CleanUp();
    });
    return shown;
}

TEST(AnimPlane, WithoutLoopTheLastImageStays)
{
    EXPECT_EQ(ImagesShown(false, 6), (std::vector<int>{0, 1, 2, 3, 3, 3}));
}

TEST(AnimPlane, WithLoopTheFirstImageFollowsTheLast)
{
    EXPECT_EQ(ImagesShown(true, 6), (std::vector<int>{0, 1, 2, 3, 0, 1}));
}

TEST(AnimPlane, StoppedAnimationKeepsItsImageAndAPositionPastTheStripShowsTheLast)
{
    float u0 = -1, pastU0 = -1;
    RunScreen({}, [&] {
        CAnimPlaneObject anim;
        anim.SetNumberImages(5);
        anim.SetVideoPosition(2);
        anim.Init();
        CScreen::Instance().BeginScene();
        anim.Render();
        u0 = ReadVertices(anim)[0].tu;
        anim.SetVideoPosition(9);
        anim.Render();
        pastU0 = ReadVertices(anim)[0].tu;
        CScreen::Instance().EndScene();
        anim.CleanUp();
    });
    EXPECT_FLOAT_EQ(u0, 0.4f);
    EXPECT_FLOAT_EQ(pastU0, 0.8f);
}

}  // namespace
