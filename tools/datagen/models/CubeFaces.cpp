#include "models/CubeFaces.h"

namespace datagen {

const std::array<CubeFace, 6>& CubeFaces()
{
    static const std::array<CubeFace, 6> faces{{
        {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}, CubeTile::Talvik},
        {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}, CubeTile::Zenth},
        {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}, CubeTile::Emblem},
        {{0, 0, 1}, {-1, 0, 0}, {0, 1, 0}, CubeTile::Plasma},
        {{-1, 0, 0}, {0, 0, -1}, {0, 1, 0}, CubeTile::Monogram},
        {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}, CubeTile::Grid},
    }};
    return faces;
}

void AddFaceRing(Mesh& mesh, int surface, const CubeFace& face, double inner)
{
    const UvRect tile = CubeTileRect(face.tile);
    const double a = inner, b = 1 - inner;
    const double outer[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const double middle[4][2] = {{a, a}, {b, a}, {b, b}, {a, b}};
    for (int side = 0; side < 4; ++side) {
        const int next = (side + 1) % 4;
        std::vector<Vec3> positions;
        std::vector<Uv> uvs;
        for (const double* st : {outer[side], outer[next], middle[next], middle[side]}) {
            positions.push_back(face.At(st[0], st[1]));
            uvs.push_back(tile.At(st[0], st[1]));
        }
        mesh.AddFace(surface, positions, uvs, face.normal);
    }
}

int AddCubeSkinSurface(Mesh& mesh, const char* name)
{
    SurfaceStyle style;
    style.name = name;
    style.r = style.g = style.b = 1.9;
    style.texture = kCubeSkin;
    return mesh.AddSurface(style);
}

}  // namespace datagen
