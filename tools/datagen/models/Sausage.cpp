// sausage.x: three links of sausage along a bent arc, pinched where they meet and rounded at both
// ends, about 4.3 units long. The demo's part 5 moves its vertices every frame by a wave that runs over the
// vertex order, so the rings are stored one after another along the arc (1,154 vertices).
#include <algorithm>
#include <cmath>

#include "models/Models.h"

namespace datagen {

namespace {

constexpr int kLinks = 3;
constexpr int kRingsPerLink = 16;
constexpr int kAround = 24;
constexpr double kArcRadius = 2.4;
constexpr double kArcAngle = 1.75;  // radians the arc turns through
constexpr double kThickness = 0.48;

// The arc's point and its direction at place s (0..1), centred on the origin, bending in x-y.
void ArcAt(double s, Vec3& point, Vec3& direction)
{
    const double angle = (s - 0.5) * kArcAngle;
    point = {kArcRadius * std::sin(angle), kArcRadius * (1 - std::cos(angle)) - kArcRadius * 0.2, 0};
    direction = {std::cos(angle), std::sin(angle), 0};
}

// Thickness along the arc: each link swells like a sausage and pinches at the ties; both ends are
// rounded off as half balls.
double RadiusAt(double s)
{
    const double within = std::fmod(s * kLinks, 1.0);
    const double link = kThickness * (0.55 + 0.45 * std::sqrt(std::sin(kPi * within)));
    const double fromEnd = std::fmin(s, 1 - s) * kArcRadius * kArcAngle / kThickness;
    const double cap = fromEnd < 1 ? kThickness * std::sqrt(1 - (1 - fromEnd) * (1 - fromEnd)) : kThickness;
    return std::fmin(link, cap);
}

void AddRings(XMesh& mesh, int rings)
{
    for (int ring = 1; ring <= rings; ++ring) {
        const double s = double(ring) / (rings + 1);
        Vec3 centre, along;
        ArcAt(s, centre, along);
        const Vec3 side = Cross(along, {0, 0, 1}), up{0, 0, 1};
        const double radius = RadiusAt(s);
        for (int k = 0; k < kAround; ++k) {
            const double angle = 2 * kPi * k / kAround;
            mesh.positions.push_back(centre + (side * std::cos(angle) + up * std::sin(angle)) * radius);
        }
    }
}

// Two ring-strips' quads as triangles, then a fan to each pole; every triangle is ordered so that it
// faces away from the arc.
void AddFaces(XMesh& mesh, int rings)
{
    auto add = [&](int a, int b, int c, Vec3 inside) {
        const Vec3 pa = mesh.positions[a], pb = mesh.positions[b], pc = mesh.positions[c];
        if (Dot(Cross(pb - pa, pc - pa), (pa + pb + pc) * (1.0 / 3) - inside) < 0)
            std::swap(b, c);
        mesh.triangles.push_back({a, b, c});
    };
    for (int ring = 0; ring + 1 < rings; ++ring) {
        Vec3 centre, along;
        ArcAt((ring + 1.5) / (rings + 1), centre, along);
        for (int k = 0; k < kAround; ++k) {
            const int a = ring * kAround + k, b = ring * kAround + (k + 1) % kAround;
            add(a, b, b + kAround, centre);
            add(a, b + kAround, a + kAround, centre);
        }
    }
    const int first = rings * kAround, last = first + 1;
    Vec3 centre, along;
    ArcAt(0.1, centre, along);
    for (int k = 0; k < kAround; ++k)
        add(first, k, (k + 1) % kAround, centre);
    ArcAt(0.9, centre, along);
    const int lastRing = (rings - 1) * kAround;
    for (int k = 0; k < kAround; ++k)
        add(last, lastRing + k, lastRing + (k + 1) % kAround, centre);
}

void AddPoles(XMesh& mesh)
{
    Vec3 point, along;
    ArcAt(0, point, along);
    mesh.positions.push_back(point);
    ArcAt(1, point, along);
    mesh.positions.push_back(point);
}

// Each vertex's normal is the area-weighted mean of its triangles' normals.
void SmoothNormals(XMesh& mesh)
{
    mesh.normals.assign(mesh.positions.size(), Vec3{});
    for (const auto& t : mesh.triangles) {
        const Vec3 n = Cross(mesh.positions[t[1]] - mesh.positions[t[0]], mesh.positions[t[2]] - mesh.positions[t[0]]);
        for (int index : t)
            mesh.normals[index] = mesh.normals[index] + n;
    }
    for (Vec3& n : mesh.normals)
        n = Normalized(n);
}

}  // namespace

XMesh BuildSausage()
{
    XMesh mesh;
    const int rings = kLinks * kRingsPerLink;
    AddRings(mesh, rings);
    AddPoles(mesh);
    AddFaces(mesh, rings);
    SmoothNormals(mesh);
    mesh.material.r = 0.9;
    mesh.material.g = 0.42;
    mesh.material.b = 0.32;
    mesh.material.power = 25;
    mesh.material.specular = {0.8, 0.7, 0.6};
    return mesh;
}

}  // namespace datagen
