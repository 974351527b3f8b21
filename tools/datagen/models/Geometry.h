// Small vector arithmetic for building the models: positions in LightWave's space (x right, y up,
// z away from the viewer) and texture coordinates in picture space (u right, v down).
#pragma once

#include <cmath>

namespace datagen {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec3 operator*(double s, Vec3 a) { return a * s; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
inline Vec3 Normalized(Vec3 a)
{
    const double length = Length(a);
    return length > 0 ? a * (1.0 / length) : a;
}
inline Vec3 Lerp(Vec3 a, Vec3 b, double t) { return a + (b - a) * t; }

// Rotations by an angle in radians about the axes through the origin (right-handed sense of the
// formulas; the models only need them to be consistent).
inline Vec3 RotateX(Vec3 p, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.x, p.y * c - p.z * s, p.y * s + p.z * c};
}
inline Vec3 RotateY(Vec3 p, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.x * c + p.z * s, p.y, -p.x * s + p.z * c};
}
inline Vec3 RotateZ(Vec3 p, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c, p.z};
}

struct Uv {
    double u = 0, v = 0;
};

// A rectangle of a texture, in picture space.
struct UvRect {
    double u0 = 0, v0 = 0, u1 = 1, v1 = 1;
    Uv At(double s, double t) const { return {u0 + (u1 - u0) * s, v0 + (v1 - v0) * t}; }
    // The part of this rectangle from (s0, t0) to (s1, t1), in its own 0..1 terms.
    UvRect Part(double s0, double t0, double s1, double t1) const
    {
        const Uv a = At(s0, t0), b = At(s1, t1);
        return {a.u, a.v, b.u, b.v};
    }
};

constexpr double kPi = 3.14159265358979323846;

}  // namespace datagen

namespace datagen {

// p turned by angle about the line through origin along axis (Rodrigues' formula).
inline Vec3 RotateAbout(Vec3 p, Vec3 origin, Vec3 axis, double angle)
{
    const Vec3 k = Normalized(axis), v = p - origin;
    const double c = std::cos(angle), s = std::sin(angle);
    return origin + v * c + Cross(k, v) * s + k * (Dot(k, v) * (1 - c));
}

}  // namespace datagen
