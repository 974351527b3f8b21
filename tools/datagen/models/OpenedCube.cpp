// uvcube_6-1.lwo: the cube unfolding. Its four sides fall open about their bottom edges and its lid
// swings up about its back edge; every panel is two-sided, the tile outside and a circuit board
// inside, so the open box reads from any angle.
#include "models/CubeFaces.h"
#include "models/Models.h"

namespace datagen {

namespace {

constexpr double kSideOpening = 0.9;   // radians each side falls outwards
constexpr double kLidOpening = 1.9;    // radians the lid swings up
constexpr double kScale = 0.7;         // opened, it spreads wider than the closed cube

// Hinge of each face: a point on the hinge line and its direction; the bottom face has none.
struct Hinge {
    Vec3 point, axis;
    double angle;
};

Hinge HingeOf(const CubeFace& face)
{
    if (face.normal.y < -0.5)
        return {{0, 0, 0}, {1, 0, 0}, 0};
    if (face.normal.y > 0.5)  // the lid, hinged at the back top edge
        return {{0, 1, 1}, {1, 0, 0}, kLidOpening};
    // A side, hinged at its bottom edge, falling away from the centre.
    const Vec3 point = face.normal + Vec3{0, -1, 0};
    const Vec3 axis = Cross({0, 1, 0}, face.normal);
    return {point, axis, kSideOpening};
}

void AddPanel(Mesh& mesh, int skin, const CubeFace& face)
{
    const Hinge hinge = HingeOf(face);
    auto place = [&](double s, double t) {
        return RotateAbout(face.At(s, t), hinge.point, hinge.axis, hinge.angle);
    };
    const std::vector<Vec3> corners{place(0, 0), place(1, 0), place(1, 1), place(0, 1)};
    const Vec3 outward = RotateAbout(face.normal, {0, 0, 0}, hinge.axis, hinge.angle);
    const UvRect tile = CubeTileRect(face.tile), inside = CubeTileRect(CubeTile::Circuit);
    mesh.AddFace(skin, corners, {tile.At(0, 0), tile.At(1, 0), tile.At(1, 1), tile.At(0, 1)}, outward);
    mesh.AddFace(skin, corners, {inside.At(1, 0), inside.At(0, 0), inside.At(0, 1), inside.At(1, 1)}, outward * -1.0);
}

}  // namespace

Mesh BuildOpenedCube()
{
    Mesh mesh;
    const int skin = AddCubeSkinSurface(mesh, "TalvikCube");
    for (const CubeFace& face : CubeFaces())
        AddPanel(mesh, skin, face);
    // Centred on its box, so that it turns about its middle on the morph path.
    const Vec3 centre = mesh.BoxCentre();
    mesh.Deform([centre](Vec3 p) { return (p - centre) * kScale; });
    return mesh;
}

}  // namespace datagen
