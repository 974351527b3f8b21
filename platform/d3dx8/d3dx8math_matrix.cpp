// Matrix products, inverses and the basic transforms.
#include <cmath>

#include "d3dx8math.h"

namespace {

// The 2x2 sub-determinants of a matrix's upper and lower row pairs, shared by the determinant and
// the inverse. Kept in double so that exactly dependent rows give a determinant of exactly zero and
// nearly singular float matrices still invert accurately.
struct Minors {
    double a[4][4];
    double upper[6];
    double lower[6];
    double determinant;
};

Minors ComputeMinors(const D3DXMATRIX& m)
{
    Minors r;
    for (int i = 0; i < 16; ++i)
        r.a[i / 4][i % 4] = m.m[i / 4][i % 4];
    const double (*a)[4] = r.a;
    r.upper[0] = a[0][0] * a[1][1] - a[1][0] * a[0][1];
    r.upper[1] = a[0][0] * a[1][2] - a[1][0] * a[0][2];
    r.upper[2] = a[0][0] * a[1][3] - a[1][0] * a[0][3];
    r.upper[3] = a[0][1] * a[1][2] - a[1][1] * a[0][2];
    r.upper[4] = a[0][1] * a[1][3] - a[1][1] * a[0][3];
    r.upper[5] = a[0][2] * a[1][3] - a[1][2] * a[0][3];
    r.lower[0] = a[2][0] * a[3][1] - a[3][0] * a[2][1];
    r.lower[1] = a[2][0] * a[3][2] - a[3][0] * a[2][2];
    r.lower[2] = a[2][0] * a[3][3] - a[3][0] * a[2][3];
    r.lower[3] = a[2][1] * a[3][2] - a[3][1] * a[2][2];
    r.lower[4] = a[2][1] * a[3][3] - a[3][1] * a[2][3];
    r.lower[5] = a[2][2] * a[3][3] - a[3][2] * a[2][3];
    const double* s = r.upper;
    const double* c = r.lower;
    r.determinant = s[0] * c[5] - s[1] * c[4] + s[2] * c[3] + s[3] * c[2] - s[4] * c[1] + s[5] * c[0];
    return r;
}

// The inverse as the adjugate over the determinant. False when the inverse does not exist or does not
// fit in floats (a determinant so small that 1 / det overflows).
bool InverseFromMinors(const Minors& r, D3DXMATRIX* inverse)
{
    if (r.determinant == 0.0 || !std::isfinite(r.determinant))
        return false;
    const double (*a)[4] = r.a;
    const double* s = r.upper;
    const double* c = r.lower;
    double b[16] = {
        a[1][1] * c[5] - a[1][2] * c[4] + a[1][3] * c[3],
        -a[0][1] * c[5] + a[0][2] * c[4] - a[0][3] * c[3],
        a[3][1] * s[5] - a[3][2] * s[4] + a[3][3] * s[3],
        -a[2][1] * s[5] + a[2][2] * s[4] - a[2][3] * s[3],
        -a[1][0] * c[5] + a[1][2] * c[2] - a[1][3] * c[1],
        a[0][0] * c[5] - a[0][2] * c[2] + a[0][3] * c[1],
        -a[3][0] * s[5] + a[3][2] * s[2] - a[3][3] * s[1],
        a[2][0] * s[5] - a[2][2] * s[2] + a[2][3] * s[1],
        a[1][0] * c[4] - a[1][1] * c[2] + a[1][3] * c[0],
        -a[0][0] * c[4] + a[0][1] * c[2] - a[0][3] * c[0],
        a[3][0] * s[4] - a[3][1] * s[2] + a[3][3] * s[0],
        -a[2][0] * s[4] + a[2][1] * s[2] - a[2][3] * s[0],
        -a[1][0] * c[3] + a[1][1] * c[1] - a[1][2] * c[0],
        a[0][0] * c[3] - a[0][1] * c[1] + a[0][2] * c[0],
        -a[3][0] * s[3] + a[3][1] * s[1] - a[3][2] * s[0],
        a[2][0] * s[3] - a[2][1] * s[1] + a[2][2] * s[0],
    };
    double scale = 1.0 / r.determinant;
    D3DXMATRIX result;
    for (int i = 0; i < 16; ++i) {
        result.m[i / 4][i % 4] = (FLOAT)(b[i] * scale);
        if (!std::isfinite(result.m[i / 4][i % 4]))
            return false;
    }
    *inverse = result;
    return true;
}

} // namespace

D3DXMATRIX* D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* m1, const D3DXMATRIX* m2)
{
    D3DXMATRIX product;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            product.m[row][col] = m1->m[row][0] * m2->m[0][col] + m1->m[row][1] * m2->m[1][col] +
                                  m1->m[row][2] * m2->m[2][col] + m1->m[row][3] * m2->m[3][col];
    *out = product;
    return out;
}

D3DXMATRIX* D3DXMatrixTranspose(D3DXMATRIX* out, const D3DXMATRIX* m)
{
    D3DXMATRIX transposed;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            transposed.m[row][col] = m->m[col][row];
    *out = transposed;
    return out;
}

FLOAT D3DXMatrixDeterminant(const D3DXMATRIX* m)
{
    return (FLOAT)ComputeMinors(*m).determinant;
}

D3DXMATRIX* D3DXMatrixInverse(D3DXMATRIX* out, FLOAT* determinant, const D3DXMATRIX* m)
{
    Minors minors = ComputeMinors(*m);
    if (determinant)
        *determinant = (FLOAT)minors.determinant;
    return InverseFromMinors(minors, out) ? out : nullptr;
}

D3DXMATRIX* D3DXMatrixTranslation(D3DXMATRIX* out, FLOAT x, FLOAT y, FLOAT z)
{
    D3DXMatrixIdentity(out);
    out->_41 = x;
    out->_42 = y;
    out->_43 = z;
    return out;
}

D3DXMATRIX* D3DXMatrixScaling(D3DXMATRIX* out, FLOAT sx, FLOAT sy, FLOAT sz)
{
    *out = D3DXMATRIX(sx, 0, 0, 0, 0, sy, 0, 0, 0, 0, sz, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationX(D3DXMATRIX* out, FLOAT angle)
{
    FLOAT c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationY(D3DXMATRIX* out, FLOAT angle)
{
    FLOAT c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationZ(D3DXMATRIX* out, FLOAT angle)
{
    FLOAT c = std::cos(angle), s = std::sin(angle);
    *out = D3DXMATRIX(c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationYawPitchRoll(D3DXMATRIX* out, FLOAT yaw, FLOAT pitch, FLOAT roll)
{
    FLOAT cy = std::cos(yaw), sy = std::sin(yaw);
    FLOAT cp = std::cos(pitch), sp = std::sin(pitch);
    FLOAT cr = std::cos(roll), sr = std::sin(roll);
    // RotationZ(roll) * RotationX(pitch) * RotationY(yaw), multiplied out.
    *out = D3DXMATRIX(cr * cy + sr * sp * sy, sr * cp, sr * sp * cy - cr * sy, 0,
                      cr * sp * sy - sr * cy, cr * cp, sr * sy + cr * sp * cy, 0,
                      cp * sy, -sp, cp * cy, 0,
                      0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationAxis(D3DXMATRIX* out, const D3DXVECTOR3* axis, FLOAT angle)
{
    D3DXVECTOR3 n;
    D3DXVec3Normalize(&n, axis);
    if (n.x == 0 && n.y == 0 && n.z == 0)
        return D3DXMatrixIdentity(out);
    FLOAT c = std::cos(angle), s = std::sin(angle), t = 1.0f - c;
    *out = D3DXMATRIX(t * n.x * n.x + c, t * n.x * n.y + s * n.z, t * n.x * n.z - s * n.y, 0,
                      t * n.x * n.y - s * n.z, t * n.y * n.y + c, t * n.y * n.z + s * n.x, 0,
                      t * n.x * n.z + s * n.y, t * n.y * n.z - s * n.x, t * n.z * n.z + c, 0,
                      0, 0, 0, 1);
    return out;
}

D3DXMATRIX* D3DXMatrixRotationQuaternion(D3DXMATRIX* out, const D3DXQUATERNION* q)
{
    FLOAT x = q->x, y = q->y, z = q->z, w = q->w;
    *out = D3DXMATRIX(1 - 2 * (y * y + z * z), 2 * (x * y + z * w), 2 * (x * z - y * w), 0,
                      2 * (x * y - z * w), 1 - 2 * (x * x + z * z), 2 * (y * z + x * w), 0,
                      2 * (x * z + y * w), 2 * (y * z - x * w), 1 - 2 * (x * x + y * y), 0,
                      0, 0, 0, 1);
    return out;
}
