// Approximate comparisons and sample inputs shared by the math tests.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "d3dx8math.h"

constexpr float kTolerance = 1e-4f;

inline void ExpectVec3Near(const D3DXVECTOR3& expected, const D3DXVECTOR3& actual, float tolerance = kTolerance)
{
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
    EXPECT_NEAR(expected.z, actual.z, tolerance);
}

inline void ExpectMatrixNear(const D3DXMATRIX& expected, const D3DXMATRIX& actual, float tolerance = kTolerance)
{
    for (UINT row = 0; row < 4; ++row)
        for (UINT col = 0; col < 4; ++col)
            EXPECT_NEAR(expected(row, col), actual(row, col), tolerance) << "row " << row << " col " << col;
}

inline D3DXVECTOR3 TransformPoint(const D3DXMATRIX& m, const D3DXVECTOR3& p)
{
    D3DXVECTOR3 out;
    D3DXVec3TransformCoord(&out, &p, &m);
    return out;
}

// Yaw, pitch and roll triples that cover every quadrant, including ones whose rotation matrix has a
// negative trace.
inline std::vector<D3DXVECTOR3> SampleAngles()
{
    std::vector<D3DXVECTOR3> angles = {{0.3f, -0.7f, 1.1f}, {D3DX_PI, 0, 0}, {0, D3DX_PI, 0}, {0, 0, D3DX_PI},
                                       {2.9f, 0.2f, -2.5f}, {-1.5f, 1.4f, 3.0f}, {0, 0, 0}};
    std::mt19937 rng(1234);
    std::uniform_real_distribution<float> angle(-D3DX_PI, D3DX_PI);
    for (int i = 0; i < 20; ++i)
        angles.emplace_back(angle(rng), angle(rng), angle(rng));
    return angles;
}
