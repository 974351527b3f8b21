// Planes built from points and normals, and the colour adjustments.
#include <cmath>

#include "d3dx8math.h"

D3DXPLANE* D3DXPlaneNormalize(D3DXPLANE* out, const D3DXPLANE* p)
{
    FLOAT length = std::sqrt(p->a * p->a + p->b * p->b + p->c * p->c);
    *out = length > 0.0f ? *p / length : D3DXPLANE(0, 0, 0, 0);
    return out;
}

D3DXPLANE* D3DXPlaneFromPointNormal(D3DXPLANE* out, const D3DXVECTOR3* point, const D3DXVECTOR3* normal)
{
    *out = D3DXPLANE(normal->x, normal->y, normal->z, -D3DXVec3Dot(point, normal));
    return out;
}

D3DXPLANE* D3DXPlaneFromPoints(D3DXPLANE* out, const D3DXVECTOR3* v1, const D3DXVECTOR3* v2,
                               const D3DXVECTOR3* v3)
{
    D3DXVECTOR3 edge1 = *v2 - *v1, edge2 = *v3 - *v1, normal;
    D3DXVec3Cross(&normal, &edge1, &edge2);
    D3DXVec3Normalize(&normal, &normal);
    return D3DXPlaneFromPointNormal(out, v1, &normal);
}

D3DXVECTOR3* D3DXPlaneIntersectLine(D3DXVECTOR3* out, const D3DXPLANE* p, const D3DXVECTOR3* v1,
                                    const D3DXVECTOR3* v2)
{
    D3DXVECTOR3 direction = *v2 - *v1;
    FLOAT denominator = D3DXPlaneDotNormal(p, &direction);
    if (denominator == 0.0f)
        return nullptr;
    FLOAT t = -D3DXPlaneDotCoord(p, v1) / denominator;
    *out = *v1 + direction * t;
    return out;
}

D3DXPLANE* D3DXPlaneTransform(D3DXPLANE* out, const D3DXPLANE* p, const D3DXMATRIX* m)
{
    D3DXVECTOR4 v(p->a, p->b, p->c, p->d);
    D3DXVec4Transform(&v, &v, m);
    *out = D3DXPLANE(v.x, v.y, v.z, v.w);
    return out;
}

D3DXCOLOR* D3DXColorAdjustSaturation(D3DXCOLOR* out, const D3DXCOLOR* c, FLOAT s)
{
    // Blend between the colour's luminance grey (s = 0) and the colour itself (s = 1).
    FLOAT grey = c->r * 0.2125f + c->g * 0.7154f + c->b * 0.0721f;
    *out = D3DXCOLOR(grey + s * (c->r - grey), grey + s * (c->g - grey), grey + s * (c->b - grey), c->a);
    return out;
}

D3DXCOLOR* D3DXColorAdjustContrast(D3DXCOLOR* out, const D3DXCOLOR* c, FLOAT contrast)
{
    // Stretch each channel away from mid grey.
    *out = D3DXCOLOR(0.5f + contrast * (c->r - 0.5f), 0.5f + contrast * (c->g - 0.5f),
                     0.5f + contrast * (c->b - 0.5f), c->a);
    return out;
}
