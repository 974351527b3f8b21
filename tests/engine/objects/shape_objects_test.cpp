// Spheres, cylinders and tori: counts and strings, rebuilds in the same buffer when a radius or length
// changes, counts that wait for the next Init, and a generator failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "object_test_support.h"
#include "objects/CylinderObject.h"
#include "objects/SphereObject.h"
#include "objects/TorusObject.h"

namespace {

// The largest distance of a vertex from the origin, or from the z axis.
float Farthest(const std::vector<S3DVERTEX>& vertices, bool fromAxis = false)
{
    float largest = 0;
    for (const S3DVERTEX& v : vertices)
        largest = std::max(largest, std::sqrt(v.x * v.x + v.y * v.y + (fromAxis ? 0 : v.z * v.z)));
    return largest;
}

// "type/description vertices faces", with a mark when a vertex is not white or its normal not unit.
std::string Describe(CBaseObject& object)
{
    std::string text = std::string(object.GetObjType()) + "/" + std::string(object.GetObjDescription()) + " " +
                       std::to_string(object.GetNumberVertices()) + " " + std::to_string(object.GetNumberFaces());
    for (const S3DVERTEX& v : ReadVertices(object)) {
        if (v.color != 0xFFFFFFFF || std::fabs(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz - 1) > 1e-4f)
            return text + " bad vertex";
    }
    return text;
}

TEST(ShapeObjects, DefaultShapesTakeTheGeneratorsCountsWhiteWithUnitNormals)
{
    std::string sphere, cylinder, torus;
    RunScreen({}, [&] {
        CSphereObject s;
        CCylinderObject c;
        CTorusObject t;
        s.Init();
        c.Init();
        t.Init();
        sphere = Describe(s);
        cylinder = Describe(c);
        torus = Describe(t);
        s.CleanUp();
        c.CleanUp();
        t.CleanUp();
    });
    EXPECT_EQ(sphere, "CSphereObject/Sphere 92 180");
    EXPECT_EQ(cylinder, "CCylinderObject/Cylinder 132 220");
    EXPECT_EQ(torus, "CTorusObject/Torus 100 200");
}

TEST(ShapeObjects, SphereRadiusIsStoredBeforeInitAndRebuiltInPlaceAfter)
{
    float preset = 0, rebuilt = 0, afterSlices = 0, reinitialised = 0;
    int countAfterSlices = 0, countReinitialised = 0;
    IDirect3DVertexBuffer8 *first = nullptr, *second = nullptr;
    RunScreen({}, [&] {
        CSphereObject sphere;
        sphere.SetRadius(2);
        sphere.Init();
        preset = Farthest(ReadVertices(sphere));
        first = sphere.GetVB();
        sphere.SetRadius(3);
        rebuilt = Farthest(ReadVertices(sphere));
        second = sphere.GetVB();
        sphere.SetSliceNumber(20);  // waits for the next Init; a rebuild keeps the buffer's count
        sphere.SetRadius(4);
        afterSlices = Farthest(ReadVertices(sphere));
        countAfterSlices = sphere.GetNumberVertices();
        sphere.CleanUp();
        sphere.SetRadius(5);  // no buffers: only stored
        sphere.Init();
        reinitialised = Farthest(ReadVertices(sphere));
        countReinitialised = sphere.GetNumberVertices();
        sphere.CleanUp();
    });
    EXPECT_NEAR(preset, 2.0f, 1e-4f);
    EXPECT_NEAR(rebuilt, 3.0f, 1e-4f);
    EXPECT_EQ(first, second);
    EXPECT_NEAR(afterSlices, 4.0f, 1e-4f);
    EXPECT_EQ(countAfterSlices, 92);
    EXPECT_NEAR(reinitialised, 5.0f, 1e-4f);
    EXPECT_EQ(countReinitialised, 20 * 9 + 2);
}

TEST(ShapeObjects, CylinderAndTorusFollowTheirRadiiAndLength)
{
    std::vector<S3DVERTEX> cone, torus;
    RunScreen({}, [&] {
        CCylinderObject cylinder;
        cylinder.Init();
        cylinder.SetLength(4);
        cylinder.SetRadius(0.5f, 2);
        cone = ReadVertices(cylinder);
        cylinder.CleanUp();
        CTorusObject ring;
        ring.Init();
        ring.SetRadius(0.25f, 2);
        torus = ReadVertices(ring);
        ring.CleanUp();
    });
    // Radius 1 at z = -length/2, radius 2 at z = +length/2 (an unchanged length leaves both empty).
    std::vector<S3DVERTEX> bottom, top;
    for (const S3DVERTEX& v : cone) {
        if (std::fabs(v.z) > 1.99f)
            (v.z < 0 ? bottom : top).push_back(v);
    }
    EXPECT_NEAR(Farthest(bottom, true), 0.5f, 1e-4f);
    EXPECT_NEAR(Farthest(top, true), 2.0f, 1e-4f);
    EXPECT_NEAR(Farthest(torus, true), 2.25f, 1e-4f);
}

TEST(ShapeObjects, AGeneratorFailureLeavesTheShapeWithoutBuffersDrawingNothing)
{
    bool hasBuffer = true;
    RunScreen({}, [&] {
        CSphereObject sphere;
        sphere.SetSliceNumber(1);  // the generator needs two slices at least
        sphere.Init();
        sphere.SetRadius(3);
        hasBuffer = sphere.GetVB() != nullptr;
        CScreen::Instance().BeginScene();
        sphere.Render();
        CScreen::Instance().EndScene();
        sphere.CleanUp();
    });
    EXPECT_FALSE(hasBuffer);
}

}  // namespace
