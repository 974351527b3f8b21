// A hand-moved clock for motion paths, so path tests need no display run, and short readers.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "motion/Move.h"

class CTestMoveClock : public CMoveClock {
public:
    float GetTickCount() override { return m_fTime; }
    bool IsTimeReset() override { return m_bTimeReset; }
    void SetFieldOfView(float radians) override { m_FieldsOfView.push_back(radians); }

    float m_fTime = 0.0f;
    bool m_bTimeReset = false;
    std::vector<float> m_FieldsOfView;
};

struct SMoveSample {
    D3DXVECTOR3 position, direction, up;
    float speed, zoom;
};

inline SMoveSample CurrentSample(CMove& path)
{
    SMoveSample s;
    path.GetCurrentPosition(s.position.x, s.position.y, s.position.z, s.direction.x, s.direction.y, s.direction.z,
                            s.speed, s.up.x, s.up.y, s.up.z, s.zoom);
    return s;
}

inline SMoveSample SampleAt(CMove& path, float distance)
{
    SMoveSample s;
    path.GetPosition(distance, s.position.x, s.position.y, s.position.z, s.direction.x, s.direction.y,
                     s.direction.z, s.speed, s.up.x, s.up.y, s.up.z, s.zoom);
    return s;
}

// A point looking along +z with the y axis up and zoom pi/4.
inline void AddPlainPoint(CMove& path, float x, float y, float z, float speed = 10.0f)
{
    path.AddPoint(x, y, z, 0.0f, 0.0f, 1.0f, speed, 0.0f, 1.0f, 0.0f, 0.785398f);
}

inline float Distance(const D3DXVECTOR3& a, const D3DXVECTOR3& b)
{
    const D3DXVECTOR3 d = a - b;
    return D3DXVec3Length(&d);
}

#define EXPECT_VEC_NEAR(actual, ex, ey, ez, tolerance) \
    EXPECT_LE(Distance((actual), D3DXVECTOR3((ex), (ey), (ez))), (tolerance))
