// The motion paths of the first half of the demo: the fly-in, the six cube morphs, the banner and the
// orbiting camera.
#include "DemoObjects.h"

namespace {

constexpr float kHalfPi = 1.5707964f;
constexpr float kPi = 3.1415927f;
constexpr float kThreeHalvesPi = 4.712389f;
constexpr float kTwoPi = 6.2831855f;
constexpr float kQuarterPi = 0.7853982f;

// One key point: position, direction (used as a rotation or as the camera's direction), and the
// values that differ from speed 0, up (0, 0, 0) and zoom pi/4.
struct SKey {
    float x, y, z, a, b, c;
    float speed = 0, ux = 0, uy = 0, uz = 0, zoom = kQuarterPi;
};

SKey Key(float x, float y, float z, float a, float b, float c) { return {x, y, z, a, b, c}; }

SKey WithZoom(SKey key, float zoom)
{
    key.zoom = zoom;
    return key;
}

void BuildPath(CMove& path, CMove::tMoveMode mode, float speed, std::initializer_list<SKey> keys)
{
    for (const SKey& k : keys)
        path.AddPoint(k.x, k.y, k.z, k.a, k.b, k.c, k.speed, k.ux, k.uy, k.uz, k.zoom);
    path.SetMode(mode);
    path.SetSpeed(speed, -1);
    path.Reset();
}

void BuildCubePaths(SDemoObjects& o)
{
    const CMove::tMoveMode h = CMove::MOVE_HSPLINE;
    SKey first12 = Key(0, 0, 0, kPi, 0, 0);
    first12.ux = -1;
    BuildPath(o.cubePath12, h, 5,
              {first12, Key(0, 0, 0, kPi, 0, 0), Key(0, 0, 10, kPi, 0, kQuarterPi),
               Key(0, 0, 15, kHalfPi, kQuarterPi, kHalfPi), Key(0, 0, 5, kQuarterPi, kHalfPi, kThreeHalvesPi),
               Key(0, 0, -0.05f, 0, kHalfPi, kTwoPi)});
    SKey first23 = Key(0, 0, 0, 0, kHalfPi, kTwoPi);
    first23.uz = 1;
    SKey fast23 = Key(0, 0, 10, 0, kPi, kTwoPi);
    fast23.speed = kPi;
    BuildPath(o.cubePath23, h, 5,
              {first23, Key(0, 0, 0, 0, kHalfPi, kTwoPi), WithZoom(Key(0, 0, 15, 0, kPi, kTwoPi), 0), fast23,
               Key(0, 0, 5, 0, kThreeHalvesPi, 0), Key(0, 0, -0.05f, 0, kThreeHalvesPi, 0)});
    BuildPath(o.cubePath34, h, 5,
              {Key(0, 0, 0, 0, kThreeHalvesPi, 0), Key(0, 0, 0, 0, kThreeHalvesPi, 0),
               Key(0, 0, 10, 0, kThreeHalvesPi, 0), Key(0, 0, 15, 0, kThreeHalvesPi, 0),
               Key(0, 0, 5, kHalfPi, 0, 0), Key(0, 0, -0.05f, kHalfPi, 0, 0)});
    BuildPath(o.cubePath45, h, 5,
              {Key(0, 0, 0, kHalfPi, 0, 0), Key(0, 0, 5, kHalfPi, 0, 0), Key(0, 0, 10, kHalfPi, kQuarterPi, kHalfPi),
               Key(0, 0, 15, kQuarterPi, kHalfPi, kPi), Key(0, 0, 10, 0, 0, kThreeHalvesPi),
               Key(0, 0, -0.1f, 0, 0, kTwoPi)});
    BuildPath(o.cubePath56, h, 5,
              {Key(0, 0, 0, 0, 0, 0), Key(0, 0, 0, 0, 0, 0), Key(0, 0, 15, 0, 0, kHalfPi), Key(0, 0, 10, 0, 0, kPi),
               Key(0, 0, 5, kThreeHalvesPi, 0, kThreeHalvesPi), Key(0, 0, -0.05f, kThreeHalvesPi, 0, kTwoPi)});
    BuildPath(o.cubePath61, h, 5,
              {Key(0, 0, 0, kThreeHalvesPi, 0, 0), Key(0, 0, 0, kThreeHalvesPi, 0, 0),
               Key(0, 0, 5, kThreeHalvesPi, 0, 0), Key(0, 0, 10, kPi, kQuarterPi, 0), Key(0, 0, 5, kHalfPi, 0, 0),
               Key(0, 0, 10, 0, 0, kQuarterPi), Key(0, 0, 5, kThreeHalvesPi, 0, kQuarterPi),
               Key(0, 0, 10, kPi, kQuarterPi, kQuarterPi), Key(0, 0, 5, kHalfPi, 0, 0), Key(0, 0, 10, 0, 0, 0),
               Key(0, 0, 15, kPi, 0, 0), Key(0, 0, -0.1f, kPi, 0, 0)});
}

}  // namespace

void BuildIntroPaths(SDemoObjects& o)
{
    BuildPath(o.introPath, CMove::MOVE_HSPLINE, 1.25f,
              {WithZoom(Key(0, 0, 15, 0.6f, 0.7f, 0), 0), WithZoom(Key(0, 0, -0.1f, 0, 0, 0), 0)});
    BuildCubePaths(o);
}

void BuildBannerPaths(SDemoObjects& o)
{
    BuildPath(o.presentsPath, CMove::MOVE_LINEAR, 1.25f,
              {WithZoom(Key(2.5f, 0, 15, 0.6f, 0.7f, 0), 0), Key(-2.4f, 0, 0, 0, 0, 0)});
    BuildPath(o.orbitCameraPath, CMove::MOVE_HSPLINE, 12,
              {WithZoom(Key(0, 0, -30, 0, 0, 1), 0), Key(40, 10, 0, -1, -0.3f, 0),
               WithZoom(Key(0, 0, 30, 0, 0, -1), 0), WithZoom(Key(-40, -10, 0, 1, 0.3f, 0), 0),
               WithZoom(Key(0, 0, -30, 0, 0, 1), 0)});
}
