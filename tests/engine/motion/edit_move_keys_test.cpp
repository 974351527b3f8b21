// The path editor's keys through the keyboard state: one action per press, one key at a time, and
// each key's change to the path.
#include <dinput.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>

#include "edit_move_support.h"
#include "move_test_clock.h"

namespace {

using namespace edit_move_test;

// A square of four points in the x-z plane, each looking along +z.
void AddSquare(CMove& path)
{
    AddPoint(path, {0, 0, 0}, {0, 0, 1}, 10.0f);
    AddPoint(path, {10, 0, 0}, {0, 0, 1}, 12.0f);
    AddPoint(path, {10, 0, 10}, {0, 0, 1}, 14.0f);
    AddPoint(path, {0, 0, 10}, {0, 0, 1}, 16.0f);
}

TEST(EditMoveKeys, SpeedAndZoomChangeOncePerPressOfALoneKey)
{
    float afterHeld = 0, afterSecond = 0, afterRaise = 0, afterZoomDown = 0, afterZoomUp = 0;
    float afterChord = 0;
    RunEditor([&] {
        CMove path;
        AddSquare(path);
        CEditMove editor(path);
        HoldOnlyKeys({DIK_F9});
        for (int i = 0; i < 5; ++i)
            EditFrame(editor);
        afterHeld = path.GetSpeed(0);
        HoldOnlyKeys({});
        EditFrame(editor);
        Press(editor, {DIK_F9});
        afterSecond = path.GetSpeed(0);
        Press(editor, {DIK_F10});
        afterRaise = path.GetSpeed(0);
        Press(editor, {DIK_F11});
        afterZoomDown = path.GetZoom(0);
        Press(editor, {DIK_F12});
        Press(editor, {DIK_F12});
        afterZoomUp = path.GetZoom(0);
        // A second key held with F10 makes a word that is no key's.
        Press(editor, {DIK_F10, DIK_LSHIFT});
        afterChord = path.GetSpeed(0);
        EXPECT_EQ(path.GetSpeed(1), 12.0f);
    });
    EXPECT_EQ(afterHeld, 9.0f);
    EXPECT_EQ(afterSecond, 8.0f);
    EXPECT_EQ(afterRaise, 9.0f);
    EXPECT_NEAR(afterZoomDown, 0.685398f, 1e-6f);
    EXPECT_NEAR(afterZoomUp, 0.885398f, 1e-6f);
    EXPECT_EQ(afterChord, 9.0f);
}

TEST(EditMoveKeys, TabWalksThePointsAndSpaceWithTabDoesNothing)
{
    std::vector<int> selected;
    bool playingAfterChord = false, playingAfterSpace = true;
    int activeAfterChord = -1;
    RunEditor([&] {
        CMove path;
        AddPoint(path, {0, 0, 0}, {0, 0, 1});
        AddPoint(path, {5, 0, 0}, {0, 0, 1});
        AddPoint(path, {5, 5, 0}, {0, 0, 1});
        CEditMove editor(path);
        for (int i = 0; i < 4; ++i) {
            Press(editor, {DIK_TAB});
            selected.push_back(editor.GetActivePoint());
        }
        Press(editor, {DIK_SPACE, DIK_TAB});
        playingAfterChord = editor.IsPlaying();
        activeAfterChord = editor.GetActivePoint();
        Press(editor, {DIK_SPACE});
        playingAfterSpace = editor.IsPlaying();
    });
    EXPECT_EQ(selected, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_TRUE(playingAfterChord);
    EXPECT_EQ(activeAfterChord, 1);
    EXPECT_FALSE(playingAfterSpace);
}

TEST(EditMoveKeys, SpaceStopsAndRestartsTheTravel)
{
    float stopped1 = 0, stopped2 = -1, resumed = 0;
    RunEditor([&] {
        CMove path;
        AddPoint(path, {0, 0, 0}, {0, 0, 1});
        AddPoint(path, {100, 0, 0}, {0, 0, 1});
        path.SetLoop(false);
        CEditMove editor(path);
        Press(editor, {DIK_SPACE});
        stopped1 = CurrentSample(path).position.x;
        EditFrame(editor);
        EditFrame(editor);
        stopped2 = CurrentSample(path).position.x;
        Press(editor, {DIK_SPACE});
        EditFrame(editor);
        resumed = CurrentSample(path).position.x;
    });
    EXPECT_EQ(stopped1, stopped2);
    EXPECT_GT(resumed, stopped2 + 1.0f);
}

TEST(EditMoveKeys, F2CyclesTheSplinesAndLeavesAStepPathAlone)
{
    CMove::tMoveMode stepAfter = CMove::MOVE_LINEAR;
    std::vector<CMove::tMoveMode> cycle;
    std::string lineAfterFirst;
    RunEditor([&] {
        CMove step;
        AddSquare(step);
        step.SetMode(CMove::MOVE_STEP);
        {
            CEditMove editor(step);
            Press(editor, {DIK_F2});
            stepAfter = step.GetMode();
        }
        CMove path;
        AddSquare(path);
        CEditMove editor(path);
        for (int i = 0; i < 3; ++i) {
            Press(editor, {DIK_F2});
            if (i == 0)
                lineAfterFirst = Line(3);
            cycle.push_back(path.GetMode());
        }
    });
    EXPECT_EQ(stepAfter, CMove::MOVE_STEP);
    EXPECT_EQ(cycle, (std::vector<CMove::tMoveMode>{CMove::MOVE_HSPLINE, CMove::MOVE_BSPLINE, CMove::MOVE_LINEAR}));
    EXPECT_NE(lineAfterFirst.find(" [HSPLINE]"), std::string::npos) << lineAfterFirst;
}

TEST(EditMoveKeys, PositionModeMovesTheActivePointAndMeasuresTheCurveAgain)
{
    SPoint moved{}, back{};
    float totalBefore = 0, totalAfter = 0;
    int modeAfterSecondF5 = -1;
    RunEditor([&] {
        CMove path;
        AddPoint(path, {0, 0, 0}, {0, 0, 1});
        AddPoint(path, {10, 0, 0}, {0, 0, 1});
        AddPoint(path, {20, 0, 0}, {0, 0, 1});
        CEditMove editor(path);
        Press(editor, {DIK_TAB});
        totalBefore = path.GetTotalDistance();
        Press(editor, {DIK_F5});
        Press(editor, {DIK_2});
        moved = PointOf(path, 1);
        totalAfter = path.GetTotalDistance();
        Press(editor, {DIK_4});
        Press(editor, {DIK_6});
        Press(editor, {DIK_1});
        Press(editor, {DIK_3});
        Press(editor, {DIK_5});
        back = PointOf(path, 1);
        Press(editor, {DIK_F5});
        modeAfterSecondF5 = editor.GetModifyMode();
        Press(editor, {DIK_2});
        EXPECT_EQ(PointOf(path, 1).position.x, 10.0f);
    });
    EXPECT_VEC_NEAR(moved.position, 11, 0, 0, 0.0f);
    EXPECT_EQ(moved.speed, 10.0f);
    EXPECT_VEC_NEAR(moved.direction, 0, 0, 1, 0.0f);
    // The total is the length up to parameter 0.9 of the second segment: 11 + 0.9 x 9.
    EXPECT_NEAR(totalBefore, 19.0f, 1e-4f);
    EXPECT_NEAR(totalAfter, 19.1f, 1e-4f);
    EXPECT_VEC_NEAR(back.position, 10, 0, 0, 0.0f);
    EXPECT_EQ(modeAfterSecondF5, CEditMove::MODIFY_NONE);
}

TEST(EditMoveKeys, DirectionModeTurnsTheDirectionAndRollsTheUpVector)
{
    SPoint tilted{}, turned{}, rolled{}, untouched{};
    int modeAfterF5 = -1;
    RunEditor([&] {
        CMove path;
        AddPoint(path, {0, 0, 0}, {0, 0, 1});
        AddPoint(path, {10, 0, 0}, {0, 0, 1});
        CEditMove editor(path);
        Press(editor, {DIK_F6});
        Press(editor, {DIK_1});
        tilted = PointOf(path, 0);
        path.ChangePoint(0, 0, 0, 0, 0, 1, 10, 0, 1, 0, 0.785398f, 0);
        Press(editor, {DIK_3});
        turned = PointOf(path, 0);
        path.ChangePoint(0, 0, 0, 0, 0, 1, 10, 0, 1, 0, 0.785398f, 0);
        Press(editor, {DIK_5});
        rolled = PointOf(path, 0);
        untouched = PointOf(path, 1);
        Press(editor, {DIK_F5});
        modeAfterF5 = editor.GetModifyMode();
    });
    // side = up x dir = +x: the direction tips 0.1 rad about x, from +z towards -y.
    EXPECT_VEC_NEAR(tilted.direction, 0, -std::sin(0.1f), std::cos(0.1f), 1e-5f);
    EXPECT_VEC_NEAR(tilted.up, 0, 1, 0, 1e-6f);
    // axis2 = side x dir = -y: the direction swings within the ground plane, towards -x.
    EXPECT_VEC_NEAR(turned.direction, -std::sin(0.1f), 0, std::cos(0.1f), 1e-5f);
    // axis3 = side x up = +z: the up vector rolls, the direction stays.
    EXPECT_VEC_NEAR(rolled.up, -std::sin(0.1f), std::cos(0.1f), 0, 1e-5f);
    EXPECT_VEC_NEAR(rolled.direction, 0, 0, 1, 1e-6f);
    EXPECT_VEC_NEAR(untouched.direction, 0, 0, 1, 0.0f);
    EXPECT_EQ(modeAfterF5, CEditMove::MODIFY_POSITION);
}

TEST(EditMoveKeys, F4ClosesTheLoopAndF8RemovesTheActivePoint)
{
    int countAfterF4 = 0, countAfterF8 = 0;
    SPoint first{}, fifth{}, secondAfterDelete{};
    RunEditor([&] {
        CMove path;
        AddSquare(path);
        path.ChangePoint(1, 2, 3, 0.5f, 0.25f, 1, 7, 0, 0, 1, 1.25f, 0);
        CEditMove editor(path);
        Press(editor, {DIK_F4});
        countAfterF4 = path.GetNumberPoints();
        first = PointOf(path, 0);
        fifth = PointOf(path, 4);
        Press(editor, {DIK_TAB});
        Press(editor, {DIK_F8});
        countAfterF8 = path.GetNumberPoints();
        secondAfterDelete = PointOf(path, 1);
    });
    EXPECT_EQ(countAfterF4, 5);
    EXPECT_EQ(std::memcmp(&first, &fifth, sizeof(SPoint)), 0);
    EXPECT_EQ(countAfterF8, 4);
    EXPECT_VEC_NEAR(secondAfterDelete.position, 10, 0, 10, 0.0f);
}

TEST(EditMoveKeys, F7AddsAPointWhereTheCameraIs)
{
    float cx = 0, cy = 0, cz = 0, cdx = 0, cdy = 0, cdz = 0;
    D3DXVECTOR3 start, startDirection;
    SPoint added{};
    int count = 0;
    RunEditor([&] {
        CMove path;
        AddPoint(path, {0, 0, 0}, {0, 0, 1}, 3.0f, 1.0f);
        CEditMove editor(path);
        EditFrame(editor);
        EditFrame(editor);
        CScreen::Instance().GetCameraPosition(start.x, start.y, start.z, startDirection.x, startDirection.y,
                                              startDirection.z);
        // Fly the free camera forward first, so the point is a new place.
        HoldOnlyKeys({DIK_UP});
        for (int i = 0; i < 3; ++i)
            EditFrame(editor, 0.5f);
        Press(editor, {DIK_F7});
        CScreen::Instance().GetCameraPosition(cx, cy, cz, cdx, cdy, cdz);
        count = path.GetNumberPoints();
        added = PointOf(path, 1);
    });
    ASSERT_EQ(count, 2);
    EXPECT_GT(Distance(D3DXVECTOR3(cx, cy, cz), start), 0.5f);
    EXPECT_VEC_NEAR(added.position, cx, cy, cz, 0.0f);
    EXPECT_VEC_NEAR(added.direction, cdx, cdy, cdz, 0.0f);
    EXPECT_VEC_NEAR(added.up, 0, 1, 0, 0.0f);
    EXPECT_EQ(added.speed, 10.0f);
    EXPECT_EQ(added.zoom, 0.785398f);
}

TEST(EditMoveKeys, ReturnSavesAFileThatLoadsBackAsTheSamePath)
{
    char pattern[] = "/tmp/edit_move_save_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string file = std::string(pattern) + "/path.txt";
    CMove loaded;
    CMove edited;
    bool existedBefore = true;
    RunEditor([&] {
        edited.SetFilename(file.c_str());
        AddSquare(edited);
        edited.ChangePoint(1.5f, -2.25f, 3, 0.5f, 0.25f, 1, 7, 0, 0, 1, 1.25f, 2);
        edited.SetMode(CMove::MOVE_HSPLINE);
        edited.SetLoop(false);
        CEditMove editor(edited);
        EditFrame(editor);
        existedBefore = std::filesystem::exists(file);
        Press(editor, {DIK_RETURN});
    });
    loaded.SetFilename(file.c_str());
    ASSERT_TRUE(loaded.Load());
    EXPECT_FALSE(existedBefore);
    ASSERT_EQ(loaded.GetNumberPoints(), edited.GetNumberPoints());
    EXPECT_EQ(loaded.GetMode(), CMove::MOVE_HSPLINE);
    EXPECT_FALSE(loaded.GetLoop());
    for (int i = 0; i < edited.GetNumberPoints(); ++i) {
        const SPoint a = PointOf(edited, i), b = PointOf(loaded, i);
        EXPECT_VEC_NEAR(b.position, a.position.x, a.position.y, a.position.z, 1e-6f);
        EXPECT_VEC_NEAR(b.direction, a.direction.x, a.direction.y, a.direction.z, 1e-6f);
        EXPECT_VEC_NEAR(b.up, a.up.x, a.up.y, a.up.z, 1e-6f);
        EXPECT_EQ(b.speed, a.speed);
        EXPECT_NEAR(b.zoom, a.zoom, 1e-6f);
    }
    std::filesystem::remove_all(pattern);
}

// Keys that name the active point do nothing when there is no such point.
TEST(EditMoveKeys, KeysForAMissingPointAreIgnored)
{
    int countEmpty = -1, activeEmpty = -1, countAfterLastDeleted = -1, activeAfterTab = -1;
    float speedOfOnlyPoint = 0;
    RunEditor([&] {
        CMove empty;
        {
            CEditMove editor(empty);
            for (uint8_t key : {DIK_F4, DIK_F8, DIK_F9, DIK_F10, DIK_F11, DIK_F12, DIK_TAB, DIK_F5, DIK_2})
                Press(editor, {key});
            countEmpty = empty.GetNumberPoints();
            activeEmpty = editor.GetActivePoint();
        }
        CMove path;
        AddPoint(path, {0, 0, 0}, {0, 0, 1});
        AddPoint(path, {5, 0, 0}, {0, 0, 1});
        CEditMove editor(path);
        Press(editor, {DIK_TAB});
        Press(editor, {DIK_F8});
        // Point 1 is gone; the keys below name it.
        for (uint8_t key : {DIK_F8, DIK_F9, DIK_F12, DIK_F6, DIK_1})
            Press(editor, {key});
        countAfterLastDeleted = path.GetNumberPoints();
        speedOfOnlyPoint = path.GetSpeed(0);
        Press(editor, {DIK_TAB});
        activeAfterTab = editor.GetActivePoint();
    });
    EXPECT_EQ(countEmpty, 0);
    EXPECT_EQ(activeEmpty, 0);
    EXPECT_EQ(countAfterLastDeleted, 1);
    EXPECT_EQ(speedOfOnlyPoint, 10.0f);
    EXPECT_EQ(activeAfterTab, 0);
}

}  // namespace
