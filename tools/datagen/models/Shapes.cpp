#include "models/Shapes.h"

#include <cmath>
#include <stdexcept>

namespace datagen {

namespace {

// Two unit directions perpendicular to `axis` and to each other, the first as close to `hint` as can be.
void Perpendiculars(Vec3 axis, Vec3 hint, Vec3& first, Vec3& second)
{
    const Vec3 k = Normalized(axis);
    first = hint - k * Dot(hint, k);
    if (Length(first) < 1e-9)
        first = std::fabs(k.x) < 0.9 ? Vec3{1, 0, 0} - k * k.x : Vec3{0, 1, 0} - k * k.y;
    first = Normalized(first);
    second = Cross(k, first);
}

// The tube's direction at joint i: along its segment at the ends, the mean of both segments between.
Vec3 DirectionAt(const std::vector<TubeJoint>& joints, size_t i)
{
    const size_t last = joints.size() - 1;
    const Vec3 before = i > 0 ? Normalized(joints[i].centre - joints[i - 1].centre) : Vec3{};
    const Vec3 after = i < last ? Normalized(joints[i + 1].centre - joints[i].centre) : Vec3{};
    return Normalized(before + after);
}

std::vector<std::vector<Vec3>> TubeRings(const Tube& tube)
{
    std::vector<std::vector<Vec3>> rings;
    for (size_t i = 0; i < tube.joints.size(); ++i) {
        Vec3 side, across;
        Perpendiculars(DirectionAt(tube.joints, i), tube.sideways, side, across);
        const TubeJoint& joint = tube.joints[i];
        std::vector<Vec3> ring;
        for (int k = 0; k < tube.sides; ++k) {
            const double angle = 2 * kPi * (k + 0.5) / tube.sides;
            ring.push_back(joint.centre + side * (joint.width * std::cos(angle)) + across * (joint.depth * std::sin(angle)));
        }
        rings.push_back(ring);
    }
    return rings;
}

// Where each joint lies along the tube, 0 at the start (or its point) and 1 at the end (or its point),
// so that the texture's v follows the tube's length, tips included.
std::vector<double> JointPlaces(const Tube& tube)
{
    const double startTip = tube.start.kind == TubeEnd::Point ? tube.start.length : 0;
    const double endTip = tube.end.kind == TubeEnd::Point ? tube.end.length : 0;
    std::vector<double> places{startTip};
    for (size_t i = 1; i < tube.joints.size(); ++i)
        places.push_back(places.back() + Length(tube.joints[i].centre - tube.joints[i - 1].centre));
    const double total = places.back() + endTip;
    for (double& place : places)
        place /= total;
    return places;
}

void AddFlatEnd(Mesh& mesh, int surface, const std::vector<Vec3>& ring, Vec3 outward, UvRect rect)
{
    const int sides = static_cast<int>(ring.size());
    std::vector<Uv> uvs;
    for (int k = 0; k < sides; ++k) {
        const double angle = 2 * kPi * (k + 0.5) / sides;
        uvs.push_back(rect.At(0.5 + 0.5 * std::cos(angle), 0.5 + 0.5 * std::sin(angle)));
    }
    mesh.AddFace(surface, ring, uvs, outward);
}

void AddPointedEnd(Mesh& mesh, int surface, const std::vector<Vec3>& ring, Vec3 centre, Vec3 outward, double length,
                   UvRect rect, double ringV, double tipV)
{
    const int sides = static_cast<int>(ring.size());
    const Vec3 tip = centre + Normalized(outward) * length;
    for (int k = 0; k < sides; ++k) {
        const Vec3 p = ring[k], q = ring[(k + 1) % sides];
        mesh.AddFace(surface, {p, q, tip},
                     {rect.At(double(k) / sides, ringV), rect.At(double(k + 1) / sides, ringV), rect.At((k + 0.5) / sides, tipV)},
                     (p + q) * 0.5 - centre);
    }
}

void AddTubeEnd(Mesh& mesh, int surface, const std::vector<Vec3>& ring, Vec3 centre, Vec3 outward, TubeEnd end,
                UvRect rect, double ringV, double tipV)
{
    if (end.kind == TubeEnd::Flat)
        AddFlatEnd(mesh, surface, ring, outward, rect);
    else if (end.kind == TubeEnd::Point)
        AddPointedEnd(mesh, surface, ring, centre, outward, end.length, rect, ringV, tipV);
}

}  // namespace

void AddRing(Mesh& mesh, int surface, const Ring& ring, UvRect rect)
{
    Vec3 e1, e2;
    Perpendiculars(ring.axis, {1, 0, 0}, e1, e2);
    const Vec3 axis = Normalized(ring.axis);
    auto tubeCentre = [&](double s) {
        return ring.centre + (e1 * std::cos(2 * kPi * s) + e2 * std::sin(2 * kPi * s)) * ring.radius;
    };
    auto at = [&](double s, double t) {
        const Vec3 out = Normalized(tubeCentre(s) - ring.centre);
        return tubeCentre(s) + out * (ring.tube * std::cos(2 * kPi * t)) + axis * (ring.tube * std::sin(2 * kPi * t));
    };
    mesh.AddGrid(surface, ring.segments, ring.sides, at, rect, [&](double s, double) { return tubeCentre(s); });
}

void AddTube(Mesh& mesh, int surface, const Tube& tube, UvRect rect)
{
    if (tube.joints.size() < 2 || tube.sides < 3)
        throw std::invalid_argument("a tube needs two joints and three sides");
    const auto rings = TubeRings(tube);
    const size_t last = rings.size() - 1;
    const std::vector<double> places = JointPlaces(tube);
    for (size_t i = 0; i < last; ++i) {
        const double v0 = places[i], v1 = places[i + 1];
        const Vec3 axisMiddle = (tube.joints[i].centre + tube.joints[i + 1].centre) * 0.5;
        for (int k = 0; k < tube.sides; ++k) {
            const int n = (k + 1) % tube.sides;
            const double u0 = double(k) / tube.sides, u1 = double(k + 1) / tube.sides;
            const std::vector<Vec3> quad{rings[i][k], rings[i][n], rings[i + 1][n], rings[i + 1][k]};
            const Vec3 middle = (quad[0] + quad[1] + quad[2] + quad[3]) * 0.25;
            mesh.AddFace(surface, quad, {rect.At(u0, v0), rect.At(u1, v0), rect.At(u1, v1), rect.At(u0, v1)},
                         middle - axisMiddle);
        }
    }
    AddTubeEnd(mesh, surface, rings.front(), tube.joints.front().centre, DirectionAt(tube.joints, 0) * -1.0, tube.start,
               rect, places.front(), 0);
    AddTubeEnd(mesh, surface, rings.back(), tube.joints.back().centre, DirectionAt(tube.joints, last), tube.end, rect,
               places.back(), 1);
}

void AddBox(Mesh& mesh, int surface, Vec3 centre, Vec3 halfX, Vec3 halfY, Vec3 halfZ, UvRect rect)
{
    const Vec3 axes[3] = {halfX, halfY, halfZ};
    for (int a = 0; a < 3; ++a) {
        const Vec3 n = axes[a], r = axes[(a + 1) % 3], u = axes[(a + 2) % 3];
        for (double sign : {-1.0, 1.0}) {
            const Vec3 c = centre + n * sign;
            mesh.AddFace(surface, {c - r + u, c + r + u, c + r - u, c - r - u},
                         {rect.At(0, 0), rect.At(1, 0), rect.At(1, 1), rect.At(0, 1)}, n * sign);
        }
    }
}

}  // namespace datagen
