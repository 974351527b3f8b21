// hand.lwo, a low-polygon right hand, fingers up (+y), palm towards the viewer (-z), thumb at +x, the
// palm's centre at the origin. The demo's part 13 shows it in wireframe, so it is made of tubes whose rings fall
// on the knuckles: the lines then trace the joints of each finger. Untextured.
#include <cmath>

#include "models/Models.h"
#include "models/Shapes.h"

namespace datagen {

namespace {

struct FingerShape {
    double x, knuckleY;          // where it leaves the palm
    double spread;               // lean towards +x, in radians
    double lengths[3];           // the three bones, knuckle first
    double radius;               // at the knuckle; it narrows towards the tip
};

constexpr FingerShape kFingers[4] = {
    {0.27, 0.47, 0.10, {0.36, 0.24, 0.19}, 0.088},   // index
    {0.09, 0.50, 0.02, {0.40, 0.27, 0.21}, 0.09},    // middle
    {-0.09, 0.47, -0.07, {0.37, 0.25, 0.2}, 0.085},  // ring
    {-0.26, 0.40, -0.18, {0.28, 0.19, 0.17}, 0.072}, // little
};
constexpr double kCurl[3] = {0.22, 0.3, 0.22};  // bend at each joint, towards the palm

// The hand sits a little off its origin so that, turned and placed as part 13 shows it, the palm
// comes nearer the middle of the lens and the fingertips into it. The origin stays inside the hand's
// box, so the demo's scaling to one unit is the same.
constexpr Vec3 kFraming{0.21, -0.3, 0.12};

// A chain of bones from `start` along `direction`, each joint turned by `bend`, as a tube with a
// rounded tip.
Tube Digit(Vec3 start, Vec3 direction, const double* lengths, int bones, double radius,
           const std::function<Vec3(Vec3, int)>& bend)
{
    Tube tube;
    tube.joints.push_back({start, radius, radius * 0.85});
    Vec3 at = start, d = Normalized(direction);
    for (int bone = 0; bone < bones; ++bone) {
        at = at + d * lengths[bone];
        const double narrowing = 1 - 0.12 * (bone + 1);
        tube.joints.push_back({at, radius * narrowing, radius * narrowing * 0.85});
        d = Normalized(bend(d, bone));
    }
    tube.sideways = {1, 0, 0};
    tube.sides = 6;
    tube.start.kind = TubeEnd::Open;
    tube.end = {TubeEnd::Point, radius * 0.7};
    return tube;
}

Tube Palm()
{
    Tube palm;
    palm.joints = {{{0, -1.0, 0.02}, 0.25, 0.16},
                   {{0, -0.62, 0.02}, 0.27, 0.14},
                   {{0, -0.3, 0}, 0.42, 0.16},
                   {{0, 0.1, 0}, 0.46, 0.15},
                   {{0, 0.45, 0.01}, 0.43, 0.12}};
    palm.sideways = {1, 0, 0};
    palm.sides = 10;
    palm.start.kind = TubeEnd::Flat;
    palm.end.kind = TubeEnd::Flat;
    return palm;
}

}  // namespace

Mesh BuildHand()
{
    Mesh mesh;
    const int skin = mesh.AddSurface({"HandWire", 0.7, 2.0, 1.5, "", false});
    const UvRect whole{0, 0, 1, 1};
    AddTube(mesh, skin, Palm(), whole);
    for (const FingerShape& finger : kFingers) {
        const Vec3 start{finger.x, finger.knuckleY - 0.06, 0};
        const Vec3 direction{std::sin(finger.spread), std::cos(finger.spread), 0};
        AddTube(mesh, skin,
                Digit(start, direction, finger.lengths, 3, finger.radius,
                      [](Vec3 d, int bone) { return RotateX(d, -kCurl[bone]); }),
                whole);
    }
    const double thumbBones[3] = {0.3, 0.25, 0.2};
    AddTube(mesh, skin,
            Digit({0.3, -0.22, -0.04}, {0.75, 0.6, -0.35}, thumbBones, 3, 0.11,
                  [](Vec3 d, int) { return RotateZ(d, 0.25); }),
            whole);
    mesh.Deform([](Vec3 p) { return p + kFraming; });
    return mesh;
}

}  // namespace datagen
