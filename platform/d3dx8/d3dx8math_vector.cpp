// Vector normalisation and transformation by matrices.
#include "d3dx8math.h"

namespace {

// The four components of (x, y, z, w) * M.
D3DXVECTOR4 TransformRow(FLOAT x, FLOAT y, FLOAT z, FLOAT w, const D3DXMATRIX& m)
{
    return D3DXVECTOR4(x * m._11 + y * m._21 + z * m._31 + w * m._41,
                       x * m._12 + y * m._22 + z * m._32 + w * m._42,
                       x * m._13 + y * m._23 + z * m._33 + w * m._43,
                       x * m._14 + y * m._24 + z * m._34 + w * m._44);
}

// 1 / w for a homogeneous divide; a point at infinity (w = 0) is left undivided rather than
// turned into infinities.
FLOAT HomogeneousScale(FLOAT w)
{
    return w != 0.0f ? 1.0f / w : 1.0f;
}

} // namespace

D3DXVECTOR2* D3DXVec2Normalize(D3DXVECTOR2* out, const D3DXVECTOR2* v)
{
    FLOAT length = D3DXVec2Length(v);
    *out = length > 0.0f ? D3DXVECTOR2(v->x / length, v->y / length) : D3DXVECTOR2(0, 0);
    return out;
}

D3DXVECTOR4* D3DXVec2Transform(D3DXVECTOR4* out, const D3DXVECTOR2* v, const D3DXMATRIX* m)
{
    *out = TransformRow(v->x, v->y, 0, 1, *m);
    return out;
}

D3DXVECTOR2* D3DXVec2TransformCoord(D3DXVECTOR2* out, const D3DXVECTOR2* v, const D3DXMATRIX* m)
{
    D3DXVECTOR4 h = TransformRow(v->x, v->y, 0, 1, *m);
    FLOAT scale = HomogeneousScale(h.w);
    *out = D3DXVECTOR2(h.x * scale, h.y * scale);
    return out;
}

D3DXVECTOR2* D3DXVec2TransformNormal(D3DXVECTOR2* out, const D3DXVECTOR2* v, const D3DXMATRIX* m)
{
    D3DXVECTOR4 h = TransformRow(v->x, v->y, 0, 0, *m);
    *out = D3DXVECTOR2(h.x, h.y);
    return out;
}

D3DXVECTOR3* D3DXVec3Normalize(D3DXVECTOR3* out, const D3DXVECTOR3* v)
{
    FLOAT length = D3DXVec3Length(v);
    *out = length > 0.0f ? D3DXVECTOR3(v->x / length, v->y / length, v->z / length) : D3DXVECTOR3(0, 0, 0);
    return out;
}

D3DXVECTOR4* D3DXVec3Transform(D3DXVECTOR4* out, const D3DXVECTOR3* v, const D3DXMATRIX* m)
{
    *out = TransformRow(v->x, v->y, v->z, 1, *m);
    return out;
}

D3DXVECTOR3* D3DXVec3TransformCoord(D3DXVECTOR3* out, const D3DXVECTOR3* v, const D3DXMATRIX* m)
{
    D3DXVECTOR4 h = TransformRow(v->x, v->y, v->z, 1, *m);
    FLOAT scale = HomogeneousScale(h.w);
    *out = D3DXVECTOR3(h.x * scale, h.y * scale, h.z * scale);
    return out;
}

D3DXVECTOR3* D3DXVec3TransformNormal(D3DXVECTOR3* out, const D3DXVECTOR3* v, const D3DXMATRIX* m)
{
    D3DXVECTOR4 h = TransformRow(v->x, v->y, v->z, 0, *m);
    *out = D3DXVECTOR3(h.x, h.y, h.z);
    return out;
}

D3DXVECTOR4* D3DXVec4Normalize(D3DXVECTOR4* out, const D3DXVECTOR4* v)
{
    FLOAT length = D3DXVec4Length(v);
    *out = length > 0.0f ? *v / length : D3DXVECTOR4(0, 0, 0, 0);
    return out;
}

D3DXVECTOR4* D3DXVec4Transform(D3DXVECTOR4* out, const D3DXVECTOR4* v, const D3DXMATRIX* m)
{
    *out = TransformRow(v->x, v->y, v->z, v->w, *m);
    return out;
}
