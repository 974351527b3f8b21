// The four curves a motion path can follow, each evaluated over the four neighbour points of a
// segment: P0 before it, P1 its start, P2 its end, P3 after it. t runs from 0 at P1 to 1 at P2.
#pragma once

#include <d3dx8.h>

struct SMoveNeighbours {
    D3DXVECTOR3 p0;
    D3DXVECTOR3 p1;
    D3DXVECTOR3 p2;
    D3DXVECTOR3 p3;
};

namespace MoveCurve {

// The segment's start point for every t.
D3DXVECTOR3 Step(const SMoveNeighbours& p, float t);
// The straight line from P1 to P2.
D3DXVECTOR3 Linear(const SMoveNeighbours& p, float t);
// Uniform cubic B-spline: smooth, passes near the points but not through them.
D3DXVECTOR3 B_Spline(const SMoveNeighbours& p, float t);
// Cubic Hermite with Catmull-Rom tangents: passes through P1 at t = 0 and P2 at t = 1.
D3DXVECTOR3 H_Spline(const SMoveNeighbours& p, float t);

}  // namespace MoveCurve
