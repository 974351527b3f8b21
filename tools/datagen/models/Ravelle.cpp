// ravelle.lwo, the group's emblem: a chrome ring holding a faceted golden eight-pointed star, with
// four chrome spikes pointing out along the diagonals like a compass rose. About 9 units across, as
// part 3 draws it in a fading trail thirty units from the camera. ravelle_metal.png is its texture:
// chrome above, gold below.
#include <cmath>

#include "core/Procedural.h"
#include "models/Models.h"
#include "models/Shapes.h"

namespace datagen {

namespace {

constexpr const char* kMetal = "ravelle_metal.png";
constexpr double kRingRadius = 3.1;
constexpr double kRingTube = 0.55;
constexpr int kStarPoints = 8;
constexpr double kStarOuter = 2.6, kStarInner = 1.05;
constexpr double kStarEdge = 0.22;   // half the thickness at the star's outline
constexpr double kStarPeak = 0.75;   // how far its centre stands out on either side

const UvRect kChrome{0.01, 0.01, 0.99, 0.49};
const UvRect kGold{0.01, 0.51, 0.99, 0.99};

Vec3 StarOutline(int i)
{
    const double angle = i * kPi / kStarPoints;
    const double radius = i % 2 ? kStarInner : kStarOuter;
    return {radius * std::sin(angle), radius * std::cos(angle), 0};
}

// The star: a band around its outline and a low pyramid on each side rising to its centre.
void AddStar(Mesh& mesh, int gold)
{
    const int corners = 2 * kStarPoints;
    for (int i = 0; i < corners; ++i) {
        const Vec3 p = StarOutline(i), q = StarOutline((i + 1) % corners);
        const double s0 = double(i) / corners, s1 = double(i + 1) / corners;
        const Vec3 front{0, 0, -kStarEdge}, back{0, 0, kStarEdge};
        const Vec3 edgeOut = Cross(q - p, {0, 0, 1});
        mesh.AddFace(gold, {p + front, q + front, q + back, p + back},
                     {kGold.At(s0, 0.45), kGold.At(s1, 0.45), kGold.At(s1, 0.55), kGold.At(s0, 0.55)},
                     Dot(edgeOut, p + q) > 0 ? edgeOut : edgeOut * -1.0);
        for (double side : {-1.0, 1.0}) {
            const Vec3 peak{0, 0, side * kStarPeak}, lift{0, 0, side * kStarEdge};
            mesh.AddFace(gold, {p + lift, q + lift, peak}, {kGold.At(s0, 0.9), kGold.At(s1, 0.9), kGold.At((s0 + s1) / 2, 0.1)},
                         Vec3{0, 0, side});
        }
    }
}

void AddSpikes(Mesh& mesh, int chrome)
{
    for (int k = 0; k < 4; ++k) {
        const double angle = kPi / 4 + k * kPi / 2;
        const Vec3 out{std::sin(angle), std::cos(angle), 0};
        Tube spike;
        spike.joints = {{out * (kRingRadius + 0.1), 0.42, 0.3}, {out * (kRingRadius + 0.75), 0.3, 0.22}};
        spike.sideways = Cross(out, {0, 0, 1});
        spike.sides = 4;
        spike.start.kind = TubeEnd::Open;
        spike.end = {TubeEnd::Point, 1.0};
        AddTube(mesh, chrome, spike, kChrome);
    }
}

}  // namespace

Mesh BuildRavelle()
{
    Mesh mesh;
    const int chrome = mesh.AddSurface({"RavelleChrome", 1.8, 1.9, 2.0, kMetal, true});
    const int gold = mesh.AddSurface({"RavelleGold", 2.0, 1.8, 1.4, kMetal, true});
    Ring ring;
    ring.radius = kRingRadius;
    ring.tube = kRingTube;
    ring.segments = 32;
    ring.sides = 8;
    AddRing(mesh, chrome, ring, kChrome);
    AddStar(mesh, gold);
    AddSpikes(mesh, chrome);
    return mesh;
}

// Chrome: sky, a dark horizon line and warm ground, the classic reflection, repeated around the tube;
// gold: the same bands in warm tones. Fine vertical streaks give both a brushed look.
Image DrawRavelleMetal()
{
    const Palette chrome({{0, {40, 50, 90}}, {0.3, {170, 210, 255}}, {0.48, {250, 250, 255}}, {0.52, {30, 25, 40}},
                          {0.62, {120, 100, 140}}, {0.85, {215, 215, 240}}, {1, {40, 50, 90}}});
    const Palette gold({{0, {70, 35, 5}}, {0.35, {230, 170, 60}}, {0.5, {255, 245, 200}}, {0.6, {190, 120, 30}},
                        {1, {70, 35, 5}}});
    Image picture(256, 256);
    for (int y = 0; y < 256; ++y) {
        const bool isGold = y >= 128;
        const double t = (y % 128) / 128.0;
        for (int x = 0; x < 256; ++x) {
            const double streak = 0.85 + 0.3 * TileFbm(x / 8.0, y / 64.0, 32, 3, isGold ? 11u : 7u);
            Rgba c = isGold ? gold.At(t) : chrome.At(t);
            c.r = static_cast<uint8_t>(std::fmin(255.0, c.r * streak));
            c.g = static_cast<uint8_t>(std::fmin(255.0, c.g * streak));
            c.b = static_cast<uint8_t>(std::fmin(255.0, c.b * streak));
            picture.At(x, y) = c;
        }
    }
    return picture;
}

}  // namespace datagen
