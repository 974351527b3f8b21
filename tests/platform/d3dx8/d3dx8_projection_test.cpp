#include "d3dx8_math_expect.h"

namespace {

TEST(D3DXMatrixLookAt, PutsTheEyeAtTheOriginAndTheTargetAheadOnZ)
{
    D3DXVECTOR3 eye(0, 3, 5), at(0, 0, 0), up(0, 1, 0);
    const float distance = std::sqrt(34.0f);
    D3DXMATRIX view;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    ExpectVec3Near({0, 0, 0}, TransformPoint(view, eye));
    ExpectVec3Near({0, 0, distance}, TransformPoint(view, at));
    // Left-handed: +x is to the right of +z. Looking from +z towards -z, the right is world -x.
    EXPECT_NEAR(1.0f, TransformPoint(view, {-1, 0, 0}).x, kTolerance);
    EXPECT_GT(TransformPoint(view, {0, 4, 5}).y, 0.0f);

    D3DXMatrixLookAtRH(&view, &eye, &at, &up);
    ExpectVec3Near({0, 0, 0}, TransformPoint(view, eye));
    ExpectVec3Near({0, 0, -distance}, TransformPoint(view, at));
}

TEST(D3DXMatrixLookAt, RowsOfTheRotationAreOrthonormal)
{
    D3DXVECTOR3 eye(4, -2, 7), at(-1, 3, 0.5f), up(0.2f, 1, 0.1f);
    D3DXMATRIX view, product;
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    view._41 = view._42 = view._43 = 0;
    D3DXMATRIX transposed;
    D3DXMatrixTranspose(&transposed, &view);
    D3DXMatrixMultiply(&product, &view, &transposed);
    D3DXMATRIX identity;
    ExpectMatrixNear(*D3DXMatrixIdentity(&identity), product);
}

TEST(D3DXMatrixPerspective, MapsNearToDepthZeroFarToOneAndTheFieldOfViewToTheEdges)
{
    const float fov = D3DX_PI / 4, aspect = 4.0f / 3.0f, zn = 0.1f, zf = 500.0f;
    D3DXMATRIX proj;
    D3DXMatrixPerspectiveFovLH(&proj, fov, aspect, zn, zf);
    EXPECT_FLOAT_EQ(1.0f, proj._34);
    EXPECT_FLOAT_EQ(0.0f, proj._44);
    EXPECT_NEAR(0.0f, TransformPoint(proj, {0, 0, zn}).z, 1e-5f);
    EXPECT_NEAR(1.0f, TransformPoint(proj, {0, 0, zf}).z, 1e-5f);
    const float z = 10, halfHeight = z * std::tan(fov / 2);
    ExpectVec3Near({1, 1, TransformPoint(proj, {0, 0, z}).z},
                   TransformPoint(proj, {halfHeight * aspect, halfHeight, z}));

    D3DXMatrixPerspectiveFovRH(&proj, fov, aspect, zn, zf);
    EXPECT_NEAR(0.0f, TransformPoint(proj, {0, 0, -zn}).z, 1e-5f);
    EXPECT_NEAR(1.0f, TransformPoint(proj, {0, 0, -zf}).z, 1e-5f);
    ExpectVec3Near({1, 1, TransformPoint(proj, {0, 0, -z}).z},
                   TransformPoint(proj, {halfHeight * aspect, halfHeight, -z}));
}

TEST(D3DXMatrixPerspective, WithANearPlaneOfZeroEveryPointHasDepthOne)
{
    D3DXMATRIX proj;
    D3DXMatrixPerspectiveFovLH(&proj, D3DX_PI / 3, 1.0f, 0.0f, 100.0f);
    for (float z : {0.5f, 20.0f, 250.0f})
        EXPECT_FLOAT_EQ(1.0f, TransformPoint(proj, {1, -1, z}).z);
}

TEST(D3DXMatrixPerspective, ViewVolumeCornersLandOnTheClipCube)
{
    D3DXMATRIX proj;
    D3DXMatrixPerspectiveLH(&proj, 4, 2, 1, 10);
    ExpectVec3Near({1, 1, 0}, TransformPoint(proj, {2, 1, 1}));
    D3DXMatrixPerspectiveRH(&proj, 4, 2, 1, 10);
    ExpectVec3Near({-1, 1, 0}, TransformPoint(proj, {-2, 1, -1}));
    ExpectVec3Near({1, -1, 1}, TransformPoint(proj, {20, -10, -10}));

    D3DXMatrixPerspectiveOffCenterLH(&proj, 1, 3, -1, 2, 1, 10);
    ExpectVec3Near({-1, -1, 0}, TransformPoint(proj, {1, -1, 1}));
    ExpectVec3Near({1, 1, 1}, TransformPoint(proj, {30, 20, 10}));
    D3DXMatrixPerspectiveOffCenterRH(&proj, 1, 3, -1, 2, 1, 10);
    ExpectVec3Near({-1, -1, 0}, TransformPoint(proj, {1, -1, -1}));
    ExpectVec3Near({1, 1, 1}, TransformPoint(proj, {30, 20, -10}));
}

TEST(D3DXMatrixOrtho, MapsTheBoxOntoTheClipCube)
{
    D3DXMATRIX proj;
    D3DXMatrixOrthoLH(&proj, 640, 480, 0, 100);
    ExpectVec3Near({1, 1, 0}, TransformPoint(proj, {320, 240, 0}));
    ExpectVec3Near({-1, -1, 1}, TransformPoint(proj, {-320, -240, 100}));
    D3DXMatrixOrthoRH(&proj, 2, 2, 1, 5);
    ExpectVec3Near({1, -1, 1}, TransformPoint(proj, {1, -1, -5}));

    D3DXMatrixOrthoOffCenterLH(&proj, 10, 20, 5, 25, 1, 3);
    ExpectVec3Near({-1, -1, 0}, TransformPoint(proj, {10, 5, 1}));
    ExpectVec3Near({1, 1, 1}, TransformPoint(proj, {20, 25, 3}));
    D3DXMatrixOrthoOffCenterRH(&proj, 10, 20, 5, 25, 1, 3);
    ExpectVec3Near({1, 1, 1}, TransformPoint(proj, {20, 25, -3}));
}

} // namespace
