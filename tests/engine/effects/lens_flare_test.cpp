// The lens flare: projection of the light, the pick-ray triangle test, the quads it writes and the
// occlusion by an object in front of the light.
#include <gtest/gtest.h>

#include <vector>

#include "effects/2DEffect.h"
#include "effects/LensFlare.h"
#include "objects/BoxObject.h"
#include "screen_run.h"

namespace {

// Opens the protected steps to the tests.
class CTestFlare : public CLensFlare {
public:
    using CLensFlare::CalcLightSourceScreenCoords;
    using CLensFlare::DoesRayIntersectTriangle;
    using CLensFlare::IsLensFlareObscured;
    using CLensFlare::NumObjectsAtPoint;
    using CLensFlare::Render;

    D3DXVECTOR3 PickDir() const { return m_vPickDir; }

    // The quads of the vertex buffer as the last Render wrote them.
    std::vector<S2DVERTEX> Quads()
    {
        std::vector<S2DVERTEX> out;
        BYTE* data = nullptr;
        if (!m_pVB || FAILED(m_pVB->Lock(0, 0, &data, 0)))
            return out;
        const S2DVERTEX* vertices = reinterpret_cast<const S2DVERTEX*>(data);
        out.assign(vertices, vertices + m_nSpotCapacity * VERTICES_PER_SPOT);
        m_pVB->Unlock();
        return out;
    }
};

BYTE Alpha(DWORD colour) { return static_cast<BYTE>(colour >> 24); }

TEST(LensFlareRay, OneSidedTriangleTest)
{
    CTestFlare flare;
    const D3DXVECTOR3 origin(0, 0, 0);
    const D3DXVECTOR3 forward(0, 0, 1);
    // Wound so that it faces a viewer at the origin looking along +z.
    const D3DXVECTOR3 a(0, 0, 5), b(0, 1, 5), c(1, 0, 5);
    float t = -1, u = -1, v = -1;

    // A ray through the inside meets it at distance 5 with barycentric coordinates of the point.
    const D3DXVECTOR3 inside(0.25f, 0.5f, 5.0f);
    D3DXVECTOR3 toInside = inside / 5.0f;
    EXPECT_TRUE(flare.DoesRayIntersectTriangle(origin, toInside, a, b, c, &t, &u, &v));
    EXPECT_NEAR(t, 5.0f, 1e-4f);
    EXPECT_NEAR(u, 0.5f, 1e-4f);   // weight of b (y)
    EXPECT_NEAR(v, 0.25f, 1e-4f);  // weight of c (x)

    // Outside the triangle, beyond its long edge and beside it.
    EXPECT_FALSE(flare.DoesRayIntersectTriangle(D3DXVECTOR3(0.8f, 0.8f, 0), forward, a, b, c, &t, &u, &v));
    EXPECT_FALSE(flare.DoesRayIntersectTriangle(D3DXVECTOR3(-0.1f, 0.5f, 0), forward, a, b, c, &t, &u, &v));
    // A ray running parallel to the triangle's plane.
    EXPECT_FALSE(flare.DoesRayIntersectTriangle(D3DXVECTOR3(0.2f, 0.2f, 5), D3DXVECTOR3(1, 0, 0), a, b, c, &t, &u,
                                                &v));
    // The same triangle seen from its back never hits.
    EXPECT_FALSE(flare.DoesRayIntersectTriangle(D3DXVECTOR3(0.2f, 0.2f, 0), forward, a, c, b, &t, &u, &v));
    // A triangle behind the origin on the same line counts, with a negative distance.
    EXPECT_TRUE(flare.DoesRayIntersectTriangle(D3DXVECTOR3(0.2f, 0.2f, 10), forward, a, b, c, &t, &u, &v));
    EXPECT_NEAR(t, -5.0f, 1e-4f);
}

TEST(LensFlareScreen, ProjectsTheLightForAKnownCamera)
{
    int cx = 0, cy = 0, cw = 0, rx = 0, ry = 0, rw = 0, ux = 0, uy = 0, bx = 0, by = 0, bw = 0;
    float p11 = 0, p22 = 0, depthScale = 0;
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        CTestFlare flare;
        flare.Init();
        const D3DXMATRIX proj = screen.GetProjMatrix();
        p11 = proj._11;
        p22 = proj._22;
        depthScale = screen.GetViewMatrix()._33;
        flare.CalcLightSourceScreenCoords(D3DXVECTOR3(0, 0, 10), 640, 480, cx, cy, cw);
        flare.CalcLightSourceScreenCoords(D3DXVECTOR3(1, 0, 10), 640, 480, rx, ry, rw);
        flare.CalcLightSourceScreenCoords(D3DXVECTOR3(0, 1, 10), 640, 480, ux, uy, rw);
        flare.CalcLightSourceScreenCoords(D3DXVECTOR3(0.5f, 0, -10), 640, 480, bx, by, bw);
        flare.CleanUp();
    });
    // Straight ahead: the screen centre, in front of the viewer. w is the distance, 10, in the
    // camera's units (its view matrix carries a scale).
    EXPECT_EQ(cx, 320);
    EXPECT_EQ(cy, 240);
    EXPECT_GT(cw, 0);
    EXPECT_EQ(cw, static_cast<int>(10 * depthScale));
    // One unit right at distance 10 lies P11 / 10 of the half width right of the centre.
    EXPECT_EQ(rx, static_cast<int>(320 + 320 * p11 * 0.1f));
    EXPECT_GT(rx, 320);
    EXPECT_EQ(ry, 240);
    // Up in the world is up on the screen, where pixel rows count downwards.
    EXPECT_EQ(ux, 320);
    EXPECT_EQ(uy, static_cast<int>(240 - 240 * p22 * 0.1f));
    EXPECT_LT(uy, 240);
    // Behind the viewer w turns negative.
    EXPECT_LT(bw, 0);
}

TEST(LensFlareQuads, PlacesSizesAndFadesTheSpots)
{
    std::vector<S2DVERTEX> inside, halfway, far, firstOnly;
    RunScreen({}, [&] {
        CTestFlare flare;
        flare.Init();
        flare.AddSpot(0, 0.1f, 1.0f, D3DXCOLOR(1, 0.5f, 0, 0.8f));   // on the light
        flare.AddSpot(0, 0.05f, 0.0f, D3DXCOLOR(1, 1, 1, 1));         // on the centre
        flare.AddSpot(0, 0.05f, -1.0f, D3DXCOLOR(0, 0, 1, 1));        // mirrored through the centre
        ASSERT_EQ(flare.GetSpotCapacity(), 3);
        ASSERT_NE(flare.GetVB(), nullptr);
        flare.Render(500, 100, 800, 600, false);
        inside = flare.Quads();
        flare.Render(-150, 300, 800, 600, false);
        halfway = flare.Quads();
        flare.Render(400, 900, 800, 600, false);
        far = flare.Quads();
        flare.Render(500, 100, 800, 600, true);
        firstOnly = flare.Quads();
        flare.CleanUp();
        EXPECT_EQ(flare.GetVB(), nullptr);
        EXPECT_EQ(flare.GetNumSpots(), 0);
    });
    ASSERT_EQ(inside.size(), 18u);
    // Spot 0: centred on the light, half edge 0.1 x 800 / 2 = 40, texture corners in order.
    EXPECT_FLOAT_EQ(inside[0].x, 460);
    EXPECT_FLOAT_EQ(inside[0].y, 60);
    EXPECT_FLOAT_EQ(inside[2].x, 540);
    EXPECT_FLOAT_EQ(inside[2].y, 140);
    EXPECT_FLOAT_EQ(inside[5].x, 460);
    EXPECT_FLOAT_EQ(inside[5].y, 140);
    EXPECT_FLOAT_EQ(inside[2].tu, 1);
    EXPECT_FLOAT_EQ(inside[2].tv, 1);
    EXPECT_FLOAT_EQ(inside[5].tu, 0);
    EXPECT_FLOAT_EQ(inside[5].tv, 1);
    EXPECT_FLOAT_EQ(inside[0].rhw, 1);
    // Inside the screen the spot keeps its own alpha (0.8 -> 204) and its colour.
    EXPECT_EQ(inside[0].color, D3DCOLOR_ARGB(204, 255, 128, 0));
    // Spot 1 sits on the centre, spot 2 mirrors the light through it.
    EXPECT_FLOAT_EQ(inside[6].x, 400 - 20);
    EXPECT_FLOAT_EQ(inside[6].y, 300 - 20);
    EXPECT_FLOAT_EQ(inside[12].x, 300 - 20);
    EXPECT_FLOAT_EQ(inside[12].y, 500 - 20);

    // 150 pixels outside a 300-pixel border: half intensity.
    ASSERT_EQ(halfway.size(), 18u);
    EXPECT_EQ(Alpha(halfway[0].color), 102);
    EXPECT_EQ(Alpha(halfway[6].color), 128);
    EXPECT_FLOAT_EQ(halfway[6].x, 380);  // the centre spot does not follow the light
    // At the border and beyond: the minimum, 0.
    ASSERT_EQ(far.size(), 18u);
    for (const S2DVERTEX& vertex : far)
        EXPECT_EQ(Alpha(vertex.color), 0);
    // Only the first spot shows.
    ASSERT_EQ(firstOnly.size(), 18u);
    EXPECT_EQ(Alpha(firstOnly[0].color), 204);
    EXPECT_EQ(Alpha(firstOnly[6].color), 0);
    EXPECT_EQ(Alpha(firstOnly[12].color), 0);
}

TEST(LensFlareObscured, ABoxInFrontOfTheLightHidesIt)
{
    bool withoutObject = true, behindBox = false, beside = true, boxBehindLight = false;
    int hitsInFront = 0;
    D3DXVECTOR3 pickDir(0, 0, 0);
    RunScreen({}, [&] {
        CScreen& screen = CScreen::Instance();
        screen.SetCamera(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 1.0f);
        CTestFlare flare;
        flare.Init();
        flare.SetLightPosition(0, 0, 20);
        withoutObject = flare.IsLensFlareObscured();

        CBoxObject box;
        box.SetSize(2, 2, 2);
        box.Init();
        box.SetPosition(0, 0, 10);
        flare.SetObjectToObscur(box);
        behindBox = flare.IsLensFlareObscured();
        pickDir = flare.PickDir();
        // Off both diagonals of the near face, so the ray meets exactly one of its triangles.
        hitsInFront = flare.NumObjectsAtPoint(330, 238);

        box.SetPosition(5, 0, 10);
        beside = flare.IsLensFlareObscured();

        // The side facing the camera is what hides it; past the light it still lies on the ray.
        box.SetPosition(0, 0, 30);
        boxBehindLight = flare.IsLensFlareObscured();
        box.CleanUp();
        flare.CleanUp();
    });
    EXPECT_FALSE(withoutObject);
    EXPECT_TRUE(behindBox);
    // The far face is seen from its back and does not count.
    EXPECT_EQ(hitsInFront, 1);
    EXPECT_NEAR(pickDir.x, 0.0f, 1e-5f);
    EXPECT_NEAR(pickDir.y, 0.0f, 1e-5f);
    EXPECT_GT(pickDir.z, 0.5f);
    EXPECT_FALSE(beside);
    EXPECT_TRUE(boxBehindLight);
}

}  // namespace

namespace {

TEST(LensFlareFaults, BadTextureIndexZeroBorderAndSpotsBeforeInit)
{
    // Before Init there is no device: the spot is kept, but no buffer is made and nothing is drawn.
    CTestFlare early;
    early.AddSpot(0, 0.1f, 1.0f, D3DXCOLOR(1, 1, 1, 1));
    EXPECT_EQ(early.GetNumSpots(), 1);
    EXPECT_EQ(early.GetVB(), nullptr);
    early.Render(10, 10, 640, 480, false);

    std::vector<S2DVERTEX> onScreen, offScreen;
    RunScreen({}, [&] {
        CTestFlare flare;
        flare.Init();
        // Index 5 names no texture: the quad is written and drawn without one.
        flare.AddSpot(5, 0.1f, 1.0f, D3DXCOLOR(1, 1, 1, 1));
        flare.SetIntensityBorder(0);
        flare.Render(100, 100, 640, 480, false);
        onScreen = flare.Quads();
        flare.Render(-1, 100, 640, 480, false);
        offScreen = flare.Quads();
        flare.CleanUp();
    });
    ASSERT_EQ(onScreen.size(), 6u);
    EXPECT_FLOAT_EQ(onScreen[0].x, 100 - 32);
    // Without a fading band the flare is full on the screen and at its minimum just off it.
    EXPECT_EQ(Alpha(onScreen[0].color), 255);
    ASSERT_EQ(offScreen.size(), 6u);
    EXPECT_EQ(Alpha(offScreen[0].color), 0);
}

}  // namespace
