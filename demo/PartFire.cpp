// Part 7: fire computed on the processor. A cloud of rotating sphere points feeds one fire buffer,
// random fuel the bottom row of both; a smoothing filter lets them burn upwards. One buffer is
// written into the texture of a spinning box, the other into a full-screen plane behind it. Over it
// the name plates come one after another; sync 17 sends the box away and fades the bars out.
#include <algorithm>
#include <cmath>

#include "DemoParts.h"
#include "FireBuffers.h"

namespace {

constexpr int kSide = SDemoTables::kFireSide;
constexpr float kThreeHalvesPi = 4.712389f;

// A locked texture; pixels outside it are not written, whatever size the picture file had.
struct SLockedTexture {
    SPixel* pixels = nullptr;
    int width = 0, height = 0, stride = 0;

    void Set(int x, int y, SPixel pixel)
    {
        if (pixels && x >= 0 && y >= 0 && x < width && y < height)
            pixels[x + y * stride] = pixel;
    }
};

SLockedTexture LockAndClear(CBaseObject& object)
{
    SLockedTexture t;
    int pitch = 0;
    t.pixels = object.LockTexture(t.width, t.height, pitch, 0);
    if (!t.pixels)
        return t;
    t.stride = pitch / static_cast<int>(sizeof(SPixel));
    for (int y = 0; y < std::min(t.height, kSide); ++y)
        std::fill(t.pixels + y * t.stride, t.pixels + y * t.stride + std::min(t.width, kSide), SPixel{0, 0, 0, 0});
    return t;
}

SPixel FirePixel(int value) { return SPixel{6, 24, static_cast<unsigned char>(std::min(value, 255)), 255}; }

void DrawWhiteFrame(SLockedTexture& texture)
{
    const SPixel white{255, 255, 255, 255};
    for (int k = 0; k < texture.width; ++k) {
        texture.Set(k, 0, white);
        texture.Set(k, kSide - 1, white);
        texture.Set(0, k, white);
        texture.Set(kSide - 1, k, white);
    }
}

void BurnBoxTexture(SDemo& demo)
{
    CBoxObject& box = demo.objects.fireBox;
    SLockedTexture texture = LockAndClear(box);
    AddFireFuel(demo.tables);
    TurnFire(demo.scratch.fire);
    PlotSpherePoints(demo.tables, demo.scratch.fire);
    FilterFire(demo.tables.fireBuffer1, [&texture](int row, int column, int value) {
        texture.Set(row, column, FirePixel(value));
    });
    FilterFire(demo.tables.fireBuffer2);
    DrawWhiteFrame(texture);
    if (texture.pixels)
        box.UnlockTexture(0);
}

void BurnPlaneTexture(SDemo& demo)
{
    CPlaneObject& plane = demo.objects.firePlane;
    SLockedTexture texture = LockAndClear(plane);
    if (!texture.pixels)
        return;
    for (int r = 1; r < kSide; ++r)
        for (int c = 0; c < kSide; ++c)
            texture.Set(r, c, FirePixel(FireCell(demo.tables.fireBuffer2, r, c)));
    plane.UnlockTexture(0);
}

void DrawFireBox(SDemo& demo)
{
    SDriverState& s = demo.state;
    SFireValues& f = demo.scratch.fire;
    FadeUp(f.boxAlpha, 1.0f / 20, 1, s.dt);
    if (s.syncValue == 17)
        s.subState = 8;
    if (s.subState >= 8) {
        f.boxOffset += 5 * s.dt;
        f.barsAlpha -= s.dt / 5;
    }
    CBoxObject& box = demo.objects.fireBox;
    box.SetRotation(s.now / 2, s.now / 4, 1.5707964f);
    box.SetPosition(5 * std::sin(s.now / 2), 5 * std::cos(s.now / 4), -5 - f.boxOffset);
    DrawWithAlpha(box, f.boxAlpha);
    if (s.now > s.partStart + 2) {
        f.driftX += s.now / 2000;
        f.driftY += s.now / 1000;
    }
}

}  // namespace

void SetUpFire(SDemo& demo)
{
    SFireValues& f = demo.scratch.fire;
    demo.screen.SetBlurMode(false);
    demo.screen.EnableFog(false);
    for (int i = 0; i < 3; ++i) {
        f.angle[i] = 0;
        f.step[i] = 1;
    }
    f.boxOffset = 0;
    f.driftX = 40;
    f.driftY = 0;
    f.directionX = 1;
    f.directionY = 1;
    demo.state.subState = 0;
    f.barsAlpha = 0.5f;
    for (SPlate& plate : f.plates)
        plate = SPlate{0, 0, demo.state.dt / 5};
    demo.state.beatFlag = false;
    f.boxAlpha = 0;
}

void DrawFire(SDemo& demo)
{
    SDemoObjects& o = demo.objects;
    demo.screen.SetCamera(0, 0, 10, 0, 0, -1);
    o.firePlane.SetRotation(0, 0, kThreeHalvesPi);
    o.firePlane.Render();
    demo.screen.ClearZ();
    DrawFireBox(demo);
    BurnBoxTexture(demo);
    BurnPlaneTexture(demo);
    DrawNamePlates(demo);
    if (demo.scratch.fire.barsAlpha > 0)
        DrawWithAlpha(o.barsPlane, demo.scratch.fire.barsAlpha);
}
