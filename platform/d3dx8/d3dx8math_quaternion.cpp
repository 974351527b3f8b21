// Quaternion construction, products and interpolation. A unit quaternion (x, y, z, w) rotates by
// 2 * acos(w) about (x, y, z); the matrices it corresponds to are those of D3DXMatrixRotationQuaternion.
#include <cmath>

#include "d3dx8math.h"

namespace {

// The rotation quaternion of a matrix whose largest diagonal element is at index i (0, 1 or 2), used
// when the trace is too small for the w-first formula to be accurate.
D3DXQUATERNION FromDominantDiagonal(const D3DXMATRIX& m, int i)
{
    int j = (i + 1) % 3, k = (i + 2) % 3;
    FLOAT v[3];
    FLOAT root = std::sqrt(1.0f + m.m[i][i] - m.m[j][j] - m.m[k][k]);
    v[i] = root * 0.5f;
    FLOAT f = 0.5f / root;
    v[j] = (m.m[i][j] + m.m[j][i]) * f;
    v[k] = (m.m[i][k] + m.m[k][i]) * f;
    FLOAT w = (m.m[j][k] - m.m[k][j]) * f;
    return D3DXQUATERNION(v[0], v[1], v[2], w);
}

} // namespace

D3DXQUATERNION* D3DXQuaternionNormalize(D3DXQUATERNION* out, const D3DXQUATERNION* q)
{
    FLOAT length = D3DXQuaternionLength(q);
    *out = length > 0.0f ? *q / length : D3DXQUATERNION(0, 0, 0, 0);
    return out;
}

D3DXQUATERNION* D3DXQuaternionInverse(D3DXQUATERNION* out, const D3DXQUATERNION* q)
{
    FLOAT lengthSq = D3DXQuaternionLengthSq(q);
    if (!(lengthSq > 0.0f)) {
        *out = D3DXQUATERNION(0, 0, 0, 0);
        return out;
    }
    D3DXQuaternionConjugate(out, q);
    *out /= lengthSq;
    return out;
}

D3DXQUATERNION* D3DXQuaternionMultiply(D3DXQUATERNION* out, const D3DXQUATERNION* q1, const D3DXQUATERNION* q2)
{
    // The Hamilton product q2 * q1, so that the result applies q1 first.
    const D3DXQUATERNION& a = *q2;
    const D3DXQUATERNION& b = *q1;
    *out = D3DXQUATERNION(a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y,
                          a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
                          a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w,
                          a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z);
    return out;
}

D3DXQUATERNION* D3DXQuaternionRotationMatrix(D3DXQUATERNION* out, const D3DXMATRIX* m)
{
    FLOAT trace = m->_11 + m->_22 + m->_33;
    if (trace > 0.0f) {
        FLOAT root = std::sqrt(trace + 1.0f);
        FLOAT f = 0.5f / root;
        *out = D3DXQUATERNION((m->_23 - m->_32) * f, (m->_31 - m->_13) * f, (m->_12 - m->_21) * f, root * 0.5f);
        return out;
    }
    int i = 0;
    if (m->_22 > m->_11)
        i = 1;
    if (m->_33 > m->m[i][i])
        i = 2;
    *out = FromDominantDiagonal(*m, i);
    return out;
}

D3DXQUATERNION* D3DXQuaternionRotationAxis(D3DXQUATERNION* out, const D3DXVECTOR3* axis, FLOAT angle)
{
    D3DXVECTOR3 n;
    D3DXVec3Normalize(&n, axis);
    if (n.x == 0 && n.y == 0 && n.z == 0)
        return D3DXQuaternionIdentity(out);
    FLOAT s = std::sin(angle / 2);
    *out = D3DXQUATERNION(n.x * s, n.y * s, n.z * s, std::cos(angle / 2));
    return out;
}

D3DXQUATERNION* D3DXQuaternionRotationYawPitchRoll(D3DXQUATERNION* out, FLOAT yaw, FLOAT pitch, FLOAT roll)
{
    // Roll about z, then pitch about x, then yaw about y, as D3DXMatrixRotationYawPitchRoll.
    FLOAT cy = std::cos(yaw / 2), sy = std::sin(yaw / 2);
    FLOAT cp = std::cos(pitch / 2), sp = std::sin(pitch / 2);
    FLOAT cr = std::cos(roll / 2), sr = std::sin(roll / 2);
    *out = D3DXQUATERNION(cy * sp * cr + sy * cp * sr,
                          sy * cp * cr - cy * sp * sr,
                          cy * cp * sr - sy * sp * cr,
                          cy * cp * cr + sy * sp * sr);
    return out;
}

D3DXQUATERNION* D3DXQuaternionSlerp(D3DXQUATERNION* out, const D3DXQUATERNION* q1, const D3DXQUATERNION* q2,
                                    FLOAT t)
{
    FLOAT cosine = D3DXQuaternionDot(q1, q2);
    FLOAT sign = 1.0f;
    if (cosine < 0.0f) {
        cosine = -cosine;
        sign = -1.0f;
    }
    FLOAT w1 = 1.0f - t, w2 = t;
    // Nearly equal rotations: the sine below vanishes, and a straight blend is as accurate.
    if (cosine < 0.9999f) {
        FLOAT angle = std::acos(cosine);
        FLOAT sine = std::sin(angle);
        w1 = std::sin((1.0f - t) * angle) / sine;
        w2 = std::sin(t * angle) / sine;
    }
    *out = *q1 * w1 + *q2 * (sign * w2);
    return out;
}

void D3DXQuaternionToAxisAngle(const D3DXQUATERNION* q, D3DXVECTOR3* axis, FLOAT* angle)
{
    if (axis)
        *axis = D3DXVECTOR3(q->x, q->y, q->z);
    if (angle) {
        FLOAT w = q->w > 1.0f ? 1.0f : (q->w < -1.0f ? -1.0f : q->w);
        *angle = 2.0f * std::acos(w);
    }
}
