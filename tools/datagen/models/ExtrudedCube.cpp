// uvcube_2-3.lwo: a block pushed out of the middle of every face. Seen head on, the ring around the
// block shows the outside of the face's tile and the block's top its middle, so the face still reads
// as the cube's; the block's sides are metal.
#include "models/CubeFaces.h"
#include "models/Models.h"

namespace datagen {

namespace {

constexpr double kBlock = 0.5;   // half the width of a block, as part of the face
constexpr double kHeight = 0.55; // how far a block stands out

void AddBlock(Mesh& mesh, int skin, const CubeFace& face)
{
    const Vec3 lift = face.normal * kHeight;
    const double a = (1 - kBlock) / 2, b = 1 - a;
    mesh.AddGrid(skin, 1, 1, [&](double s, double t) { return face.At(a + (b - a) * s, a + (b - a) * t) + lift; },
                 CubeTileRect(face.tile).Part(a, a, b, b), {0, 0, 0});
    const UvRect metal = CubeTileRect(CubeTile::Metal);
    const double corners[4][2] = {{a, a}, {b, a}, {b, b}, {a, b}};
    const Vec3 centre = face.normal;
    for (int side = 0; side < 4; ++side) {
        const int next = (side + 1) % 4;
        const Vec3 p = face.At(corners[side][0], corners[side][1]), q = face.At(corners[next][0], corners[next][1]);
        mesh.AddFace(skin, {p, q, q + lift, p + lift}, {metal.At(0, 0.3), metal.At(1, 0.3), metal.At(1, 0), metal.At(0, 0)},
                     (p + q) * 0.5 - centre);
    }
}

}  // namespace

Mesh BuildExtrudedCube()
{
    Mesh mesh;
    const int skin = AddCubeSkinSurface(mesh, "TalvikCube");
    for (const CubeFace& face : CubeFaces()) {
        AddFaceRing(mesh, skin, face, (1 - kBlock) / 2);
        AddBlock(mesh, skin, face);
    }
    return mesh;
}

}  // namespace datagen
