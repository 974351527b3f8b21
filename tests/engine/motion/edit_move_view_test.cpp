// What the path editor shows and what it does to the screen: the help and status lines, the frozen
// and scrubbed scene clock, the free and the path camera, and the trajectory's markers on the picture.
#include <dinput.h>

#include <cmath>
#include <string>
#include <vector>

#include "edit_move_support.h"
#include "move_test_clock.h"

namespace {

using namespace edit_move_test;

TEST(EditMoveView, HelpAndStatusLinesGiveTheEditorsState)
{
    std::vector<std::string> lines;
    std::string paused, second, afterTab;
    RunEditor([&] {
        CMove path;
        AddPoint(path, {0, 0, 0}, {1, 0, 0}, 10.0f, 0.5f);
        AddPoint(path, {100, 0, 0}, {1, 0, 0}, 30.0f, 1.5f);
        CEditMove editor(path);
        EditFrame(editor);
        for (int i = 0; i < 5; ++i)
            lines.push_back(Line(i));
        EditFrame(editor);
        second = Line(4);
        Press(editor, {DIK_SPACE});
        paused = Line(3);
        path.SetMode(CMove::MOVE_BSPLINE);
        Press(editor, {DIK_TAB});
        afterTab = Line(3);
    });
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "[F1]Display Traj. [F2] Type traj. [F3] Camera modes [SPACE]Play/Stop [TAB] Change "
                        "selected point");
    EXPECT_EQ(lines[1], "[F4] Close the loop [F5] Modify Pos [F6] Modify Dir [F7] Add a point [F8] Remove "
                        "selected point");
    EXPECT_EQ(lines[2], "[RETURN] Save [1][2] Change X pos/dir [3][4] Change Y pos/dir [5][6] Change Z pos/dir");
    EXPECT_EQ(lines[3], "Mode:PLAY Active point: 0 [LINEAR] Speed:10.00 [F9/F10] Zoom:0.50 [F11/F12]");
    // At distance 0 the path shows parameter 0.1; the speed is the one read before this frame's step.
    EXPECT_EQ(lines[4], "Current Zoom: 0.60 Current Speed: 10.00");
    // After 0.1 s at speed 12 the distance is 1.2, parameter 0.112.
    EXPECT_EQ(second, "Current Zoom: 0.61 Current Speed: 12.00");
    EXPECT_EQ(paused, "Mode:EDIT Active point: 0 [LINEAR] Speed:10.00 [F9/F10] Zoom:0.50 [F11/F12]");
    EXPECT_EQ(afterTab, "Mode:EDIT Active point: 1 [BSPLINE] Speed:30.00 [F9/F10] Zoom:1.50 [F11/F12]");
}

TEST(EditMoveView, TFreezesTheClockZAndXScrubItAndRRestartsIt)
{
    float beforeFreeze = 0, atFreeze = 0;
    std::vector<float> frozen, scrubbed, restarted, running;
    RunEditor([&] {
        CScreen& screen = CScreen::Instance();
        CMove path;
        AddPoint(path, {0, 0, 0}, {0, 0, 1});
        CEditMove editor(path);
        for (int i = 0; i < 3; ++i)
            EditFrame(editor);
        beforeFreeze = screen.GetTickCount();
        HoldOnlyKeys({DIK_T});
        EditFrame(editor);
        atFreeze = screen.GetTickCount();
        HoldOnlyKeys({});
        for (int i = 0; i < 3; ++i) {
            EditFrame(editor);
            frozen.push_back(screen.GetTickCount());
        }
        HoldOnlyKeys({DIK_X});
        for (int i = 0; i < 5; ++i)
            EditFrame(editor);
        HoldOnlyKeys({DIK_Z});
        for (int i = 0; i < 2; ++i)
            EditFrame(editor);
        HoldOnlyKeys({});
        EditFrame(editor);
        scrubbed.push_back(screen.GetTickCount());
        EditFrame(editor);
        scrubbed.push_back(screen.GetTickCount());
        Press(editor, {DIK_R});
        restarted.push_back(screen.GetTickCount());
        EditFrame(editor);
        restarted.push_back(screen.GetTickCount());
        Press(editor, {DIK_T});
        EditFrame(editor);
        running.push_back(screen.GetTickCount());
        EditFrame(editor);
        running.push_back(screen.GetTickCount());
        EXPECT_FALSE(editor.IsTimeFrozen());
    });
    EXPECT_NEAR(atFreeze, beforeFreeze + 0.1f, 1e-4f);
    for (float t : frozen)
        EXPECT_NEAR(t, atFreeze, 1e-4f);
    // Five frames of X forward, two of Z back: 0.06 s later, and standing there.
    for (float t : scrubbed)
        EXPECT_NEAR(t, atFreeze + 0.06f, 1e-4f);
    for (float t : restarted)
        EXPECT_NEAR(t, 0.0f, 1e-4f);
    ASSERT_EQ(running.size(), 2u);
    EXPECT_NEAR(running[1] - running[0], 0.1f, 1e-4f);
    EXPECT_GT(running[0], 0.05f);
}

TEST(EditMoveView, FreeCameraLooksThroughTheUsualLensAndF3PutsTheViewOnThePath)
{
    float freeLens = 0, pathLens = 0, backToFree = 0;
    float x = 0, y = 0, z = 0, dx = 0, dy = 0, dz = 0;
    bool stillCamera = false, freeAfterF3 = true;
    RunEditor([&] {
        CScreen& screen = CScreen::Instance();
        CMove path;
        AddPoint(path, {3, 4, 5}, {0, 0, 2}, 10.0f, 1.2f);
        path.SetAsCamera(true);
        CEditMove editor(path);
        Press(editor, {DIK_F1});
        freeLens = screen.GetProjMatrix()._22;
        Press(editor, {DIK_F3});
        freeAfterF3 = editor.IsFreeCamera();
        pathLens = screen.GetProjMatrix()._22;
        screen.GetCameraPosition(x, y, z, dx, dy, dz);
        Press(editor, {DIK_F3});
        backToFree = screen.GetProjMatrix()._22;
        stillCamera = path.GetAsCamera();
    });
    EXPECT_NEAR(freeLens, 1.0f / std::tan(0.785398f / 2), 1e-4f);
    EXPECT_FALSE(freeAfterF3);
    EXPECT_NEAR(pathLens, 1.0f / std::tan(1.2f / 2), 1e-4f);
    EXPECT_VEC_NEAR(D3DXVECTOR3(x, y, z), 3, 4, 5, 0.0f);
    EXPECT_VEC_NEAR(D3DXVECTOR3(dx, dy, dz), 0, 0, 2, 0.0f);
    EXPECT_NEAR(backToFree, 1.0f / std::tan(0.785398f / 2), 1e-4f);
    EXPECT_TRUE(stillCamera);
}

// Where a world point lands on the picture, through the transforms of the frame just drawn.
POINT Project(const D3DXVECTOR3& point)
{
    CScreen& screen = CScreen::Instance();
    const D3DXMATRIX view = screen.GetViewMatrix(), projection = screen.GetProjMatrix();
    const D3DXMATRIX toClip = view * projection;
    D3DXVECTOR3 clip;
    D3DXVec3TransformCoord(&clip, &point, &toClip);
    const float x = (clip.x + 1.0f) * 0.5f * screen.GetXResolution();
    const float y = (1.0f - clip.y) * 0.5f * screen.GetYResolution();
    return POINT{static_cast<LONG>(std::lround(x)), static_cast<LONG>(std::lround(y))};
}

struct SRgb {
    int r, g, b;
};

SRgb PixelAt(const D3DXVECTOR3& point)
{
    const POINT p = Project(point);
    const DWORD c = FrontPixel(p.x, p.y);
    return {static_cast<int>((c >> 16) & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>(c & 0xFF)};
}

// Three points across the view of the free camera: the first active (purple), the last grey; the
// curve's first segment in dark purple, its second in green.
TEST(EditMoveView, TrajectoryMarkersAreDrawnWhereThePathRuns)
{
    SRgb active{}, grey{}, firstSegment{}, secondSegment{}, hidden{};
    RunEditor([&] {
        CMove path;
        CEditMove editor(path);
        EditFrame(editor);
        EditFrame(editor);
        D3DXVECTOR3 eye, forward;
        CScreen::Instance().GetCameraPosition(eye.x, eye.y, eye.z, forward.x, forward.y, forward.z);
        D3DXVECTOR3 right;
        const D3DXVECTOR3 up(0, 1, 0);
        D3DXVec3Cross(&right, &up, &forward);
        D3DXVec3Normalize(&right, &right);
        D3DXVec3Normalize(&forward, &forward);
        const D3DXVECTOR3 a = eye + forward * 20.0f - right * 7.0f, b = eye + forward * 20.0f,
                          c = eye + forward * 20.0f + right * 7.0f;
        for (const D3DXVECTOR3& p : {a, b, c})
            AddPoint(path, p, right);
        path.Stop();
        EditFrame(editor);
        hidden = PixelAt(a);
        Press(editor, {DIK_F1});
        active = PixelAt(a);
        grey = PixelAt(c);
        firstSegment = PixelAt(a + right * 3.5f);
        secondSegment = PixelAt(b + right * 3.5f);
    });
    EXPECT_EQ(hidden.r + hidden.g + hidden.b, 0);
    EXPECT_GT(active.r, active.g + 60);
    EXPECT_GT(active.b, active.g + 60);
    EXPECT_GT(grey.r, 60);
    EXPECT_NEAR(grey.r, grey.g, 12);
    EXPECT_NEAR(grey.g, grey.b, 12);
    EXPECT_GT(firstSegment.r, firstSegment.g + 30);
    EXPECT_GT(secondSegment.g, secondSegment.r + 60);
}

// With the trajectory shown, a camera path's camera is marked by a box where the path is now; a path
// that is not a camera's shows only its curve there.
TEST(EditMoveView, ABoxMarksTheCameraOfACameraPath)
{
    SRgb camera{}, plain{};
    RunEditor([&] {
        CMove path;
        CEditMove editor(path);
        EditFrame(editor);
        EditFrame(editor);
        D3DXVECTOR3 eye, forward, right;
        CScreen::Instance().GetCameraPosition(eye.x, eye.y, eye.z, forward.x, forward.y, forward.z);
        const D3DXVECTOR3 up(0, 1, 0);
        D3DXVec3Cross(&right, &up, &forward);
        D3DXVec3Normalize(&right, &right);
        D3DXVec3Normalize(&forward, &forward);
        AddPoint(path, eye + forward * 15.0f - right * 5.0f, right);
        AddPoint(path, eye + forward * 15.0f + right * 5.0f, right);
        path.Stop();
        path.SetAsCamera(true);
        Press(editor, {DIK_F1});
        const SMoveSample now = CurrentSample(path);
        camera = PixelAt(now.position);
        path.SetAsCamera(false);
        EditFrame(editor);
        plain = PixelAt(now.position);
    });
    // The curve's first segment is dark purple; the box is lit grey.
    EXPECT_GT(plain.r, plain.g + 30);
    EXPECT_GT(camera.g, 40) << camera.r << " " << camera.g << " " << camera.b;
    EXPECT_NEAR(camera.r, camera.g, 12);
    EXPECT_NEAR(camera.g, camera.b, 12);
}

}  // namespace
