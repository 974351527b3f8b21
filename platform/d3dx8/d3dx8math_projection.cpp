// View (look-at) and projection matrices, left- and right-handed.
#include <cmath>

#include "d3dx8math.h"

namespace {

// A view matrix whose rows hold the camera axes in its columns, and whose translation row moves the eye
// to the origin.
D3DXMATRIX ViewFromAxes(const D3DXVECTOR3& xaxis, const D3DXVECTOR3& yaxis, const D3DXVECTOR3& zaxis,
                        const D3DXVECTOR3& eye)
{
    return D3DXMATRIX(xaxis.x, yaxis.x, zaxis.x, 0,
                      xaxis.y, yaxis.y, zaxis.y, 0,
                      xaxis.z, yaxis.z, zaxis.z, 0,
                      -D3DXVec3Dot(&xaxis, &eye), -D3DXVec3Dot(&yaxis, &eye), -D3DXVec3Dot(&zaxis, &eye), 1);
}

// zaxis points from the eye into the scene for left-handed views and out of it for right-handed ones.
D3DXMATRIX LookAlong(const D3DXVECTOR3& eye, const D3DXVECTOR3& forward, const D3DXVECTOR3& up)
{
    D3DXVECTOR3 zaxis, xaxis, yaxis;
    D3DXVec3Normalize(&zaxis, &forward);
    D3DXVec3Cross(&xaxis, &up, &zaxis);
    D3DXVec3Normalize(&xaxis, &xaxis);
    D3DXVec3Cross(&yaxis, &zaxis, &xaxis);
    return ViewFromAxes(xaxis, yaxis, zaxis, eye);
}

// A perspective projection; handedness sets the sign of the depth row and of w.
D3DXMATRIX Perspective(FLOAT xScale, FLOAT yScale, FLOAT zn, FLOAT zf, bool rightHanded)
{
    FLOAT depth = rightHanded ? zf / (zn - zf) : zf / (zf - zn);
    FLOAT wSign = rightHanded ? -1.0f : 1.0f;
    return D3DXMATRIX(xScale, 0, 0, 0,
                      0, yScale, 0, 0,
                      0, 0, depth, wSign,
                      0, 0, zn * zf / (zn - zf), 0);
}

D3DXMATRIX PerspectiveOffCenter(FLOAT l, FLOAT r, FLOAT b, FLOAT t, FLOAT zn, FLOAT zf, bool rightHanded)
{
    D3DXMATRIX m = Perspective(2 * zn / (r - l), 2 * zn / (t - b), zn, zf, rightHanded);
    FLOAT sign = rightHanded ? -1.0f : 1.0f;
    m._31 = sign * (l + r) / (l - r);
    m._32 = sign * (t + b) / (b - t);
    return m;
}

D3DXMATRIX OrthoOffCenter(FLOAT l, FLOAT r, FLOAT b, FLOAT t, FLOAT zn, FLOAT zf, bool rightHanded)
{
    FLOAT depth = rightHanded ? 1.0f / (zn - zf) : 1.0f / (zf - zn);
    return D3DXMATRIX(2 / (r - l), 0, 0, 0,
                      0, 2 / (t - b), 0, 0,
                      0, 0, depth, 0,
                      (l + r) / (l - r), (t + b) / (b - t), zn / (zn - zf), 1);
}

} // namespace

D3DXMATRIX* D3DXMatrixLookAtLH(D3DXMATRIX* out, const D3DXVECTOR3* eye, const D3DXVECTOR3* at,
                               const D3DXVECTOR3* up)
{
    *out = LookAlong(*eye, *at - *eye, *up);
    return out;
}

D3DXMATRIX* D3DXMatrixLookAtRH(D3DXMATRIX* out, const D3DXVECTOR3* eye, const D3DXVECTOR3* at,
                               const D3DXVECTOR3* up)
{
    *out = LookAlong(*eye, *eye - *at, *up);
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveLH(D3DXMATRIX* out, FLOAT width, FLOAT height, FLOAT zn, FLOAT zf)
{
    *out = Perspective(2 * zn / width, 2 * zn / height, zn, zf, false);
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveRH(D3DXMATRIX* out, FLOAT width, FLOAT height, FLOAT zn, FLOAT zf)
{
    *out = Perspective(2 * zn / width, 2 * zn / height, zn, zf, true);
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveFovLH(D3DXMATRIX* out, FLOAT fovY, FLOAT aspect, FLOAT zn, FLOAT zf)
{
    FLOAT yScale = 1.0f / std::tan(fovY / 2);
    *out = Perspective(yScale / aspect, yScale, zn, zf, false);
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveFovRH(D3DXMATRIX* out, FLOAT fovY, FLOAT aspect, FLOAT zn, FLOAT zf)
{
    FLOAT yScale = 1.0f / std::tan(fovY / 2);
    *out = Perspective(yScale / aspect, yScale, zn, zf, true);
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveOffCenterLH(D3DXMATRIX* out, FLOAT l, FLOAT r, FLOAT b, FLOAT t, FLOAT zn,
                                             FLOAT zf)
{
    *out = PerspectiveOffCenter(l, r, b, t, zn, zf, false);
    return out;
}

D3DXMATRIX* D3DXMatrixPerspectiveOffCenterRH(D3DXMATRIX* out, FLOAT l, FLOAT r, FLOAT b, FLOAT t, FLOAT zn,
                                             FLOAT zf)
{
    *out = PerspectiveOffCenter(l, r, b, t, zn, zf, true);
    return out;
}

D3DXMATRIX* D3DXMatrixOrthoLH(D3DXMATRIX* out, FLOAT width, FLOAT height, FLOAT zn, FLOAT zf)
{
    *out = OrthoOffCenter(-width / 2, width / 2, -height / 2, height / 2, zn, zf, false);
    return out;
}

D3DXMATRIX* D3DXMatrixOrthoRH(D3DXMATRIX* out, FLOAT width, FLOAT height, FLOAT zn, FLOAT zf)
{
    *out = OrthoOffCenter(-width / 2, width / 2, -height / 2, height / 2, zn, zf, true);
    return out;
}

D3DXMATRIX* D3DXMatrixOrthoOffCenterLH(D3DXMATRIX* out, FLOAT l, FLOAT r, FLOAT b, FLOAT t, FLOAT zn, FLOAT zf)
{
    *out = OrthoOffCenter(l, r, b, t, zn, zf, false);
    return out;
}

D3DXMATRIX* D3DXMatrixOrthoOffCenterRH(D3DXMATRIX* out, FLOAT l, FLOAT r, FLOAT b, FLOAT t, FLOAT zn, FLOAT zf)
{
    *out = OrthoOffCenter(l, r, b, t, zn, zf, true);
    return out;
}
