// uvcube_1-2.lwo: the cube with its edges and corners cut off at 45 degrees. The faces keep their
// tiles; the cuts are brushed metal, so the bevels catch the light as the cube turns.
#include "models/CubeFaces.h"
#include "models/Models.h"

namespace datagen {

namespace {

constexpr double kInner = 0.7;  // where the flat part of a face ends

Vec3 Axis(int axis, double value)
{
    Vec3 v;
    (axis == 0 ? v.x : axis == 1 ? v.y : v.z) = value;
    return v;
}

void AddEdges(Mesh& mesh, int metal, UvRect rect)
{
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) {
            const int k = 3 - i - j;
            for (double si : {-1.0, 1.0}) {
                for (double sj : {-1.0, 1.0}) {
                    const Vec3 onI = Axis(i, si) + Axis(j, sj * kInner), onJ = Axis(i, si * kInner) + Axis(j, sj);
                    const Vec3 low = Axis(k, -kInner), high = Axis(k, kInner);
                    mesh.AddFace(metal, {onI + low, onI + high, onJ + high, onJ + low},
                                 {rect.At(0, 0), rect.At(1, 0), rect.At(1, 0.2), rect.At(0, 0.2)},
                                 Axis(i, si) + Axis(j, sj));
                }
            }
        }
    }
}

void AddCorners(Mesh& mesh, int metal, UvRect rect)
{
    for (double sx : {-1.0, 1.0}) {
        for (double sy : {-1.0, 1.0}) {
            for (double sz : {-1.0, 1.0}) {
                const Vec3 x{sx, sy * kInner, sz * kInner}, y{sx * kInner, sy, sz * kInner}, z{sx * kInner, sy * kInner, sz};
                mesh.AddFace(metal, {x, y, z}, {rect.At(0.5, 0.5), rect.At(0.6, 0.6), rect.At(0.4, 0.6)}, {sx, sy, sz});
            }
        }
    }
}

}  // namespace

Mesh BuildBevelledCube()
{
    Mesh mesh;
    const int skin = AddCubeSkinSurface(mesh, "TalvikCube");
    for (const CubeFace& face : CubeFaces()) {
        mesh.AddGrid(skin, 1, 1, [&face](double s, double t) { return face.At(s, t, kInner); },
                     CubeTileRect(face.tile), {0, 0, 0});
    }
    const UvRect metal = CubeTileRect(CubeTile::Metal);
    AddEdges(mesh, skin, metal);
    AddCorners(mesh, skin, metal);
    return mesh;
}

}  // namespace datagen
