// The path curves, in 32-bit float arithmetic throughout.
#include "motion/MoveCurve.h"

namespace MoveCurve {

D3DXVECTOR3 Step(const SMoveNeighbours& p, float /*t*/) { return p.p1; }

D3DXVECTOR3 Linear(const SMoveNeighbours& p, float t) { return p.p1 + (p.p2 - p.p1) * t; }

D3DXVECTOR3 B_Spline(const SMoveNeighbours& p, float t)
{
    const float t2 = t * t;
    const float t3 = t2 * t;
    const float b0 = 3.0f * t2 - t3 - 3.0f * t + 1.0f;
    const float b1 = 3.0f * t3 - 6.0f * t2 + 4.0f;
    const float b2 = 3.0f * (t + t2) - 3.0f * t3 + 1.0f;
    const float b3 = t3;
    return (p.p0 * b0 + p.p1 * b1 + p.p2 * b2 + p.p3 * b3) * 0.16666667f;
}

D3DXVECTOR3 H_Spline(const SMoveNeighbours& p, float t)
{
    const float t2 = t * t;
    const float t3 = t2 * t;
    const D3DXVECTOR3 m1 = (p.p2 - p.p0) * 0.5f;
    const D3DXVECTOR3 m2 = (p.p3 - p.p1) * 0.5f;
    return p.p1 * (2.0f * t3 - 3.0f * t2 + 1.0f) + m1 * (t3 - 2.0f * t2 + t) + p.p2 * (-2.0f * t3 + 3.0f * t2) +
           m2 * (t3 - t2);
}

}  // namespace MoveCurve
