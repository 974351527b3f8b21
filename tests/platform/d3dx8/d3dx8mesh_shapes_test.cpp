// The sphere, cylinder and torus generators: counts, surfaces, normals, winding and adjacency.
#include <cmath>

#include "d3dx8mesh_fixture.h"

namespace d3dx8_mesh_test {
namespace {

constexpr float kEpsilon = 1e-4f;

class ShapeTest : public MeshTest {
protected:
    void ExpectShape(DWORD vertices, DWORD faces)
    {
        ASSERT_NE(mesh, nullptr);
        EXPECT_EQ(mesh->GetNumVertices(), vertices);
        EXPECT_EQ(mesh->GetNumFaces(), faces);
        EXPECT_EQ(mesh->GetFVF(), DWORD(D3DFVF_XYZ | D3DFVF_NORMAL));
        IDirect3DIndexBuffer8* indexBuffer = nullptr;
        ASSERT_EQ(mesh->GetIndexBuffer(&indexBuffer), D3D_OK);
        D3DINDEXBUFFER_DESC desc;
        ASSERT_EQ(indexBuffer->GetDesc(&desc), D3D_OK);
        EXPECT_EQ(desc.Format, D3DFMT_INDEX16);
        EXPECT_EQ(desc.Size, faces * 3 * 2);
        indexBuffer->Release();
    }

    // Every face's (b - a) x (c - a) points away from the surface's inside, given for a point as the
    // nearest point of the shape's core (the centre, the axis or the torus's centre circle).
    template <class Core>
    void ExpectFacesWoundOutwards(Core core)
    {
        const auto vertices = ReadPositionNormals(mesh);
        const auto indices = ReadIndices(mesh);
        for (size_t f = 0; f < mesh->GetNumFaces(); ++f) {
            const D3DXVECTOR3 centre = FaceCentre(vertices, indices, f);
            EXPECT_GT(Dot(FaceCross(vertices, indices, f), centre - core(centre)), 0.0f) << "face " << f;
        }
    }

    // Every edge of a closed shape has a neighbour that names this face back.
    void ExpectClosedAdjacency()
    {
        ASSERT_NE(adjacency, nullptr);
        const DWORD faces = mesh->GetNumFaces();
        ASSERT_EQ(adjacency->GetBufferSize(), faces * 3 * sizeof(DWORD));
        const DWORD* neighbours = static_cast<const DWORD*>(adjacency->GetBufferPointer());
        for (DWORD f = 0; f < faces; ++f) {
            for (int e = 0; e < 3; ++e) {
                const DWORD other = neighbours[f * 3 + e];
                ASSERT_LT(other, faces) << "face " << f << " edge " << e;
                const DWORD* back = neighbours + other * 3;
                EXPECT_TRUE(back[0] == f || back[1] == f || back[2] == f) << "face " << f;
            }
        }
    }
};

D3DXVECTOR3 Origin(const D3DXVECTOR3&)
{
    return {0, 0, 0};
}

TEST_F(ShapeTest, SphereCountsFollowSlicesAndStacks)
{
    const UINT cases[][2] = {{10, 10}, {3, 2}, {7, 5}};
    for (const auto& c : cases) {
        ASSERT_EQ(D3DXCreateSphere(device, 1.0f, c[0], c[1], &mesh, nullptr), D3D_OK);
        ExpectShape(c[0] * (c[1] - 1) + 2, 2 * c[0] * (c[1] - 1));
        Release(mesh);
    }
}

TEST_F(ShapeTest, SphereVerticesLieOnTheSurfaceWithOutwardUnitNormals)
{
    const float radius = 2.5f;
    ASSERT_EQ(D3DXCreateSphere(device, radius, 12, 8, &mesh, &adjacency), D3D_OK);
    const auto vertices = ReadPositionNormals(mesh);
    ASSERT_EQ(vertices.size(), 12u * 7 + 2);
    ExpectVec3(vertices.front().position, {0, 0, radius});
    ExpectVec3(vertices.back().position, {0, 0, -radius});
    for (const PositionNormal& v : vertices) {
        EXPECT_NEAR(Length(v.position), radius, kEpsilon);
        EXPECT_NEAR(Length(v.normal), 1.0f, kEpsilon);
        EXPECT_NEAR(Dot(v.normal, v.position), radius, kEpsilon);
    }
    ExpectFacesWoundOutwards(Origin);
    ExpectClosedAdjacency();
}

// The first face of a four-slice, two-stack sphere joins the +z pole to the first two equator vertices,
// (r, 0, 0) and then (0, r, 0): seen from outside, from (1, 1, 1), that turns clockwise in left-handed
// coordinates, and (b - a) x (c - a) = r^2 (1, 1, 1).
TEST_F(ShapeTest, SphereFirstFaceIsClockwiseFromOutside)
{
    ASSERT_EQ(D3DXCreateSphere(device, 2.0f, 4, 2, &mesh, nullptr), D3D_OK);
    const auto vertices = ReadPositionNormals(mesh);
    const auto indices = ReadIndices(mesh);
    ASSERT_EQ(indices.size(), 8u * 3);
    EXPECT_EQ(indices[0], 0);
    EXPECT_EQ(indices[1], 1);
    EXPECT_EQ(indices[2], 2);
    ExpectVec3(vertices[1].position, {2, 0, 0});
    ExpectVec3(vertices[2].position, {0, 2, 0});
    ExpectVec3(FaceCross(vertices, indices, 0), {4, 4, 4});
}

TEST_F(ShapeTest, CylinderCountsFollowSlicesAndStacks)
{
    const UINT cases[][2] = {{10, 10}, {3, 1}, {8, 4}};
    for (const auto& c : cases) {
        ASSERT_EQ(D3DXCreateCylinder(device, 1.0f, 1.0f, 1.0f, c[0], c[1], &mesh, nullptr), D3D_OK);
        ExpectShape(c[0] * (c[1] + 3) + 2, 2 * c[0] * (c[1] + 1));
        Release(mesh);
    }
}

TEST_F(ShapeTest, ConeRunsAlongZFromRadius1ToRadius2)
{
    const float radius1 = 1.0f, radius2 = 0.5f, length = 3.0f;
    ASSERT_EQ(D3DXCreateCylinder(device, radius1, radius2, length, 9, 3, &mesh, &adjacency), D3D_OK);
    const auto vertices = ReadPositionNormals(mesh);
    ExpectVec3(vertices.front().position, {0, 0, -length / 2});
    ExpectVec3(vertices.back().position, {0, 0, length / 2});
    for (const PositionNormal& v : vertices) {
        const float z = v.position.z;
        EXPECT_GE(z, -length / 2 - kEpsilon);
        EXPECT_LE(z, length / 2 + kEpsilon);
        EXPECT_NEAR(Length(v.normal), 1.0f, kEpsilon);
        const float r = std::hypot(v.position.x, v.position.y);
        if (std::fabs(v.normal.z) > 0.999f) {
            // Cap vertex: on its end's plane, facing away from the other end.
            EXPECT_NEAR(z, v.normal.z * length / 2, kEpsilon);
        } else {
            // Side vertex: radius interpolated along z, normal facing out from the axis.
            EXPECT_NEAR(r, radius1 + (radius2 - radius1) * (z + length / 2) / length, kEpsilon);
            EXPECT_GT(v.normal.x * v.position.x + v.normal.y * v.position.y, 0.0f);
            EXPECT_GT(v.normal.z, 0.0f) << "a cone narrowing towards +z leans its side normals to +z";
        }
    }
    ExpectFacesWoundOutwards(Origin);
    ExpectClosedAdjacency();
}

TEST_F(ShapeTest, TorusCountsFollowSidesAndRings)
{
    const UINT cases[][2] = {{10, 10}, {3, 3}, {6, 16}};
    for (const auto& c : cases) {
        ASSERT_EQ(D3DXCreateTorus(device, 0.5f, 1.0f, c[0], c[1], &mesh, nullptr), D3D_OK);
        ExpectShape(c[0] * c[1], 2 * c[0] * c[1]);
        Release(mesh);
    }
}

TEST_F(ShapeTest, TorusVerticesLieOnTheTubeAroundTheXyCircle)
{
    const float inner = 0.25f, outer = 2.0f;
    ASSERT_EQ(D3DXCreateTorus(device, inner, outer, 8, 12, &mesh, &adjacency), D3D_OK);
    auto circlePoint = [outer](const D3DXVECTOR3& p) {
        const float r = std::hypot(p.x, p.y);
        return D3DXVECTOR3(p.x * outer / r, p.y * outer / r, 0);
    };
    for (const PositionNormal& v : ReadPositionNormals(mesh)) {
        const D3DXVECTOR3 fromCircle = v.position - circlePoint(v.position);
        EXPECT_NEAR(Length(fromCircle), inner, kEpsilon);
        EXPECT_NEAR(Length(v.normal), 1.0f, kEpsilon);
        EXPECT_NEAR(Dot(v.normal, fromCircle), inner, kEpsilon);
    }
    ExpectFacesWoundOutwards(circlePoint);
    ExpectClosedAdjacency();
}

TEST_F(ShapeTest, GeneratorsRefuseTooFewDivisionsAndNegativeSizes)
{
    ID3DXMesh* stale = nullptr;
    mesh = reinterpret_cast<ID3DXMesh*>(&stale);  // an output that a failure must clear
    EXPECT_EQ(D3DXCreateSphere(device, 1.0f, 1, 5, &mesh, nullptr), D3DERR_INVALIDCALL);
    ASSERT_EQ(mesh, nullptr);
    EXPECT_EQ(D3DXCreateSphere(device, 1.0f, 5, 1, &mesh, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateSphere(device, -1.0f, 5, 5, &mesh, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateSphere(nullptr, 1.0f, 5, 5, &mesh, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateCylinder(device, 1.0f, 1.0f, 1.0f, 5, 0, &mesh, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateCylinder(device, 1.0f, 1.0f, -1.0f, 5, 1, &mesh, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(D3DXCreateTorus(device, 0.5f, 1.0f, 2, 5, &mesh, nullptr), D3DERR_INVALIDCALL);
    // More vertices than 16-bit indices can address.
    EXPECT_EQ(D3DXCreateTorus(device, 0.5f, 1.0f, 300, 300, &mesh, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(mesh, nullptr);
}

}  // namespace
}  // namespace d3dx8_mesh_test
