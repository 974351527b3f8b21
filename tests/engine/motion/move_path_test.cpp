// A path's keys and shape: editing points, measuring, and where each curve mode puts the path.
#include "move_test_clock.h"

namespace {

float KeyX(CMove& path, unsigned index)
{
    float v[11] = {-999.0f};
    path.GetPoint(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], index);
    return v[0];
}

void MakeClosedSquare(CMove& path, CMove::tMoveMode mode)
{
    for (const D3DXVECTOR3& p : {D3DXVECTOR3(0, 0, 0), D3DXVECTOR3(10, 0, 0), D3DXVECTOR3(10, 10, 0),
                                 D3DXVECTOR3(0, 10, 0), D3DXVECTOR3(0, 0, 0)})
        AddPlainPoint(path, p.x, p.y, p.z);
    path.SetMode(mode);
}

TEST(MovePath, EditingKeepsPointsInOrderAndMeasuresAgain)
{
    CTestMoveClock clock;
    CMove path(clock);
    path.AddPoint(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10);
    float v[11];
    path.GetPoint(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], 0);
    for (int i = 0; i < 11; i++)
        EXPECT_FLOAT_EQ(v[i], static_cast<float>(i));
    path.UpdatePoint(0, 0, 0, 0, 0, 0, 1, 10, 0, 1, 0, 1);
    AddPlainPoint(path, 20, 0, 0);
    EXPECT_NEAR(path.GetTotalDistance(), 18.0f, 1e-4f);
    path.InsertPoint(1, 10, 10, 0, 0, 0, 1, 10, 0, 1, 0, 1);
    path.ChangePoint(10, 0, 0, 0, 0, 1, 10, 0, 1, 0, 1, 1);
    EXPECT_FLOAT_EQ(KeyX(path, 1), 10.0f);
    EXPECT_FLOAT_EQ(KeyX(path, 2), 20.0f);
    EXPECT_NEAR(path.GetTotalDistance(), 10.0f + 9.0f, 1e-3f);
    path.DelPoint(0);
    EXPECT_EQ(path.GetNumberPoints(), 2);
    EXPECT_FLOAT_EQ(KeyX(path, 0), 10.0f);
    // Step mode jumps from point to point: its first segment measures nothing.
    path.SetMode(CMove::MOVE_STEP);
    EXPECT_FLOAT_EQ(path.GetTotalDistance(), 0.0f);
    // Speed and zoom: one point, or every point with index -1.
    path.SetSpeed(5.0f, -1);
    path.SetSpeed(7.0f, 1);
    path.SetZoom(0.5f, -1);
    EXPECT_FLOAT_EQ(path.GetSpeed(0), 5.0f);
    EXPECT_FLOAT_EQ(path.GetSpeed(1), 7.0f);
    EXPECT_FLOAT_EQ(path.GetZoom(1), 0.5f);
}

TEST(MovePath, IndicesOutsideThePathAndAFullPathChangeNothing)
{
    CTestMoveClock clock;
    CMove path(clock);
    AddPlainPoint(path, 0, 0, 0);
    AddPlainPoint(path, 10, 0, 0);
    path.DelPoint(2);
    path.DelPoint(-1);
    path.UpdatePoint(2, 99, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1);
    path.InsertPoint(3, 99, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1);
    path.SetSpeed(3.0f, 2);
    path.SetMode(static_cast<CMove::tMoveMode>(9));
    EXPECT_EQ(path.GetNumberPoints(), 2);
    EXPECT_EQ(path.GetMode(), CMove::MOVE_LINEAR);
    EXPECT_NEAR(path.GetTotalDistance(), 9.0f, 1e-4f);
    EXPECT_FLOAT_EQ(KeyX(path, 2), -999.0f);  // outputs left alone
    for (int i = 2; i < CMove::MAXPOINTS + 5; i++)
        AddPlainPoint(path, i * 10.0f, 0, 0);
    path.InsertPoint(0, -1, 0, 0, 0, 0, 1, 1, 0, 1, 0, 1);
    EXPECT_EQ(path.GetNumberPoints(), CMove::MAXPOINTS);
    EXPECT_FLOAT_EQ(KeyX(path, 0), 0.0f);
    EXPECT_FLOAT_EQ(KeyX(path, CMove::MAXPOINTS - 1), (CMove::MAXPOINTS - 1) * 10.0f);
    // A copy owns its points.
    CMove copy(path);
    copy.DelPoint(0);
    EXPECT_EQ(path.GetNumberPoints(), CMove::MAXPOINTS);
    EXPECT_FLOAT_EQ(KeyX(path, 0), 0.0f);
}

TEST(MovePath, LinearAndHermitePassThroughEveryKeyOfAClosedSquare)
{
    for (CMove::tMoveMode mode : {CMove::MOVE_LINEAR, CMove::MOVE_HSPLINE}) {
        CTestMoveClock clock;
        CMove path(clock);
        MakeClosedSquare(path, mode);
        // The end distance of point i - 1 is parameter 0 of segment i.
        EXPECT_VEC_NEAR(SampleAt(path, path.GetDistance(0)).position, 10, 0, 0, 1e-4f) << mode;
        EXPECT_VEC_NEAR(SampleAt(path, path.GetDistance(1)).position, 10, 10, 0, 1e-4f) << mode;
        EXPECT_VEC_NEAR(SampleAt(path, path.GetDistance(2)).position, 0, 10, 0, 1e-4f) << mode;
        EXPECT_VEC_NEAR(SampleAt(path, path.GetTotalDistance()).position, 0, 0, 0, 1e-4f) << mode;
        EXPECT_EQ(path.GetSegment(path.GetDistance(1) - 0.1f), 1);
    }
}

TEST(MovePath, HermiteSquareHasOneTangentAtItsClosingPoint)
{
    CTestMoveClock clock;
    CMove path(clock);
    MakeClosedSquare(path, CMove::MOVE_HSPLINE);
    const float total = path.GetTotalDistance();
    D3DXVECTOR3 incoming = SampleAt(path, total).position - SampleAt(path, total - 0.01f).position;
    D3DXVECTOR3 outgoing = SampleAt(path, 0.0f).position - SampleAt(path, total).position;
    D3DXVec3Normalize(&incoming, &incoming);
    D3DXVec3Normalize(&outgoing, &outgoing);
    // Along point 1 minus point 3 both ways; the chord to parameter 0.1 bends a little off it.
    const D3DXVECTOR3 tangent(0.7071068f, -0.7071068f, 0.0f);
    EXPECT_GT(D3DXVec3Dot(&incoming, &tangent), 0.999f);
    EXPECT_GT(D3DXVec3Dot(&outgoing, &tangent), 0.97f);
}

TEST(MovePath, BSplinePassesNearTheKeysAndStaysOnALine)
{
    CTestMoveClock clock;
    CMove square(clock);
    MakeClosedSquare(square, CMove::MOVE_BSPLINE);
    // (P0 + 4 P1 + P2) / 6 where segment 1 starts, not point 1 itself.
    EXPECT_VEC_NEAR(SampleAt(square, square.GetDistance(0)).position, 50.0f / 6, 10.0f / 6, 0, 1e-3f);

    CMove line(clock);
    for (float x : {0.0f, 10.0f, 20.0f, 30.0f})
        AddPlainPoint(line, x, 0, 0);
    line.SetMode(CMove::MOVE_BSPLINE);
    EXPECT_VEC_NEAR(SampleAt(line, line.GetDistance(0)).position, 10, 0, 0, 1e-3f);
    for (float d = 0.0f; d < line.GetTotalDistance(); d += 0.5f)
        EXPECT_NEAR(std::hypot(SampleAt(line, d).position.y, SampleAt(line, d).position.z), 0.0f, 1e-5f) << d;
}

TEST(MovePath, StepModeHoldsEachKeyWithItsVectors)
{
    CTestMoveClock clock;
    CMove path(clock);
    path.AddPoint(0, 0, 0, 1, 0, 0, 10, 0, 1, 0, 0.5f);
    path.AddPoint(10, 0, 0, 0, 1, 0, 10, 1, 0, 0, 0.6f);
    path.AddPoint(10, 10, 0, 0, 0, 1, 10, 0, 0, 1, 0.7f);
    path.SetMode(CMove::MOVE_STEP);
    for (float d : {0.0f, 2.5f, 9.9f}) {
        const SMoveSample s = SampleAt(path, d);
        EXPECT_EQ(s.position, D3DXVECTOR3(10, 0, 0)) << d;
        EXPECT_EQ(s.direction, D3DXVECTOR3(0, 1, 0)) << d;
        EXPECT_EQ(s.up, D3DXVECTOR3(1, 0, 0)) << d;
    }
    EXPECT_EQ(SampleAt(path, 10.0f).position, D3DXVECTOR3(10, 10, 0));
}

}  // namespace
