// Part 7: fire computed on the processor. A cloud of rotating sphere points feeds one fire buffer,
// random fuel the bottom row of both; a smoothing filter lets them burn upwards. One buffer is
// written into the texture of a spinning box, the other into a full-screen plane behind it. Over it
// the name plates come one after another; sync 17 sends the box away and fades the bars out.
#include <algorithm>
#include <cmath>

#include "DemoParts.h"

namespace {

constexpr int kSide = SDemoTables::kFireSide;
constexpr float kThreeHalvesPi = 4.712389f;

int& Cell(std::vector<int>& buffer, int row, int column) { return buffer[static_cast<size_t>(row) * kSide + column]; }

int CellOrZero(const std::vector<int>& buffer, int row, int column)
{
    if (row < 0 || row >= kSide || column < 0 || column >= kSide)
        return 0;
    return buffer[static_cast<size_t>(row) * kSide + column];
}

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

void AddFuel(SDemoTables& t)
{
    for (int c = 0; c < kSide; ++c) {
        if (DemoRandom(10) < 5) {
            const int v = static_cast<int>(DemoRandom(255));
            Cell(t.fireBuffer1, kSide - 1, c) = v;
            Cell(t.fireBuffer2, kSide - 1, c) = v;
        }
    }
}

void TurnFire(SFireValues& f)
{
    for (int i = 0; i < 3; ++i) {
        f.angle[i] += f.step[i];
        if (f.angle[i] >= 360)
            f.angle[i] = 0;
    }
    f.driftX += f.directionX;
    f.driftY += f.directionY;
}

void BounceDrift(SFireValues& f)
{
    if (f.driftX > 47)
        f.directionX = -1;
    if (f.driftX < -47)
        f.directionX = 1;
    if (f.driftY > 45)
        f.directionY = -1;
    if (f.driftY < -48)
        f.directionY = 1;
}

// Rotates the sphere points with the whole-degree tables and marks where they land in the first buffer.
void PlotSpherePoints(SDemo& demo)
{
    SDemoTables& t = demo.tables;
    SFireValues& f = demo.scratch.fire;
    const float s1 = t.sinTable[f.angle[0]], c1 = t.cosTable[f.angle[0]];
    const float s2 = t.sinTable[f.angle[1]], c2 = t.cosTable[f.angle[1]];
    const float s3 = t.sinTable[f.angle[2]], c3 = t.cosTable[f.angle[2]];
    for (const D3DXVECTOR3& p : t.spherePoints) {
        const float z1 = p.z * c1 - p.y * s1, y1 = p.y * c1 + p.z * s1;
        const float z2 = z1 * c2 - p.x * s2, x1 = p.x * c2 + z1 * s2;
        const float x2 = x1 * c3 - y1 * s3, y2 = y1 * c3 + x1 * s3;
        const float z = std::max(-0.9f, std::min(0.9f, z2));
        BounceDrift(f);
        const int row = static_cast<int>((x2 + 1) * 80) + static_cast<int>(f.driftX) + 45;
        const int column = static_cast<int>((y2 + 1) * 80) + static_cast<int>(f.driftY) + 45;
        if (row >= 0 && row < kSide && column >= 0 && column < kSide)
            Cell(t.fireBuffer1, row, column) = static_cast<int>((z + 1) * 256 / 2 - 1);
    }
}

// One pass of the burning filter over a buffer; each visited cell is also written to the texture,
// when one is given.
void FilterFire(std::vector<int>& b, SLockedTexture* texture)
{
    for (int r = 1; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            if (c == 0)
                Cell(b, r - 1, 0) = (2 * Cell(b, r, 0) + CellOrZero(b, r, 1) + CellOrZero(b, r + 1, 0)) >> 2;
            else
                Cell(b, r - 1, c) = (Cell(b, r, c) + Cell(b, r, c - 1) + CellOrZero(b, r, c + 1) +
                                     CellOrZero(b, r + 1, c) + Cell(b, r - 1, c)) / 5;
            int& cell = Cell(b, r, c);
            if (cell > 255)
                cell = 0;
            else if (cell > 0)
                --cell;
            if (texture)
                texture->Set(r, c, FirePixel(cell));
        }
    }
}

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
    AddFuel(demo.tables);
    TurnFire(demo.scratch.fire);
    PlotSpherePoints(demo);
    FilterFire(demo.tables.fireBuffer1, texture.pixels ? &texture : nullptr);
    FilterFire(demo.tables.fireBuffer2, nullptr);
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
            texture.Set(r, c, FirePixel(Cell(demo.tables.fireBuffer2, r, c)));
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
