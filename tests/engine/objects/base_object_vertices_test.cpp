// What CBaseObject's setters and unlocks leave in the vertex buffer: colours, alphas, sizes, the
// bounding box and normals.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "object_test_support.h"

namespace {

TEST(BaseObjectVertices, SetColorPacksTruncatedBytesIntoEveryRangesVertices)
{
    std::vector<S3DVERTEX> vertices;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(NewStrip(4));
        mesh->SetNumberMaterials(2);
        mesh->SetMaterialIndex(0, 2);
        mesh->Init();
        mesh->SetColor({1.0f, 0.0f, 0.0f, 0.5f}, 1);
        vertices = ReadVertices(*mesh);
        mesh->CleanUp();
    });
    ASSERT_EQ(vertices.size(), 12u);
    for (const S3DVERTEX& v : vertices)
        EXPECT_EQ(v.color, 0x7FFF0000u);
}

TEST(BaseObjectVertices, SetAlphaKeepsColourBytesAndOutOfRangeValuesAreHeld)
{
    std::vector<S3DVERTEX> transparent, over;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(
            new CTestMesh({Vertex(0, 0, 0, 0xFF123456), Vertex(1, 0, 0, 0x80ABCDEF), Vertex(0, 1, 0)}, {0, 1, 2}));
        mesh->Init();
        mesh->SetAlpha(0.0f, 0);
        transparent = ReadVertices(*mesh);
        mesh->SetColor({2.0f, -1.0f, 0.25f, 1.5f}, 0);
        over = ReadVertices(*mesh);
        mesh->CleanUp();
    });
    ASSERT_EQ(transparent.size(), 3u);
    EXPECT_EQ(transparent[0].color, 0x00123456u);
    EXPECT_EQ(transparent[1].color, 0x00ABCDEFu);
    EXPECT_EQ(transparent[2].color, 0x00FFFFFFu);
    EXPECT_EQ(over[0].color, 0xFFFF003Fu);  // 0.25 x 255 = 63.75 -> 63
}

TEST(BaseObjectVertices, SettersBeforeInitOnlyChangeTheMaterial)
{
    CTestMesh mesh({Vertex(0, 0, 0)}, {0, 0, 0});
    mesh.SetColor({1, 0, 0, 1}, 0);
    mesh.SetAlpha(0.25f, 0);
    mesh.Resize(3.0f);
    mesh.SetColor({1, 1, 1, 1}, 7);  // no such material: ignored
    EXPECT_EQ(mesh.GetVB(), nullptr);
    unsigned long count = 99;
    EXPECT_EQ(mesh.LockVB(count), nullptr);
    EXPECT_EQ(mesh.LockIB(count), nullptr);
}

TEST(BaseObjectVertices, SetSizeScalesTheLargestExtentToTheGivenSize)
{
    std::vector<S3DVERTEX> vertices, flat;
    D3DXVECTOR3 max;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(new CTestMesh({Vertex(0, 0, 0), Vertex(4, 1, 0), Vertex(2, 0, 1)}, {0, 1, 2}));
        mesh->Init();
        mesh->SetSize(2.0f);
        vertices = ReadVertices(*mesh);
        max = mesh->BoxMax();
        mesh->CleanUp();
        // A flat object has no extent to scale and is not scaled by infinity.
        CTestMesh point({Vertex(0, 0, 0), Vertex(0, 0, 0), Vertex(0, 0, 0)}, {0, 1, 2});
        point.Init();
        point.SetSize(5.0f);
        flat = ReadVertices(point);
        point.CleanUp();
    });
    ASSERT_EQ(vertices.size(), 3u);
    EXPECT_FLOAT_EQ(vertices[1].x, 2.0f);
    EXPECT_FLOAT_EQ(vertices[1].y, 0.5f);
    EXPECT_FLOAT_EQ(vertices[2].z, 0.5f);
    EXPECT_FLOAT_EQ(max.x, 2.0f);
    ASSERT_EQ(flat.size(), 3u);
    EXPECT_EQ(flat[0].x, 0.0f);
}

TEST(BaseObjectVertices, BoundingBoxAlwaysHoldsTheOrigin)
{
    D3DXVECTOR3 min, max, fresh;
    RunScreen({}, [&] {
        std::unique_ptr<CTestMesh> mesh(new CTestMesh({Vertex(1, 2, 3), Vertex(5, 2, 3), Vertex(1, 4, 6)}, {0, 1, 2}));
        fresh = mesh->BoxMax();
        mesh->Init();
        min = mesh->BoxMin();
        max = mesh->BoxMax();
        mesh->CleanUp();
    });
    EXPECT_EQ(fresh, D3DXVECTOR3(1, 1, 1));
    EXPECT_EQ(min, D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(max, D3DXVECTOR3(5, 4, 6));
}

TEST(BaseObjectVertices, NormalsAverageTheFacesOfEachVertexAndSkipUnusedOnes)
{
    std::vector<S3DVERTEX> vertices;
    RunScreen({}, [&] {
        // Two faces of a roof sharing the ridge 0-1; vertex 4 is used by no face, vertex 5 only by a
        // degenerate one.
        std::vector<S3DVERTEX> roof = {Vertex(0, 1, 0), Vertex(0, 1, 1), Vertex(-1, 0, 0),
                                       Vertex(1, 0, 0), Vertex(9, 9, 9), Vertex(3, 3, 3)};
        roof[4].nx = 0.25f;
        roof[4].ny = 0.5f;
        roof[4].nz = 0.75f;
        std::unique_ptr<CTestMesh> mesh(new CTestMesh(roof, {0, 1, 2, 1, 0, 3, 5, 5, 5}, true));
        mesh->Init();
        vertices = ReadVertices(*mesh);
        mesh->CleanUp();
    });
    ASSERT_EQ(vertices.size(), 6u);
    const float half = std::sqrt(0.5f);
    // Face (0, 1, 2): (b - a) x (c - a) = (0, 0, 1) x (-1, -1, 0) = (1, -1, 0), normalised.
    EXPECT_NEAR(vertices[2].nx, half, 1e-5f);
    EXPECT_NEAR(vertices[2].ny, -half, 1e-5f);
    // The ridge sums both faces: (1,-1,0) + (-1,-1,0), normalised.
    EXPECT_NEAR(vertices[0].nx, 0, 1e-5f);
    EXPECT_NEAR(vertices[0].ny, -1, 1e-5f);
    EXPECT_NEAR(vertices[0].nz, 0, 1e-5f);
    EXPECT_FLOAT_EQ(vertices[4].nx, 0.25f);
    EXPECT_FLOAT_EQ(vertices[4].nz, 0.75f);
    EXPECT_FALSE(std::isnan(vertices[5].nx));
}

}  // namespace
