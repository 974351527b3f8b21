// Inline members of the math types and the small math functions, included by d3dx8math.h.
#pragma once

// ---- D3DXVECTOR2 ----
inline D3DXVECTOR2::D3DXVECTOR2(const FLOAT* v) : x(v[0]), y(v[1]) {}
inline D3DXVECTOR2::D3DXVECTOR2(FLOAT vx, FLOAT vy) : x(vx), y(vy) {}
inline D3DXVECTOR2::operator FLOAT*() { return &x; }
inline D3DXVECTOR2::operator const FLOAT*() const { return &x; }
inline D3DXVECTOR2& D3DXVECTOR2::operator+=(const D3DXVECTOR2& v) { x += v.x; y += v.y; return *this; }
inline D3DXVECTOR2& D3DXVECTOR2::operator-=(const D3DXVECTOR2& v) { x -= v.x; y -= v.y; return *this; }
inline D3DXVECTOR2& D3DXVECTOR2::operator*=(FLOAT f) { x *= f; y *= f; return *this; }
inline D3DXVECTOR2& D3DXVECTOR2::operator/=(FLOAT f) { x /= f; y /= f; return *this; }
inline D3DXVECTOR2 D3DXVECTOR2::operator+() const { return *this; }
inline D3DXVECTOR2 D3DXVECTOR2::operator-() const { return D3DXVECTOR2(-x, -y); }
inline D3DXVECTOR2 D3DXVECTOR2::operator+(const D3DXVECTOR2& v) const { return D3DXVECTOR2(x + v.x, y + v.y); }
inline D3DXVECTOR2 D3DXVECTOR2::operator-(const D3DXVECTOR2& v) const { return D3DXVECTOR2(x - v.x, y - v.y); }
inline D3DXVECTOR2 D3DXVECTOR2::operator*(FLOAT f) const { return D3DXVECTOR2(x * f, y * f); }
inline D3DXVECTOR2 D3DXVECTOR2::operator/(FLOAT f) const { return D3DXVECTOR2(x / f, y / f); }
inline D3DXVECTOR2 operator*(FLOAT f, const D3DXVECTOR2& v) { return v * f; }
inline bool D3DXVECTOR2::operator==(const D3DXVECTOR2& v) const { return x == v.x && y == v.y; }
inline bool D3DXVECTOR2::operator!=(const D3DXVECTOR2& v) const { return !(*this == v); }

// ---- D3DXVECTOR3 ----
inline D3DXVECTOR3::D3DXVECTOR3(const FLOAT* v) : D3DVECTOR{v[0], v[1], v[2]} {}
inline D3DXVECTOR3::D3DXVECTOR3(const D3DVECTOR& v) : D3DVECTOR(v) {}
inline D3DXVECTOR3::D3DXVECTOR3(FLOAT vx, FLOAT vy, FLOAT vz) : D3DVECTOR{vx, vy, vz} {}
inline D3DXVECTOR3::operator FLOAT*() { return &x; }
inline D3DXVECTOR3::operator const FLOAT*() const { return &x; }
inline D3DXVECTOR3& D3DXVECTOR3::operator+=(const D3DXVECTOR3& v) { x += v.x; y += v.y; z += v.z; return *this; }
inline D3DXVECTOR3& D3DXVECTOR3::operator-=(const D3DXVECTOR3& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
inline D3DXVECTOR3& D3DXVECTOR3::operator*=(FLOAT f) { x *= f; y *= f; z *= f; return *this; }
inline D3DXVECTOR3& D3DXVECTOR3::operator/=(FLOAT f) { x /= f; y /= f; z /= f; return *this; }
inline D3DXVECTOR3 D3DXVECTOR3::operator+() const { return *this; }
inline D3DXVECTOR3 D3DXVECTOR3::operator-() const { return D3DXVECTOR3(-x, -y, -z); }
inline D3DXVECTOR3 D3DXVECTOR3::operator+(const D3DXVECTOR3& v) const
{
    return D3DXVECTOR3(x + v.x, y + v.y, z + v.z);
}
inline D3DXVECTOR3 D3DXVECTOR3::operator-(const D3DXVECTOR3& v) const
{
    return D3DXVECTOR3(x - v.x, y - v.y, z - v.z);
}
inline D3DXVECTOR3 D3DXVECTOR3::operator*(FLOAT f) const { return D3DXVECTOR3(x * f, y * f, z * f); }
inline D3DXVECTOR3 D3DXVECTOR3::operator/(FLOAT f) const { return D3DXVECTOR3(x / f, y / f, z / f); }
inline D3DXVECTOR3 operator*(FLOAT f, const D3DXVECTOR3& v) { return v * f; }
inline bool D3DXVECTOR3::operator==(const D3DXVECTOR3& v) const { return x == v.x && y == v.y && z == v.z; }
inline bool D3DXVECTOR3::operator!=(const D3DXVECTOR3& v) const { return !(*this == v); }

// ---- D3DXVECTOR4 ----
inline D3DXVECTOR4::D3DXVECTOR4(const FLOAT* v) : x(v[0]), y(v[1]), z(v[2]), w(v[3]) {}
inline D3DXVECTOR4::D3DXVECTOR4(const D3DVECTOR& v, FLOAT vw) : x(v.x), y(v.y), z(v.z), w(vw) {}
inline D3DXVECTOR4::D3DXVECTOR4(FLOAT vx, FLOAT vy, FLOAT vz, FLOAT vw) : x(vx), y(vy), z(vz), w(vw) {}
inline D3DXVECTOR4::operator FLOAT*() { return &x; }
inline D3DXVECTOR4::operator const FLOAT*() const { return &x; }
inline D3DXVECTOR4& D3DXVECTOR4::operator+=(const D3DXVECTOR4& v)
{
    x += v.x; y += v.y; z += v.z; w += v.w;
    return *this;
}
inline D3DXVECTOR4& D3DXVECTOR4::operator-=(const D3DXVECTOR4& v)
{
    x -= v.x; y -= v.y; z -= v.z; w -= v.w;
    return *this;
}
inline D3DXVECTOR4& D3DXVECTOR4::operator*=(FLOAT f) { x *= f; y *= f; z *= f; w *= f; return *this; }
inline D3DXVECTOR4& D3DXVECTOR4::operator/=(FLOAT f) { x /= f; y /= f; z /= f; w /= f; return *this; }
inline D3DXVECTOR4 D3DXVECTOR4::operator+() const { return *this; }
inline D3DXVECTOR4 D3DXVECTOR4::operator-() const { return D3DXVECTOR4(-x, -y, -z, -w); }
inline D3DXVECTOR4 D3DXVECTOR4::operator+(const D3DXVECTOR4& v) const
{
    return D3DXVECTOR4(x + v.x, y + v.y, z + v.z, w + v.w);
}
inline D3DXVECTOR4 D3DXVECTOR4::operator-(const D3DXVECTOR4& v) const
{
    return D3DXVECTOR4(x - v.x, y - v.y, z - v.z, w - v.w);
}
inline D3DXVECTOR4 D3DXVECTOR4::operator*(FLOAT f) const { return D3DXVECTOR4(x * f, y * f, z * f, w * f); }
inline D3DXVECTOR4 D3DXVECTOR4::operator/(FLOAT f) const { return D3DXVECTOR4(x / f, y / f, z / f, w / f); }
inline D3DXVECTOR4 operator*(FLOAT f, const D3DXVECTOR4& v) { return v * f; }
inline bool D3DXVECTOR4::operator==(const D3DXVECTOR4& v) const
{
    return x == v.x && y == v.y && z == v.z && w == v.w;
}
inline bool D3DXVECTOR4::operator!=(const D3DXVECTOR4& v) const { return !(*this == v); }

// ---- D3DXMATRIX ----
inline D3DXMATRIX::D3DXMATRIX(const FLOAT* v)
{
    for (int i = 0; i < 16; ++i)
        m[i / 4][i % 4] = v[i];
}
inline D3DXMATRIX::D3DXMATRIX(const D3DMATRIX& src) : D3DMATRIX(src) {}
inline D3DXMATRIX::D3DXMATRIX(FLOAT m11, FLOAT m12, FLOAT m13, FLOAT m14,
                              FLOAT m21, FLOAT m22, FLOAT m23, FLOAT m24,
                              FLOAT m31, FLOAT m32, FLOAT m33, FLOAT m34,
                              FLOAT m41, FLOAT m42, FLOAT m43, FLOAT m44)
{
    _11 = m11; _12 = m12; _13 = m13; _14 = m14;
    _21 = m21; _22 = m22; _23 = m23; _24 = m24;
    _31 = m31; _32 = m32; _33 = m33; _34 = m34;
    _41 = m41; _42 = m42; _43 = m43; _44 = m44;
}
inline FLOAT& D3DXMATRIX::operator()(UINT row, UINT col) { return m[row][col]; }
inline FLOAT D3DXMATRIX::operator()(UINT row, UINT col) const { return m[row][col]; }
inline D3DXMATRIX::operator FLOAT*() { return &_11; }
inline D3DXMATRIX::operator const FLOAT*() const { return &_11; }
inline D3DXMATRIX& D3DXMATRIX::operator*=(const D3DXMATRIX& other)
{
    D3DXMatrixMultiply(this, this, &other);
    return *this;
}
inline D3DXMATRIX& D3DXMATRIX::operator+=(const D3DXMATRIX& other)
{
    for (int i = 0; i < 16; ++i)
        m[i / 4][i % 4] += other.m[i / 4][i % 4];
    return *this;
}
inline D3DXMATRIX& D3DXMATRIX::operator-=(const D3DXMATRIX& other)
{
    for (int i = 0; i < 16; ++i)
        m[i / 4][i % 4] -= other.m[i / 4][i % 4];
    return *this;
}
inline D3DXMATRIX& D3DXMATRIX::operator*=(FLOAT f)
{
    for (int i = 0; i < 16; ++i)
        m[i / 4][i % 4] *= f;
    return *this;
}
inline D3DXMATRIX& D3DXMATRIX::operator/=(FLOAT f)
{
    for (int i = 0; i < 16; ++i)
        m[i / 4][i % 4] /= f;
    return *this;
}
inline D3DXMATRIX D3DXMATRIX::operator+() const { return *this; }
inline D3DXMATRIX D3DXMATRIX::operator-() const { return *this * -1.0f; }
inline D3DXMATRIX D3DXMATRIX::operator*(const D3DXMATRIX& other) const
{
    D3DXMATRIX product;
    D3DXMatrixMultiply(&product, this, &other);
    return product;
}
inline D3DXMATRIX D3DXMATRIX::operator+(const D3DXMATRIX& other) const { return D3DXMATRIX(*this) += other; }
inline D3DXMATRIX D3DXMATRIX::operator-(const D3DXMATRIX& other) const { return D3DXMATRIX(*this) -= other; }
inline D3DXMATRIX D3DXMATRIX::operator*(FLOAT f) const { return D3DXMATRIX(*this) *= f; }
inline D3DXMATRIX D3DXMATRIX::operator/(FLOAT f) const { return D3DXMATRIX(*this) /= f; }
inline D3DXMATRIX operator*(FLOAT f, const D3DXMATRIX& mat) { return mat * f; }
inline bool D3DXMATRIX::operator==(const D3DXMATRIX& other) const
{
    for (int i = 0; i < 16; ++i)
        if (m[i / 4][i % 4] != other.m[i / 4][i % 4])
            return false;
    return true;
}
inline bool D3DXMATRIX::operator!=(const D3DXMATRIX& other) const { return !(*this == other); }

// ---- D3DXQUATERNION ----
inline D3DXQUATERNION::D3DXQUATERNION(const FLOAT* v) : x(v[0]), y(v[1]), z(v[2]), w(v[3]) {}
inline D3DXQUATERNION::D3DXQUATERNION(FLOAT qx, FLOAT qy, FLOAT qz, FLOAT qw) : x(qx), y(qy), z(qz), w(qw) {}
inline D3DXQUATERNION::operator FLOAT*() { return &x; }
inline D3DXQUATERNION::operator const FLOAT*() const { return &x; }
inline D3DXQUATERNION& D3DXQUATERNION::operator+=(const D3DXQUATERNION& q)
{
    x += q.x; y += q.y; z += q.z; w += q.w;
    return *this;
}
inline D3DXQUATERNION& D3DXQUATERNION::operator-=(const D3DXQUATERNION& q)
{
    x -= q.x; y -= q.y; z -= q.z; w -= q.w;
    return *this;
}
inline D3DXQUATERNION& D3DXQUATERNION::operator*=(const D3DXQUATERNION& q)
{
    D3DXQuaternionMultiply(this, this, &q);
    return *this;
}
inline D3DXQUATERNION& D3DXQUATERNION::operator*=(FLOAT f) { x *= f; y *= f; z *= f; w *= f; return *this; }
inline D3DXQUATERNION& D3DXQUATERNION::operator/=(FLOAT f) { x /= f; y /= f; z /= f; w /= f; return *this; }
inline D3DXQUATERNION D3DXQUATERNION::operator+() const { return *this; }
inline D3DXQUATERNION D3DXQUATERNION::operator-() const { return D3DXQUATERNION(-x, -y, -z, -w); }
inline D3DXQUATERNION D3DXQUATERNION::operator+(const D3DXQUATERNION& q) const
{
    return D3DXQUATERNION(x + q.x, y + q.y, z + q.z, w + q.w);
}
inline D3DXQUATERNION D3DXQUATERNION::operator-(const D3DXQUATERNION& q) const
{
    return D3DXQUATERNION(x - q.x, y - q.y, z - q.z, w - q.w);
}
inline D3DXQUATERNION D3DXQUATERNION::operator*(const D3DXQUATERNION& q) const
{
    D3DXQUATERNION product;
    D3DXQuaternionMultiply(&product, this, &q);
    return product;
}
inline D3DXQUATERNION D3DXQUATERNION::operator*(FLOAT f) const { return D3DXQUATERNION(x * f, y * f, z * f, w * f); }
inline D3DXQUATERNION D3DXQUATERNION::operator/(FLOAT f) const { return D3DXQUATERNION(x / f, y / f, z / f, w / f); }
inline D3DXQUATERNION operator*(FLOAT f, const D3DXQUATERNION& q) { return q * f; }
inline bool D3DXQUATERNION::operator==(const D3DXQUATERNION& q) const
{
    return x == q.x && y == q.y && z == q.z && w == q.w;
}
inline bool D3DXQUATERNION::operator!=(const D3DXQUATERNION& q) const { return !(*this == q); }

// ---- D3DXPLANE ----
inline D3DXPLANE::D3DXPLANE(const FLOAT* v) : a(v[0]), b(v[1]), c(v[2]), d(v[3]) {}
inline D3DXPLANE::D3DXPLANE(FLOAT pa, FLOAT pb, FLOAT pc, FLOAT pd) : a(pa), b(pb), c(pc), d(pd) {}
inline D3DXPLANE::operator FLOAT*() { return &a; }
inline D3DXPLANE::operator const FLOAT*() const { return &a; }
inline D3DXPLANE& D3DXPLANE::operator*=(FLOAT f) { a *= f; b *= f; c *= f; d *= f; return *this; }
inline D3DXPLANE& D3DXPLANE::operator/=(FLOAT f) { a /= f; b /= f; c /= f; d /= f; return *this; }
inline D3DXPLANE D3DXPLANE::operator+() const { return *this; }
inline D3DXPLANE D3DXPLANE::operator-() const { return D3DXPLANE(-a, -b, -c, -d); }
inline D3DXPLANE D3DXPLANE::operator*(FLOAT f) const { return D3DXPLANE(a * f, b * f, c * f, d * f); }
inline D3DXPLANE D3DXPLANE::operator/(FLOAT f) const { return D3DXPLANE(a / f, b / f, c / f, d / f); }
inline D3DXPLANE operator*(FLOAT f, const D3DXPLANE& p) { return p * f; }
inline bool D3DXPLANE::operator==(const D3DXPLANE& p) const { return a == p.a && b == p.b && c == p.c && d == p.d; }
inline bool D3DXPLANE::operator!=(const D3DXPLANE& p) const { return !(*this == p); }

// ---- D3DXCOLOR ----
inline D3DXCOLOR::D3DXCOLOR(DWORD argb)
    : r(((argb >> 16) & 0xff) / 255.0f), g(((argb >> 8) & 0xff) / 255.0f), b((argb & 0xff) / 255.0f),
      a(((argb >> 24) & 0xff) / 255.0f)
{
}
inline D3DXCOLOR::D3DXCOLOR(const FLOAT* v) : r(v[0]), g(v[1]), b(v[2]), a(v[3]) {}
inline D3DXCOLOR::D3DXCOLOR(const D3DCOLORVALUE& c) : r(c.r), g(c.g), b(c.b), a(c.a) {}
inline D3DXCOLOR::D3DXCOLOR(FLOAT cr, FLOAT cg, FLOAT cb, FLOAT ca) : r(cr), g(cg), b(cb), a(ca) {}

// One channel as a byte: out-of-range values (and NaN) clamp instead of wrapping.
inline DWORD D3DXColorChannelToByte(FLOAT value)
{
    if (!(value > 0.0f))
        return 0;
    if (value >= 1.0f)
        return 0xff;
    return (DWORD)(value * 255.0f + 0.5f);
}
inline D3DXCOLOR::operator DWORD() const
{
    return (D3DXColorChannelToByte(a) << 24) | (D3DXColorChannelToByte(r) << 16) |
           (D3DXColorChannelToByte(g) << 8) | D3DXColorChannelToByte(b);
}
inline D3DXCOLOR::operator FLOAT*() { return &r; }
inline D3DXCOLOR::operator const FLOAT*() const { return &r; }
inline D3DXCOLOR::operator D3DCOLORVALUE*() { return reinterpret_cast<D3DCOLORVALUE*>(&r); }
inline D3DXCOLOR::operator const D3DCOLORVALUE*() const { return reinterpret_cast<const D3DCOLORVALUE*>(&r); }
inline D3DXCOLOR::operator D3DCOLORVALUE&() { return *reinterpret_cast<D3DCOLORVALUE*>(&r); }
inline D3DXCOLOR::operator const D3DCOLORVALUE&() const { return *reinterpret_cast<const D3DCOLORVALUE*>(&r); }
inline D3DXCOLOR& D3DXCOLOR::operator+=(const D3DXCOLOR& c) { r += c.r; g += c.g; b += c.b; a += c.a; return *this; }
inline D3DXCOLOR& D3DXCOLOR::operator-=(const D3DXCOLOR& c) { r -= c.r; g -= c.g; b -= c.b; a -= c.a; return *this; }
inline D3DXCOLOR& D3DXCOLOR::operator*=(FLOAT f) { r *= f; g *= f; b *= f; a *= f; return *this; }
inline D3DXCOLOR& D3DXCOLOR::operator/=(FLOAT f) { r /= f; g /= f; b /= f; a /= f; return *this; }
inline D3DXCOLOR D3DXCOLOR::operator+() const { return *this; }
inline D3DXCOLOR D3DXCOLOR::operator-() const { return D3DXCOLOR(-r, -g, -b, -a); }
inline D3DXCOLOR D3DXCOLOR::operator+(const D3DXCOLOR& c) const { return D3DXCOLOR(r + c.r, g + c.g, b + c.b, a + c.a); }
inline D3DXCOLOR D3DXCOLOR::operator-(const D3DXCOLOR& c) const { return D3DXCOLOR(r - c.r, g - c.g, b - c.b, a - c.a); }
inline D3DXCOLOR D3DXCOLOR::operator*(FLOAT f) const { return D3DXCOLOR(r * f, g * f, b * f, a * f); }
inline D3DXCOLOR D3DXCOLOR::operator/(FLOAT f) const { return D3DXCOLOR(r / f, g / f, b / f, a / f); }
inline D3DXCOLOR operator*(FLOAT f, const D3DXCOLOR& c) { return c * f; }
inline bool D3DXCOLOR::operator==(const D3DXCOLOR& c) const { return r == c.r && g == c.g && b == c.b && a == c.a; }
inline bool D3DXCOLOR::operator!=(const D3DXCOLOR& c) const { return !(*this == c); }

// ---- 2D vectors ----
inline FLOAT D3DXVec2LengthSq(const D3DXVECTOR2* v) { return v->x * v->x + v->y * v->y; }
inline FLOAT D3DXVec2Length(const D3DXVECTOR2* v) { return std::sqrt(D3DXVec2LengthSq(v)); }
inline FLOAT D3DXVec2Dot(const D3DXVECTOR2* v1, const D3DXVECTOR2* v2) { return v1->x * v2->x + v1->y * v2->y; }
// The z of the 3D cross product: positive when v2 turns counter-clockwise from v1.
inline FLOAT D3DXVec2CCW(const D3DXVECTOR2* v1, const D3DXVECTOR2* v2) { return v1->x * v2->y - v1->y * v2->x; }
inline D3DXVECTOR2* D3DXVec2Add(D3DXVECTOR2* out, const D3DXVECTOR2* v1, const D3DXVECTOR2* v2)
{
    *out = D3DXVECTOR2(v1->x + v2->x, v1->y + v2->y);
    return out;
}
inline D3DXVECTOR2* D3DXVec2Subtract(D3DXVECTOR2* out, const D3DXVECTOR2* v1, const D3DXVECTOR2* v2)
{
    *out = D3DXVECTOR2(v1->x - v2->x, v1->y - v2->y);
    return out;
}
inline D3DXVECTOR2* D3DXVec2Minimize(D3DXVECTOR2* out, const D3DXVECTOR2* v1, const D3DXVECTOR2* v2)
{
    *out = D3DXVECTOR2(v1->x < v2->x ? v1->x : v2->x, v1->y < v2->y ? v1->y : v2->y);
    return out;
}
inline D3DXVECTOR2* D3DXVec2Maximize(D3DXVECTOR2* out, const D3DXVECTOR2* v1, const D3DXVECTOR2* v2)
{
    *out = D3DXVECTOR2(v1->x > v2->x ? v1->x : v2->x, v1->y > v2->y ? v1->y : v2->y);
    return out;
}
inline D3DXVECTOR2* D3DXVec2Scale(D3DXVECTOR2* out, const D3DXVECTOR2* v, FLOAT s)
{
    *out = D3DXVECTOR2(v->x * s, v->y * s);
    return out;
}
inline D3DXVECTOR2* D3DXVec2Lerp(D3DXVECTOR2* out, const D3DXVECTOR2* v1, const D3DXVECTOR2* v2, FLOAT s)
{
    *out = D3DXVECTOR2(v1->x + s * (v2->x - v1->x), v1->y + s * (v2->y - v1->y));
    return out;
}

// ---- 3D vectors ----
inline FLOAT D3DXVec3LengthSq(const D3DXVECTOR3* v) { return v->x * v->x + v->y * v->y + v->z * v->z; }
inline FLOAT D3DXVec3Length(const D3DXVECTOR3* v) { return std::sqrt(D3DXVec3LengthSq(v)); }
inline FLOAT D3DXVec3Dot(const D3DXVECTOR3* v1, const D3DXVECTOR3* v2)
{
    return v1->x * v2->x + v1->y * v2->y + v1->z * v2->z;
}
inline D3DXVECTOR3* D3DXVec3Cross(D3DXVECTOR3* out, const D3DXVECTOR3* v1, const D3DXVECTOR3* v2)
{
    *out = D3DXVECTOR3(v1->y * v2->z - v1->z * v2->y, v1->z * v2->x - v1->x * v2->z, v1->x * v2->y - v1->y * v2->x);
    return out;
}
inline D3DXVECTOR3* D3DXVec3Add(D3DXVECTOR3* out, const D3DXVECTOR3* v1, const D3DXVECTOR3* v2)
{
    *out = D3DXVECTOR3(v1->x + v2->x, v1->y + v2->y, v1->z + v2->z);
    return out;
}
inline D3DXVECTOR3* D3DXVec3Subtract(D3DXVECTOR3* out, const D3DXVECTOR3* v1, const D3DXVECTOR3* v2)
{
    *out = D3DXVECTOR3(v1->x - v2->x, v1->y - v2->y, v1->z - v2->z);
    return out;
}
inline D3DXVECTOR3* D3DXVec3Minimize(D3DXVECTOR3* out, const D3DXVECTOR3* v1, const D3DXVECTOR3* v2)
{
    *out = D3DXVECTOR3(v1->x < v2->x ? v1->x : v2->x, v1->y < v2->y ? v1->y : v2->y, v1->z < v2->z ? v1->z : v2->z);
    return out;
}
inline D3DXVECTOR3* D3DXVec3Maximize(D3DXVECTOR3* out, const D3DXVECTOR3* v1, const D3DXVECTOR3* v2)
{
    *out = D3DXVECTOR3(v1->x > v2->x ? v1->x : v2->x, v1->y > v2->y ? v1->y : v2->y, v1->z > v2->z ? v1->z : v2->z);
    return out;
}
inline D3DXVECTOR3* D3DXVec3Scale(D3DXVECTOR3* out, const D3DXVECTOR3* v, FLOAT s)
{
    *out = D3DXVECTOR3(v->x * s, v->y * s, v->z * s);
    return out;
}
inline D3DXVECTOR3* D3DXVec3Lerp(D3DXVECTOR3* out, const D3DXVECTOR3* v1, const D3DXVECTOR3* v2, FLOAT s)
{
    *out = D3DXVECTOR3(v1->x + s * (v2->x - v1->x), v1->y + s * (v2->y - v1->y), v1->z + s * (v2->z - v1->z));
    return out;
}

// ---- 4D vectors ----
inline FLOAT D3DXVec4LengthSq(const D3DXVECTOR4* v) { return v->x * v->x + v->y * v->y + v->z * v->z + v->w * v->w; }
inline FLOAT D3DXVec4Length(const D3DXVECTOR4* v) { return std::sqrt(D3DXVec4LengthSq(v)); }
inline FLOAT D3DXVec4Dot(const D3DXVECTOR4* v1, const D3DXVECTOR4* v2)
{
    return v1->x * v2->x + v1->y * v2->y + v1->z * v2->z + v1->w * v2->w;
}
inline D3DXVECTOR4* D3DXVec4Add(D3DXVECTOR4* out, const D3DXVECTOR4* v1, const D3DXVECTOR4* v2)
{
    *out = *v1 + *v2;
    return out;
}
inline D3DXVECTOR4* D3DXVec4Subtract(D3DXVECTOR4* out, const D3DXVECTOR4* v1, const D3DXVECTOR4* v2)
{
    *out = *v1 - *v2;
    return out;
}
inline D3DXVECTOR4* D3DXVec4Minimize(D3DXVECTOR4* out, const D3DXVECTOR4* v1, const D3DXVECTOR4* v2)
{
    *out = D3DXVECTOR4(v1->x < v2->x ? v1->x : v2->x, v1->y < v2->y ? v1->y : v2->y, v1->z < v2->z ? v1->z : v2->z,
                       v1->w < v2->w ? v1->w : v2->w);
    return out;
}
inline D3DXVECTOR4* D3DXVec4Maximize(D3DXVECTOR4* out, const D3DXVECTOR4* v1, const D3DXVECTOR4* v2)
{
    *out = D3DXVECTOR4(v1->x > v2->x ? v1->x : v2->x, v1->y > v2->y ? v1->y : v2->y, v1->z > v2->z ? v1->z : v2->z,
                       v1->w > v2->w ? v1->w : v2->w);
    return out;
}
inline D3DXVECTOR4* D3DXVec4Scale(D3DXVECTOR4* out, const D3DXVECTOR4* v, FLOAT s)
{
    *out = *v * s;
    return out;
}
inline D3DXVECTOR4* D3DXVec4Lerp(D3DXVECTOR4* out, const D3DXVECTOR4* v1, const D3DXVECTOR4* v2, FLOAT s)
{
    *out = *v1 + (*v2 - *v1) * s;
    return out;
}

// ---- Matrices ----
inline D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* out)
{
    *out = D3DXMATRIX(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1);
    return out;
}
inline BOOL D3DXMatrixIsIdentity(const D3DXMATRIX* m)
{
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    return *m == identity ? TRUE : FALSE;
}

// ---- Quaternions ----
inline FLOAT D3DXQuaternionLengthSq(const D3DXQUATERNION* q) { return q->x * q->x + q->y * q->y + q->z * q->z + q->w * q->w; }
inline FLOAT D3DXQuaternionLength(const D3DXQUATERNION* q) { return std::sqrt(D3DXQuaternionLengthSq(q)); }
inline FLOAT D3DXQuaternionDot(const D3DXQUATERNION* q1, const D3DXQUATERNION* q2)
{
    return q1->x * q2->x + q1->y * q2->y + q1->z * q2->z + q1->w * q2->w;
}
inline D3DXQUATERNION* D3DXQuaternionIdentity(D3DXQUATERNION* out)
{
    *out = D3DXQUATERNION(0, 0, 0, 1);
    return out;
}
inline BOOL D3DXQuaternionIsIdentity(const D3DXQUATERNION* q)
{
    return (q->x == 0 && q->y == 0 && q->z == 0 && q->w == 1) ? TRUE : FALSE;
}
inline D3DXQUATERNION* D3DXQuaternionConjugate(D3DXQUATERNION* out, const D3DXQUATERNION* q)
{
    *out = D3DXQUATERNION(-q->x, -q->y, -q->z, q->w);
    return out;
}

// ---- Planes ----
inline FLOAT D3DXPlaneDot(const D3DXPLANE* p, const D3DXVECTOR4* v)
{
    return p->a * v->x + p->b * v->y + p->c * v->z + p->d * v->w;
}
// The signed distance of a point for a normalised plane: a*x + b*y + c*z + d.
inline FLOAT D3DXPlaneDotCoord(const D3DXPLANE* p, const D3DXVECTOR3* v)
{
    return p->a * v->x + p->b * v->y + p->c * v->z + p->d;
}
inline FLOAT D3DXPlaneDotNormal(const D3DXPLANE* p, const D3DXVECTOR3* v)
{
    return p->a * v->x + p->b * v->y + p->c * v->z;
}

// ---- Colours ----
inline D3DXCOLOR* D3DXColorNegative(D3DXCOLOR* out, const D3DXCOLOR* c)
{
    *out = D3DXCOLOR(1.0f - c->r, 1.0f - c->g, 1.0f - c->b, c->a);
    return out;
}
inline D3DXCOLOR* D3DXColorAdd(D3DXCOLOR* out, const D3DXCOLOR* c1, const D3DXCOLOR* c2)
{
    *out = *c1 + *c2;
    return out;
}
inline D3DXCOLOR* D3DXColorSubtract(D3DXCOLOR* out, const D3DXCOLOR* c1, const D3DXCOLOR* c2)
{
    *out = *c1 - *c2;
    return out;
}
inline D3DXCOLOR* D3DXColorScale(D3DXCOLOR* out, const D3DXCOLOR* c, FLOAT s)
{
    *out = *c * s;
    return out;
}
inline D3DXCOLOR* D3DXColorModulate(D3DXCOLOR* out, const D3DXCOLOR* c1, const D3DXCOLOR* c2)
{
    *out = D3DXCOLOR(c1->r * c2->r, c1->g * c2->g, c1->b * c2->b, c1->a * c2->a);
    return out;
}
inline D3DXCOLOR* D3DXColorLerp(D3DXCOLOR* out, const D3DXCOLOR* c1, const D3DXCOLOR* c2, FLOAT s)
{
    *out = *c1 + (*c2 - *c1) * s;
    return out;
}
