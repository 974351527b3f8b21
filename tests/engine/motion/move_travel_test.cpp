// Travelling a path in time: arc-length pace, playing and restarting, the ends of the path, the
// camera zoom, following, and paths too short or too degenerate to travel.
#include "move_test_clock.h"
#include "objects/BaseObject.h"

namespace {

bool IsFinite(const SMoveSample& s)
{
    const float v[] = {s.position.x, s.position.y, s.position.z, s.direction.x, s.direction.y, s.direction.z,
                       s.up.x,       s.up.y,       s.up.z,       s.speed,       s.zoom};
    for (float x : v)
        if (!std::isfinite(x))
            return false;
    return true;
}

TEST(MoveTravel, TwoPointLineStartsOneSampleAheadAndMovesAtItsSpeed)
{
    CTestMoveClock clock;
    CMove path(clock);
    path.AddPoint(0, 0, 0, 0, 0, 1, 10, 0, 1, 0, 0.5f);
    path.AddPoint(10, 0, 0, 0, 0, 1, 20, 0, 1, 0, 1.5f);
    EXPECT_NEAR(path.GetDistance(0), 9.0f, 1e-4f);
    EXPECT_FLOAT_EQ(path.GetTotalDistance(), path.GetDistance(0));
    clock.m_fTime = 0.5f;
    const SMoveSample s = CurrentSample(path);
    EXPECT_VEC_NEAR(s.position, 6, 0, 0, 1e-3f);
    EXPECT_NEAR(s.speed, 16.0f, 1e-3f);
    EXPECT_NEAR(s.zoom, 1.1f, 1e-4f);
    // The next step runs at the speed found there.
    EXPECT_FLOAT_EQ(path.GetCurrentSpeed(), s.speed);
    clock.m_fTime = 0.6f;
    EXPECT_VEC_NEAR(CurrentSample(path).position, 6.0f + 1.6f, 0, 0, 1e-3f);
}

// The curve parameter runs one sample ahead of the measured distance, so on a curve the pace
// follows the ratio of neighbouring sample lengths: within a few percent on evenly spaced keys.
TEST(MoveTravel, EqualTimesCoverEqualDistancesOnACurvedPath)
{
    CTestMoveClock clock;
    CMove path(clock);
    path.SetLoop(false);
    for (int k = 0; k <= 8; k++) {
        const float a = k * 2.0f * D3DX_PI / 8.0f;
        AddPlainPoint(path, 10.0f * std::cos(a), 0.0f, 10.0f * std::sin(a), 5.0f);
    }
    path.SetMode(CMove::MOVE_HSPLINE);
    D3DXVECTOR3 previous = CurrentSample(path).position;
    float covered = 0.0f;
    for (int k = 0; k < 200; k++) {
        clock.m_fTime += 0.05f;
        const D3DXVECTOR3 p = CurrentSample(path).position;
        EXPECT_NEAR(Distance(p, previous), 0.25f, 0.25f * 0.08f) << k;
        covered += Distance(p, previous);
        previous = p;
    }
    EXPECT_NEAR(covered, 50.0f, 1.0f);
}

TEST(MoveTravel, StopPlayResetAndTheScreensTimeReset)
{
    CTestMoveClock clock;
    CMove path(clock);
    AddPlainPoint(path, 0, 0, 0, 1.0f);
    AddPlainPoint(path, 100, 0, 0, 1.0f);
    clock.m_fTime = 0.5f;
    const float stopped = CurrentSample(path).position.x;
    path.Stop();
    clock.m_fTime = 3.5f;
    EXPECT_FLOAT_EQ(CurrentSample(path).position.x, stopped);
    path.Play();
    clock.m_fTime = 4.5f;
    EXPECT_NEAR(CurrentSample(path).position.x, stopped + 1.0f, 1e-3f);
    path.Reset();
    EXPECT_NEAR(CurrentSample(path).position.x, 10.0f, 1e-3f);

    // GetCurrentZoom advances the path but leaves the time reset to GetCurrentPosition.
    clock.m_fTime = 6.5f;
    clock.m_bTimeReset = true;
    path.GetCurrentZoom();
    clock.m_bTimeReset = false;
    EXPECT_NEAR(CurrentSample(path).position.x, 12.0f, 1e-3f);
    clock.m_fTime = 0.0f;
    clock.m_bTimeReset = true;
    EXPECT_NEAR(CurrentSample(path).position.x, 10.0f, 1e-3f);
}

TEST(MoveTravel, NonLoopingPathRestsOnItsLastPointAndALoopingOneStartsOver)
{
    for (bool loop : {false, true}) {
        CTestMoveClock clock;
        CMove path(clock);
        path.SetLoop(loop);
        AddPlainPoint(path, 0, 0, 0);
        AddPlainPoint(path, 10, 0, 0);
        AddPlainPoint(path, 10, 10, 0);
        clock.m_fTime = 5.0f;
        EXPECT_EQ(CurrentSample(path).position, D3DXVECTOR3(10, 10, 0)) << loop;
        clock.m_fTime = 5.1f;
        if (loop)
            EXPECT_VEC_NEAR(CurrentSample(path).position, 2, 0, 0, 1e-3f);
        else
            EXPECT_EQ(CurrentSample(path).position, D3DXVECTOR3(10, 10, 0));
    }
}

TEST(MoveTravel, CameraPathSetsTheFieldOfViewEveryFrameAndFollowingAimsIt)
{
    CTestMoveClock clock;
    CMove path(clock);
    path.AddPoint(0, 0, 0, 0, 0, 1, 10, 0, 1, 0, 0.5f);
    path.AddPoint(100, 0, 0, 0, 0, 1, 10, 0, 1, 0, 1.5f);
    clock.m_fTime = 1.0f;
    CurrentSample(path);
    EXPECT_TRUE(clock.m_FieldsOfView.empty());
    path.SetAsCamera(true);
    for (int k = 1; k <= 3; k++) {
        clock.m_fTime = 1.0f + k;
        const SMoveSample s = CurrentSample(path);
        ASSERT_EQ(clock.m_FieldsOfView.size(), static_cast<size_t>(k));
        EXPECT_FLOAT_EQ(clock.m_FieldsOfView.back(), s.zoom);
    }
    EXPECT_GT(clock.m_FieldsOfView[2], clock.m_FieldsOfView[0]);

    // At x = 50: following a point, then an object, which wins.
    path.SetPositionToFollow(50, 5, 0);
    EXPECT_VEC_NEAR(CurrentSample(path).direction, 0, 5, 0, 1e-3f);
    CBaseObject object;
    object.SetPosition(50, 0, -3);
    path.SetObjectToFollow(object);
    EXPECT_VEC_NEAR(CurrentSample(path).direction, 0, 0, -3, 1e-3f);
}

TEST(MoveTravel, EmptyAndOneKeyPathsGiveSoundValues)
{
    CTestMoveClock clock;
    CMove path(clock);
    path.SetAsCamera(true);
    clock.m_fTime = 1.0f;
    SMoveSample s = CurrentSample(path);
    EXPECT_EQ(s.position, D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(s.direction, D3DXVECTOR3(0, 0, 1));
    EXPECT_EQ(s.up, D3DXVECTOR3(0, 1, 0));
    EXPECT_TRUE(IsFinite(SampleAt(path, 3.0f)));
    EXPECT_FLOAT_EQ(path.GetTotalDistance(), 0.0f);
    EXPECT_TRUE(clock.m_FieldsOfView.empty());

    path.AddPoint(1, 2, 3, 0, 0, 1, 4, 0, 1, 0, 0.9f);
    clock.m_fTime = 2.0f;
    s = CurrentSample(path);
    EXPECT_EQ(s.position, D3DXVECTOR3(1, 2, 3));
    EXPECT_FLOAT_EQ(s.speed, 4.0f);
    ASSERT_EQ(clock.m_FieldsOfView.size(), 1u);
    EXPECT_FLOAT_EQ(clock.m_FieldsOfView.back(), 0.9f);
    // A second point starts the travel there, not from distance built up while it stood still.
    AddPlainPoint(path, 101, 2, 3);
    clock.m_fTime = 2.5f;
    EXPECT_NEAR(CurrentSample(path).position.x, 1.0f + 10.0f + 5.0f, 1e-2f);
}

TEST(MoveTravel, RepeatedPointsAndDistancesBeforeTheStartGiveFiniteValues)
{
    for (CMove::tMoveMode mode : {CMove::MOVE_STEP, CMove::MOVE_LINEAR, CMove::MOVE_BSPLINE, CMove::MOVE_HSPLINE}) {
        CTestMoveClock clock;
        CMove path(clock);
        path.SetLoop(false);
        AddPlainPoint(path, 5, 5, 5);
        AddPlainPoint(path, 5, 5, 5);
        path.SetMode(mode);
        clock.m_fTime = 3.0f;
        const SMoveSample s = CurrentSample(path);
        EXPECT_TRUE(IsFinite(s)) << mode;
        EXPECT_VEC_NEAR(s.position, 5, 5, 5, 1e-4f) << mode;
        AddPlainPoint(path, 15, 5, 5);
        clock.m_fTime = -20.0f;  // a clock set back
        EXPECT_TRUE(IsFinite(CurrentSample(path))) << mode;
        EXPECT_TRUE(IsFinite(SampleAt(path, NAN))) << mode;
    }
}

}  // namespace
