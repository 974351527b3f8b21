// Planes: the grid's vertices and faces, resizing, the wave at known times and the alpha wipe.
#include <gtest/gtest.h>

#include <cmath>

#include "d3d8_hooks.h"
#include "object_test_support.h"
#include "objects/PlaneObject.h"
#include "platform_clock.h"

namespace {

DWORD AlphaByte(const S3DVERTEX& v) { return v.color >> 24; }

TEST(Plane, DefaultPlaneIsAUnitQuadWithTheTextureUprightAndNoCullingOrLighting)
{
    std::vector<S3DVERTEX> v;
    std::vector<WORD> faces;
    CString type, description;
    DWORD cull = 0, lighting = 0;
    RunScreen({}, [&] {
        CPlaneObject plane;
        plane.Init();
        v = ReadVertices(plane);
        faces = ReadIndices(plane);
        type = plane.GetObjType();
        description = plane.GetObjDescription();
        CScreen::Instance().BeginScene();
        plane.Render();
        cull = RenderState(D3DRS_CULLMODE);
        lighting = RenderState(D3DRS_LIGHTING);
        CScreen::Instance().EndScene();
        plane.CleanUp();
    });
    ASSERT_EQ(v.size(), 4u);
    const float expected[4][4] = {{-0.5f, 0.5f, 0, 0}, {0.5f, 0.5f, 1, 0}, {-0.5f, -0.5f, 0, 1}, {0.5f, -0.5f, 1, 1}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(v[k].x, expected[k][0]) << k;
        EXPECT_FLOAT_EQ(v[k].y, expected[k][1]) << k;
        EXPECT_FLOAT_EQ(v[k].tu, expected[k][2]) << k;
        EXPECT_FLOAT_EQ(v[k].tv, expected[k][3]) << k;
        EXPECT_EQ(v[k].color, 0xFFFFFFFFu);
        EXPECT_EQ(v[k].nz, 1.0f);
    }
    EXPECT_EQ(faces, (std::vector<WORD>{0, 1, 3, 0, 3, 2}));
    EXPECT_EQ(type, CString("CPlaneObject"));
    EXPECT_EQ(description, CString("Plane"));
    EXPECT_EQ(cull, static_cast<DWORD>(D3DCULL_NONE));
    EXPECT_EQ(lighting, static_cast<DWORD>(FALSE));
}

TEST(Plane, SubdivisionSizeAndTextureWindowShapeTheGrid)
{
    int vertices = 0, faces = 0;
    std::vector<S3DVERTEX> v;
    RunScreen({}, [&] {
        CPlaneObject big;
        big.SetSubdivision(64, 64);
        big.Init();
        vertices = big.GetNumberVertices();
        faces = big.GetNumberFaces();
        big.CleanUp();

        CPlaneObject plane;
        plane.SetSubdivision(2, 1);
        plane.SetTextureOffset(0.25f, 0.5f, 0.75f, 1.0f);
        plane.Init();
        plane.SetSize(4.0f, 2.0f);
        v = ReadVertices(plane);
        plane.CleanUp();
    });
    EXPECT_EQ(vertices, 4225);
    EXPECT_EQ(faces, 8192);
    ASSERT_EQ(v.size(), 6u);
    EXPECT_FLOAT_EQ(v[0].x, -2.0f);
    EXPECT_FLOAT_EQ(v[1].x, 0.0f);
    EXPECT_FLOAT_EQ(v[2].x, 2.0f);
    EXPECT_FLOAT_EQ(v[0].y, 1.0f);
    EXPECT_FLOAT_EQ(v[3].y, -1.0f);
    EXPECT_FLOAT_EQ(v[1].tu, 0.5f);
    EXPECT_FLOAT_EQ(v[0].tv, 0.5f);
    EXPECT_FLOAT_EQ(v[5].tu, 0.75f);
    EXPECT_FLOAT_EQ(v[5].tv, 1.0f);
}

TEST(Plane, GridTooLargeForSixteenBitIndicesDrawsNothing)
{
    IDirect3DVertexBuffer8* buffer = reinterpret_cast<IDirect3DVertexBuffer8*>(1);
    RunScreen({}, [&] {
        CPlaneObject plane;
        plane.SetSubdivision(300, 300);
        plane.Init();
        buffer = plane.GetVB();
        CScreen::Instance().BeginScene();
        plane.Render();
        CScreen::Instance().EndScene();
        plane.CleanUp();
    });
    EXPECT_EQ(buffer, nullptr);
}

// Renders the plane once in a frame opened at scene time 2 s and returns its vertices and the time.
std::vector<S3DVERTEX> WavedAtTwoSeconds(CPlaneObject& plane, float& time)
{
    CScreen& screen = CScreen::Instance();
    platform::UseVirtualClock(0.0);
    screen.BeginScene();
    screen.EndScene();
    screen.ResetTime();
    platform::AdvanceVirtualClock(2.0);
    screen.BeginScene();
    time = screen.GetTickCount();
    plane.Render();
    screen.EndScene();
    platform::UseSystemClock();
    return ReadVertices(plane);
}

TEST(Plane, WaveTwoShiftsTheInnerRowsOnlyAtTheScreensTime)
{
    std::vector<S3DVERTEX> v;
    float t = 0;
    RunScreen({}, [&] {
        CPlaneObject plane;
        plane.SetSubdivision(20, 20);
        plane.Init();
        plane.Effect(2);
        plane.SetEffectSpeed(1.5f);
        plane.SetEffectAmplitude(0.1f);
        v = WavedAtTwoSeconds(plane, t);
        plane.CleanUp();
    });
    ASSERT_EQ(v.size(), 441u);
    EXPECT_NEAR(t, 2.0f, 1e-3f);
    const float s = t * 1.5f;
    for (int r = 0; r <= 20; ++r) {
        for (int c = 0; c <= 20; ++c) {
            const S3DVERTEX& p = v[r * 21 + c];
            const bool inner = r > 0 && r < 20 && c > 0 && c < 20;
            const float du = inner ? 0.1f * std::sin(s + r) : 0.0f;
            EXPECT_NEAR(p.tu, c / 20.0f + du, 1e-5f) << r << "," << c;
            EXPECT_NEAR(p.tv, r / 20.0f, 1e-6f) << r << "," << c;
        }
    }
}

TEST(Plane, WavesOneThreeAndFourMoveAnInnerPointByTheirFormulas)
{
    std::vector<S3DVERTEX> one, three, four, five;
    float t = 0;
    RunScreen({}, [&] {
        CPlaneObject plane;
        plane.SetSubdivision(4, 4);
        plane.Init();
        plane.Effect(1);
        one = WavedAtTwoSeconds(plane, t);
        plane.Effect(3);
        three = WavedAtTwoSeconds(plane, t);
        plane.Effect(4);
        four = WavedAtTwoSeconds(plane, t);
        plane.Effect(0);
        plane.SetSize(1.0f, 1.0f);  // back to the unwaved coordinates
        plane.Effect(5);
        five = WavedAtTwoSeconds(plane, t);
        plane.CleanUp();
    });
    const int r = 2, c = 3, k = r * 5 + c;
    const float u = c / 4.0f, v = r / 4.0f, s = t;
    ASSERT_EQ(one.size(), 25u);
    EXPECT_NEAR(one[k].tu, u + std::sin(1.1f * s + r), 1e-5f);
    EXPECT_NEAR(one[k].tv, v + std::sin(0.8f * s + c + 1), 1e-5f);
    EXPECT_NEAR(three[k].tu, u, 1e-6f);
    EXPECT_NEAR(three[k].tv, v + std::sin(s + c), 1e-5f);
    EXPECT_NEAR(four[k].tu, u + std::sin(1.1f * s + r * c), 1e-5f);
    EXPECT_NEAR(four[k].tv, v + std::sin(0.8f * s + r + c + 1), 1e-5f);
    EXPECT_NEAR(five[k].tu, u, 1e-6f);
    EXPECT_NEAR(five[k].tv, v, 1e-6f);
}

TEST(Plane, AlphaWipeGivesTheSoftEdgeRowsAndSetSizeMakesThePlaneWhiteAgain)
{
    std::vector<S3DVERTEX> wipe, whole, white;
    RunScreen({}, [&] {
        CPlaneObject plane;
        plane.SetSubdivision(2, 10);
        plane.Init();
        plane.AlphaEffect(0, 0.5f);
        wipe = ReadVertices(plane);
        plane.SetColor({1, 0, 0, 1}, 0);
        plane.SetSize(1.0f, 1.0f);
        white = ReadVertices(plane);

        CPlaneObject single;
        single.Init();
        single.AlphaEffect(1, 0.25f);
        whole = ReadVertices(single);
        single.CleanUp();
        plane.CleanUp();
    });
    ASSERT_EQ(wipe.size(), 33u);
    const DWORD expected[11] = {0, 0, 0, 0, 127, 127, 255, 255, 255, 255, 255};
    for (int r = 0; r <= 10; ++r) {
        for (int c = 0; c <= 2; ++c) {
            EXPECT_EQ(AlphaByte(wipe[r * 3 + c]), expected[r]) << "row " << r;
            EXPECT_EQ(wipe[r * 3 + c].color & 0xFFFFFF, 0xFFFFFFu);
        }
    }
    ASSERT_EQ(whole.size(), 4u);
    for (const S3DVERTEX& p : whole)
        EXPECT_EQ(p.color, 0xBFFFFFFFu);  // 0.75 x 255 = 191.25
    for (const S3DVERTEX& p : white)
        EXPECT_EQ(p.color, 0xFFFFFFFFu);
}

TEST(Plane, NewSubdivisionTakesEffectAtTheNextInitAndTheWaveFollowsIt)
{
    int before = 0, after = 0;
    std::vector<S3DVERTEX> waved;
    float t = 0;
    RunScreen({}, [&] {
        CPlaneObject plane;
        plane.SetSubdivision(2, 2);
        plane.Init();
        plane.SetSubdivision(8, 8);
        plane.SetSize(2.0f, 2.0f);  // still the 2 x 2 grid
        before = static_cast<int>(ReadVertices(plane).size());
        plane.CleanUp();
        plane.Init();
        after = static_cast<int>(ReadVertices(plane).size());
        plane.Effect(2);
        waved = WavedAtTwoSeconds(plane, t);
        plane.CleanUp();
    });
    EXPECT_EQ(before, 9);
    EXPECT_EQ(after, 81);
    ASSERT_EQ(waved.size(), 81u);
    EXPECT_NEAR(waved[7 * 9 + 7].tu, 7 / 8.0f + std::sin(t + 7), 1e-5f);
}

}  // namespace
