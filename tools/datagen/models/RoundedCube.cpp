// uvcube_4-5.lwo: the cube blown up most of the way to a ball. The faces are cut finely enough for the
// reader to smooth across them (neighbouring quads differ by less than its crease angle), so it
// shades like a sphere that still shows its six tiles.
#include "models/CubeFaces.h"
#include "models/Models.h"

namespace datagen {

namespace {

constexpr int kSteps = 10;
constexpr double kRadius = 1.3;
constexpr double kRoundness = 0.85;

Vec3 Inflate(Vec3 p) { return Lerp(p, Normalized(p) * kRadius, kRoundness); }

}  // namespace

Mesh BuildRoundedCube()
{
    Mesh mesh;
    const int skin = AddCubeSkinSurface(mesh, "TalvikCube");
    for (const CubeFace& face : CubeFaces()) {
        mesh.AddGrid(skin, kSteps, kSteps, [&face](double s, double t) { return Inflate(face.At(s, t)); },
                     CubeTileRect(face.tile), {0, 0, 0});
    }
    return mesh;
}

}  // namespace datagen
