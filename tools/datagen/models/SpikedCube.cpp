// uvcube_5-6.lwo: a spike grows out of the middle of every face, so the cube turns into a six-pointed
// star. The ring around each spike keeps the outside of the face's tile; the spike's four sides share
// its middle, so a face seen head on still shows its picture.
#include "models/CubeFaces.h"
#include "models/Models.h"

namespace datagen {

namespace {

constexpr double kBase = 0.2;          // the spike's base runs from here to 1 - kBase across the face
constexpr double kSpikeHeight = 1.15;  // how far the tip stands out of the face

void AddSpike(Mesh& mesh, int skin, const CubeFace& face)
{
    const UvRect tile = CubeTileRect(face.tile);
    const double a = kBase, b = 1 - kBase;
    const Vec3 apex = face.normal * (1 + kSpikeHeight);
    const double base[4][2] = {{a, a}, {b, a}, {b, b}, {a, b}};
    for (int side = 0; side < 4; ++side) {
        const double* from = base[side];
        const double* to = base[(side + 1) % 4];
        const Vec3 p = face.At(from[0], from[1]), q = face.At(to[0], to[1]);
        // Each side faces away from the spike's axis, tilted out of the face.
        const Vec3 outward = Normalized((p + q) * 0.5 - face.normal) + face.normal * 0.5;
        mesh.AddFace(skin, {p, q, apex}, {tile.At(from[0], from[1]), tile.At(to[0], to[1]), tile.At(0.5, 0.5)}, outward);
    }
}

}  // namespace

Mesh BuildSpikedCube()
{
    Mesh mesh;
    const int skin = AddCubeSkinSurface(mesh, "TalvikCube");
    for (const CubeFace& face : CubeFaces()) {
        AddFaceRing(mesh, skin, face, kBase);
        AddSpike(mesh, skin, face);
    }
    return mesh;
}

}  // namespace datagen
