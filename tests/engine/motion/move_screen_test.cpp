// A path on the screen's own clock: time from the frames, the screen's ResetTime, and a camera
// path's zoom reaching the screen's projection.
#include <gtest/gtest.h>

#include <cmath>

#include "move_test_clock.h"
#include "platform_clock.h"
#include "screen_run.h"

namespace {

void Frame()
{
    CScreen::Instance().BeginScene(true);
    CScreen::Instance().EndScene(true);
}

float CurrentX(CMove& path)
{
    float px, py, pz, dx, dy, dz, ux, uy, uz;
    path.GetCurrentPosition(px, py, pz, dx, dy, dz, ux, uy, uz);
    return px;
}

TEST(MoveScreen, PathRunsOnTheScreenClockAndDrivesItsFieldOfView)
{
    float moved = 0, afterReset = 0, afterNextFrame = 0;
    D3DXMATRIX projection;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        platform::UseVirtualClock(0.0);
        platform::AdvanceVirtualClock(1.0);
        Frame();
        CMove path;
        path.AddPoint(0, 0, 0, 0, 0, 1, 10, 0, 1, 0, 0.5f);
        path.AddPoint(100, 0, 0, 0, 0, 1, 10, 0, 1, 0, 1.5f);
        path.SetAsCamera(true);
        platform::AdvanceVirtualClock(0.5);
        Frame();
        moved = CurrentX(path);
        projection = screen.GetProjMatrix();

        screen.ResetTime();
        afterReset = CurrentX(path);
        platform::AdvanceVirtualClock(0.5);
        Frame();
        afterNextFrame = CurrentX(path);
        platform::UseSystemClock();
    });
    // 0.5 s at speed 10 is distance 5: parameter 0.15, zoom 0.65.
    EXPECT_NEAR(moved, 15.0f, 1e-2f);
    EXPECT_NEAR(projection._22, 1.0f / std::tan(0.65f / 2.0f), 1e-3f);
    EXPECT_NEAR(afterReset, 10.0f, 1e-3f);
    EXPECT_NEAR(afterNextFrame, 15.0f, 1e-2f);
}

}  // namespace
