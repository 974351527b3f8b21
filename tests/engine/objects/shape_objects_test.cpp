// Spheres, cylinders and tori: their counts and strings, rebuilding on a radius or length change in
// the same buffer, counts that wait for the next Init, and a generator failure.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "object_test_support.h"
#include "objects/CylinderObject.h"
#include "objects/SphereObject.h"
#include "objects/TorusObject.h"

namespace {

float Length(const S3DVERTEX& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
float NormalLength(const S3DVERTEX& v) { return std::sqrt(v.nx * v.nx + v.ny * v.ny + v.nz * v.nz); }

// The farthest any vertex lies from the origin (the sphere's radius).
float LargestDistance(const std::vector<S3DVERTEX>& vertices)
{
    float largest = 0;
    for (const S3DVERTEX& v : vertices)
        largest = std::max(largest, Length(v));
    return largest;
}

struct SShape {
    int vertices = 0;
    int faces = 0;
    CString type;
    CString description;
    std::vector<S3DVERTEX> buffer;
    WORD largestIndex = 0;
};

SShape Read(CBaseObject& object)
{
    SShape shape{object.GetNumberVertices(), object.GetNumberFaces(), object.GetObjType(),
                 object.GetObjDescription(), ReadVertices(object)};
    const std::vector<WORD> indices = ReadIndices(object);
    if (!indices.empty())
        shape.largestIndex = *std::max_element(indices.begin(), indices.end());
    return shape;
}

void ExpectWhiteWithUnitNormals(const SShape& shape)
{
    ASSERT_EQ(shape.buffer.size(), static_cast<size_t>(shape.vertices));
    for (const S3DVERTEX& v : shape.buffer) {
        EXPECT_EQ(v.color, 0xFFFFFFFFu);
        EXPECT_NEAR(NormalLength(v), 1.0f, 1e-4f);
    }
    EXPECT_EQ(shape.largestIndex, shape.vertices - 1);
}

TEST(ShapeObjects, DefaultShapesTakeTheGeneratorsCountsAndTheirOwnStrings)
{
    SShape sphere, cylinder, torus;
    RunScreen({}, [&] {
        CSphereObject s;
        CCylinderObject c;
        CTorusObject t;
        s.Init();
        c.Init();
        t.Init();
        sphere = Read(s);
        cylinder = Read(c);
        torus = Read(t);
        s.CleanUp();
        c.CleanUp();
        t.CleanUp();
    });
    EXPECT_EQ(sphere.vertices, 10 * 9 + 2);
    EXPECT_EQ(sphere.faces, 2 * 10 * 9);
    EXPECT_EQ(sphere.type, CString("CSphereObject"));
    EXPECT_EQ(sphere.description, CString("Sphere"));
    EXPECT_NEAR(LargestDistance(sphere.buffer), 1.0f, 1e-4f);
    ExpectWhiteWithUnitNormals(sphere);

    EXPECT_EQ(cylinder.vertices, 10 * 13 + 2);
    EXPECT_EQ(cylinder.faces, 2 * 10 * 11);
    EXPECT_EQ(cylinder.type, CString("CCylinderObject"));
    EXPECT_EQ(cylinder.description, CString("Cylinder"));
    ExpectWhiteWithUnitNormals(cylinder);

    EXPECT_EQ(torus.vertices, 100);
    EXPECT_EQ(torus.faces, 200);
    EXPECT_EQ(torus.type, CString("CTorusObject"));
    EXPECT_EQ(torus.description, CString("Torus"));
    ExpectWhiteWithUnitNormals(torus);
}

TEST(ShapeObjects, SphereRadiusIsStoredBeforeInitAndRebuiltInPlaceAfter)
{
    SShape preset, rebuilt, afterSlices, reinitialised;
    IDirect3DVertexBuffer8* first = nullptr;
    IDirect3DVertexBuffer8* second = nullptr;
    RunScreen({}, [&] {
        CSphereObject sphere;
        sphere.SetRadius(2);
        sphere.Init();
        preset = Read(sphere);
        first = sphere.GetVB();
        sphere.SetRadius(3);
        rebuilt = Read(sphere);
        second = sphere.GetVB();
        // More slices wait for the next Init; a rebuild before it keeps the buffer's count.
        sphere.SetSliceNumber(20);
        sphere.SetRadius(4);
        afterSlices = Read(sphere);
        sphere.CleanUp();
        sphere.SetRadius(5);  // no buffers: only stored
        sphere.Init();
        reinitialised = Read(sphere);
        sphere.CleanUp();
    });
    EXPECT_NEAR(LargestDistance(preset.buffer), 2.0f, 1e-4f);
    EXPECT_EQ(first, second);
    EXPECT_EQ(rebuilt.vertices, preset.vertices);
    EXPECT_NEAR(LargestDistance(rebuilt.buffer), 3.0f, 1e-4f);
    EXPECT_EQ(afterSlices.vertices, 92);
    EXPECT_NEAR(LargestDistance(afterSlices.buffer), 4.0f, 1e-4f);
    EXPECT_EQ(reinitialised.vertices, 20 * 9 + 2);
    EXPECT_NEAR(LargestDistance(reinitialised.buffer), 5.0f, 1e-4f);
}

TEST(ShapeObjects, CylinderAndTorusFollowTheirRadiiAndLength)
{
    SShape longer, cone, torus;
    RunScreen({}, [&] {
        CCylinderObject cylinder;
        cylinder.Init();
        cylinder.SetLength(4);
        longer = Read(cylinder);
        cylinder.SetRadius(0.5f, 2);
        cone = Read(cylinder);
        cylinder.CleanUp();

        CTorusObject ring;
        ring.SetSideNumber(12);
        ring.Init();
        ring.SetRadius(0.25f, 2);
        torus = Read(ring);
        ring.CleanUp();
    });
    float lowest = 0, highest = 0;
    for (const S3DVERTEX& v : longer.buffer) {
        lowest = std::min(lowest, v.z);
        highest = std::max(highest, v.z);
    }
    EXPECT_FLOAT_EQ(lowest, -2.0f);
    EXPECT_FLOAT_EQ(highest, 2.0f);
    // Radius 1 is at z = -length/2, radius 2 at +length/2.
    for (const S3DVERTEX& v : cone.buffer) {
        const float r = std::sqrt(v.x * v.x + v.y * v.y);
        if (v.z < -1.99f)
            EXPECT_LE(r, 0.5f + 1e-4f);
        if (v.z > 1.99f)
            EXPECT_LE(r, 2.0f + 1e-4f);
    }
    EXPECT_EQ(cone.vertices, longer.vertices);
    EXPECT_EQ(torus.vertices, 12 * 10);
    float farthest = 0, nearest = 10;
    for (const S3DVERTEX& v : torus.buffer) {
        const float r = std::sqrt(v.x * v.x + v.y * v.y);
        farthest = std::max(farthest, r);
        nearest = std::min(nearest, r);
    }
    EXPECT_NEAR(farthest, 2.25f, 1e-4f);
    EXPECT_NEAR(nearest, 1.75f, 0.02f);
}

TEST(ShapeObjects, AGeneratorFailureLeavesTheShapeWithoutBuffersAndDrawingNothing)
{
    bool hasBuffer = true;
    int vertices = -1;
    RunScreen({}, [&] {
        CSphereObject sphere;
        sphere.SetSliceNumber(1);  // the generator needs two slices at least
        sphere.Init();
        hasBuffer = sphere.GetVB() != nullptr;
        vertices = sphere.GetNumberVertices();
        sphere.SetRadius(3);  // only stored
        CScreen::Instance().BeginScene();
        sphere.Render();
        CScreen::Instance().EndScene();
        sphere.CleanUp();
    });
    EXPECT_FALSE(hasBuffer);
    EXPECT_EQ(vertices, 0);
}

}  // namespace
