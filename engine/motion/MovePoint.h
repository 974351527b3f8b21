// One key point of a motion path: its orientation, position, travel speed and zoom, and the arc
// lengths measured along the segment that starts at it.
#pragma once

#include <d3dx8.h>

// Samples measured along each segment, at the curve parameters 0, 0.1, ..., 0.9.
constexpr int MOVE_SAMPLES_PER_SEGMENT = 10;
// The usual field of view, pi/4, used where a path has no zoom of its own to give.
constexpr float MOVE_DEFAULT_ZOOM = 0.785398f;

struct CMovePoint {
    // Look vector, relative to the position.
    D3DXVECTOR3 m_vDirection;
    D3DXVECTOR3 m_vPosition;
    D3DXVECTOR3 m_vUp;
    // Cumulative path length at the last sample of this point's segment.
    float m_fDistance;
    // Distance units per second while the path is at this point.
    float m_fSpeed;
    // Field-of-view angle in radians.
    float m_fZoom;
    // Cumulative path length at each sample of this point's segment.
    float m_fSampleDistances[MOVE_SAMPLES_PER_SEGMENT];
};

static_assert(sizeof(CMovePoint) == 22 * sizeof(float), "a key point is 22 floats");
