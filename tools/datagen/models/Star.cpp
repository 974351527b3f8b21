// rtoile.lwo, a spiky star: twelve long rays along the corners of an icosahedron and twenty shorter
// ones between them, all meeting in the middle. The demo's part 11 draws it translucent, 25 units away through a
// narrow lens, so its 2.2-unit rays reach past the edges of the screen. rtoile_glow.png runs from a
// white-hot root to violet tips.
#include <cmath>

#include "core/Procedural.h"
#include "models/Models.h"
#include "models/Shapes.h"

namespace datagen {

namespace {

constexpr const char* kGlow = "rtoile_glow.png";
constexpr double kLongRay = 2.2, kShortRay = 1.3;

std::vector<Vec3> IcosahedronCorners()
{
    const double g = (1 + std::sqrt(5.0)) / 2;
    std::vector<Vec3> corners;
    for (double a : {-1.0, 1.0}) {
        for (double b : {-g, g}) {
            corners.push_back(Normalized({0, a, b}));
            corners.push_back(Normalized({a, b, 0}));
            corners.push_back(Normalized({b, 0, a}));
        }
    }
    return corners;
}

// The centres of the icosahedron's twenty faces: the triples of corners that are all neighbours.
std::vector<Vec3> IcosahedronFaceCentres(const std::vector<Vec3>& corners)
{
    double edge = 2;
    for (size_t i = 0; i < corners.size(); ++i)
        for (size_t j = i + 1; j < corners.size(); ++j)
            edge = std::fmin(edge, Length(corners[i] - corners[j]));
    auto neighbours = [&](size_t i, size_t j) { return Length(corners[i] - corners[j]) < edge * 1.01; };
    std::vector<Vec3> centres;
    for (size_t i = 0; i < corners.size(); ++i)
        for (size_t j = i + 1; j < corners.size(); ++j)
            for (size_t k = j + 1; k < corners.size(); ++k)
                if (neighbours(i, j) && neighbours(j, k) && neighbours(i, k))
                    centres.push_back(Normalized(corners[i] + corners[j] + corners[k]));
    return centres;
}

void AddRay(Mesh& mesh, int surface, Vec3 direction, double length, double width)
{
    Tube ray;
    ray.joints = {{direction * 0.05, width, width}, {direction * (length * 0.25), width * 0.8, width * 0.8}};
    ray.sideways = Cross(direction, std::fabs(direction.y) < 0.9 ? Vec3{0, 1, 0} : Vec3{1, 0, 0});
    ray.sides = 5;
    ray.start.kind = TubeEnd::Open;
    ray.end = {TubeEnd::Point, length * 0.75};
    AddTube(mesh, surface, ray, {0, 0, 1, 1});
}

}  // namespace

Mesh BuildStar()
{
    Mesh mesh;
    const int glow = mesh.AddSurface({"StarGlow", 1.9, 1.9, 1.9, kGlow, false});
    const std::vector<Vec3> corners = IcosahedronCorners();
    for (const Vec3& direction : corners)
        AddRay(mesh, glow, direction, kLongRay, 0.3);
    for (const Vec3& direction : IcosahedronFaceCentres(corners))
        AddRay(mesh, glow, direction, kShortRay, 0.2);
    return mesh;
}

// Along v, from the root (top row) to the tip: white, gold, orange, magenta, violet; faint streaks
// across u give the rays a sheen as they turn.
Image DrawStarGlow()
{
    const Palette heat({{0, {255, 255, 240}}, {0.25, {255, 220, 90}}, {0.5, {255, 120, 40}}, {0.75, {230, 40, 150}},
                        {1, {90, 30, 200}}});
    Image picture(64, 256);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 64; ++x) {
            const double sheen = 0.8 + 0.4 * std::pow(0.5 + 0.5 * std::cos(2 * kPi * x / 64.0 * 5), 4);
            Rgba c = heat.At(y / 255.0);
            c.r = static_cast<uint8_t>(std::fmin(255.0, c.r * sheen));
            c.g = static_cast<uint8_t>(std::fmin(255.0, c.g * sheen));
            c.b = static_cast<uint8_t>(std::fmin(255.0, c.b * sheen));
            picture.At(x, y) = c;
        }
    }
    return picture;
}

}  // namespace datagen
