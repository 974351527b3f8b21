// uvcube_3-4.lwo: the cube wrung a quarter turn about its vertical axis, top against bottom. The
// faces are cut into a grid so that they bend smoothly while the cube's edges stay sharp.
#include "models/CubeFaces.h"
#include "models/Models.h"

namespace datagen {

namespace {

constexpr int kSteps = 8;
constexpr double kTurn = kPi / 2;  // between the bottom and the top

Vec3 Twist(Vec3 p)
{
    // A slight waist makes the twist read from every side.
    const double waist = 1 - 0.12 * (1 - p.y * p.y);
    const Vec3 turned = RotateY(p, p.y * kTurn / 2);
    return {turned.x * waist, turned.y, turned.z * waist};
}

}  // namespace

Mesh BuildTwistedCube()
{
    Mesh mesh;
    const int skin = AddCubeSkinSurface(mesh, "TalvikCube");
    for (const CubeFace& face : CubeFaces()) {
        mesh.AddGrid(skin, kSteps, kSteps, [&face](double s, double t) { return Twist(face.At(s, t)); },
                     CubeTileRect(face.tile), {0, 0, 0});
    }
    return mesh;
}

}  // namespace datagen
