// roue.lwo, a wheel about 2.7 units across lying in the x-y plane (part 11 rolls twenty of them along
// x, three units apart): a treaded tyre, a thin chrome rim, eight spokes and a hub. Its pictures are
// roue_tyre.png (tread) and roue_chrome.png.
#include <cmath>

#include "core/Procedural.h"
#include "models/Models.h"
#include "models/Shapes.h"

namespace datagen {

namespace {

constexpr const char* kTyre = "roue_tyre.png";
constexpr const char* kChrome = "roue_chrome.png";
constexpr int kSpokes = 8;
constexpr double kTyreRadius = 1.15, kTyreTube = 0.2;
constexpr double kRimRadius = 0.92, kRimTube = 0.07;
constexpr double kHubRadius = 0.24, kHubHalfDepth = 0.18;

const UvRect kWhole{0, 0, 1, 1};

void AddHub(Mesh& mesh, int chrome)
{
    Tube hub;
    hub.joints = {{{0, 0, -kHubHalfDepth}, kHubRadius, kHubRadius},
                  {{0, 0, -kHubHalfDepth * 0.6}, kHubRadius * 1.15, kHubRadius * 1.15},
                  {{0, 0, kHubHalfDepth * 0.6}, kHubRadius * 1.15, kHubRadius * 1.15},
                  {{0, 0, kHubHalfDepth}, kHubRadius, kHubRadius}};
    hub.sides = 12;
    hub.start = {TubeEnd::Point, 0.08};
    hub.end = {TubeEnd::Point, 0.08};
    AddTube(mesh, chrome, hub, kWhole);
}

void AddSpokes(Mesh& mesh, int chrome)
{
    const double inner = kHubRadius * 0.9, outer = kRimRadius - kRimTube * 0.5;
    for (int k = 0; k < kSpokes; ++k) {
        const double angle = 2 * kPi * k / kSpokes;
        const Vec3 out{std::cos(angle), std::sin(angle), 0}, side{-std::sin(angle), std::cos(angle), 0};
        AddBox(mesh, chrome, out * ((inner + outer) / 2), out * ((outer - inner) / 2), side * 0.045, Vec3{0, 0, 0.045},
               kWhole);
    }
}

}  // namespace

Mesh BuildWheel()
{
    Mesh mesh;
    const int tyre = mesh.AddSurface({"Tyre", 1.9, 1.9, 1.9, kTyre, false});
    const int chrome = mesh.AddSurface({"Chrome", 2.0, 2.0, 2.0, kChrome, true});
    Ring tyreRing;
    tyreRing.radius = kTyreRadius;
    tyreRing.tube = kTyreTube;
    tyreRing.segments = 32;
    tyreRing.sides = 8;
    AddRing(mesh, tyre, tyreRing, {0, 0, 4, 1});
    Ring rim;
    rim.radius = kRimRadius;
    rim.tube = kRimTube;
    rim.segments = 32;
    rim.sides = 4;
    AddRing(mesh, chrome, rim, kWhole);
    AddHub(mesh, chrome);
    AddSpokes(mesh, chrome);
    return mesh;
}

// A dark rubber tread: chevron blocks across the running surface, grooves along it, lighter walls.
Image DrawWheelTyre()
{
    Image picture(256, 64);
    for (int y = 0; y < 64; ++y) {
        // v runs around the tube: the outer, running side is where cos(2 pi v) is near 1, at v = 0 and 1.
        const double around = std::cos(2 * kPi * (y + 0.5) / 64);
        for (int x = 0; x < 256; ++x) {
            const double chevron = std::fmod(x + std::fabs(y - 32) * 0.7 + 256, 16.0);
            const bool groove = around > 0.3 && (chevron < 4 || std::abs(y - 32) > 29);
            const double grain = 0.85 + 0.3 * TileFbm(x / 16.0, y / 16.0, 16, 2, 5);
            const double level = (around > 0.3 ? 80 : 115) * grain * (groove ? 0.35 : 1.0);
            const uint8_t g = static_cast<uint8_t>(level);
            picture.At(x, y) = Rgba{g, g, static_cast<uint8_t>(level * 1.15), 255};
        }
    }
    return picture;
}

// Chrome bands with a bright highlight, tinted slightly cyan to match the greetings part.
Image DrawWheelChrome()
{
    const Palette chrome({{0, {60, 70, 110}}, {0.35, {190, 230, 255}}, {0.5, {255, 255, 255}}, {0.55, {40, 40, 60}},
                          {0.75, {160, 130, 110}}, {1, {60, 70, 110}}});
    Image picture(64, 64);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            picture.At(x, y) = chrome.At((y + 0.5 * x) / 96.0 - std::floor((y + 0.5 * x) / 96.0));
    }
    return picture;
}

}  // namespace datagen
