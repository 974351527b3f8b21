// Part 3: the "presents" banner over copper bars, with trails of boxes and of the ravelle mesh; the
// music's steps 21 and 22 fade the trails in, 19 opens the letterbox, turns the camera around the
// scene and brings in the plasma, 20 fades it all back out.
#include <cmath>

#include "DemoParts.h"

namespace {

void ReadBannerSyncs(SDemo& demo)
{
    SDriverState& s = demo.state;
    switch (s.syncValue) {
    case 19:
        s.subState = 4;
        demo.scratch.banner.letterboxAlpha = 1;
        break;
    case 20: s.subState = 5; break;
    case 21: s.subState = 1; break;
    case 22: s.subState = 2; break;
    default: break;
    }
}

void PlaceCamera(SDemo& demo)
{
    SScratch& x = demo.scratch;
    CMove& orbit = demo.objects.orbitCameraPath;
    if (demo.state.subState == 4 || demo.state.subState == 5) {
        ReadPath(orbit, x);
        demo.screen.SetCamera(x.px, x.py, x.pz, x.pa, x.pb, x.pc);
    } else {
        demo.screen.SetCamera(0, 0, -30, 0, 0, 1);
        orbit.Reset();
    }
}

void DrawPlasma(SDemo& demo)
{
    SDemoObjects& o = demo.objects;
    const SScratch& x = demo.scratch;
    o.plasmaPlane1.SetEffectAmplitude(0.05f * std::sin(x.spin2));
    o.plasmaPlane1.SetEffectSpeed(1.8f * std::sin(x.spin2) + 0.1f);
    o.plasmaPlane1.Effect(2);
    o.plasmaPlane1.SetRotation(0, 0, x.spin2);
    DrawWithAlpha(o.plasmaPlane1, x.banner.plasma1Alpha);
    o.plasmaPlane2.Effect(3);
    o.plasmaPlane2.SetEffectAmplitude(0.05f * std::sin(x.spin1));
    o.plasmaPlane2.SetEffectSpeed(0.5f * std::sin(x.spin1) + 0.2f * std::cos(x.spin1));
    o.plasmaPlane2.SetRotation(0, 0, std::sin(x.spin1) - std::cos(x.spin1));
    DrawWithAlpha(o.plasmaPlane2, x.banner.plasma2Alpha);
    demo.screen.ClearZ();
}

void UpdatePlasma(SDemo& demo)
{
    SScratch& x = demo.scratch;
    const float dt = demo.state.dt;
    if (demo.state.subState == 4) {
        FadeUp(x.banner.plasma1Alpha, 1, 0.8f, dt);
        FadeUp(x.banner.plasma2Alpha, 1.0f / 2, 0.3f, dt);
        DrawPlasma(demo);
    } else if (demo.state.subState == 5) {
        FadeDown(x.banner.plasma1Alpha, 1.0f / 4, 0, dt);
        FadeDown(x.banner.plasma2Alpha, 1.0f / 8, 0, dt);
        DrawPlasma(demo);
        FadeUp(x.fadeA, 1.0f / 3, 1, dt);
        FadeUp(x.fadeB, 1.0f / 3, 1, dt);
        FadeUp(x.fadeC, 1.0f / 2, 1, dt);
    }
}

void DrawCopperBars(SDemo& demo)
{
    CPlaneObject& bar = demo.objects.copperPlane;
    bar.SetSize(1, 0.02f);
    float a = 1;
    for (int k = 1; k <= 9; ++k) {
        a = a - 0.1f - demo.scratch.fadeC;
        if (a > 0) {
            bar.SetPosition(0, std::sin(demo.state.now - 0.1f * k) / 2, 0);
            DrawWithAlpha(bar, a);
        }
    }
    demo.screen.ClearZ();
}

void DrawBannerPlane(SDemo& demo)
{
    ReadPath(demo.objects.presentsPath, demo.scratch);
    demo.objects.presentsPlane.SetPosition(demo.scratch.px, 0, 0);
    demo.objects.presentsPlane.Render();
    demo.screen.ClearZ();
}

void DrawTrails(SDemo& demo)
{
    SDemoObjects& o = demo.objects;
    SScratch& x = demo.scratch;
    const float now = demo.state.now;
    float t1 = 2 * now, t2 = now, t3 = now / 2;
    if (x.strength < 0.99f)
        x.strength += demo.state.dt;
    for (int k = 0; k < 10; ++k) {
        t1 -= 0.1f;
        t2 -= 0.1f;
        t3 -= 0.1f;
        const float size = static_cast<float>(k + 5);
        o.verticleBox.SetRotation(t1, t2, t3);
        o.verticleBox.SetPosition(2 * std::sin(now) + 8, 2 * std::cos(now), 4 * std::sin(now) - 6 * std::cos(now / 2));
        o.verticleBox.SetSize(size, size, size);
        o.ravelleMesh.SetPosition(-8 - 2 * std::sin(now), 2 - 2 * std::cos(now),
                                  6 * std::cos(now / 2) + 4 * std::sin(now));
        o.ravelleMesh.SetRotation(t1, t2, t3);
        if (k < 1)
            continue;
        const float boxAlpha = x.strength / (k + 0.001f) - x.fadeA;
        if (boxAlpha > 0)
            DrawWithAlpha(o.verticleBox, boxAlpha);
        const float meshAlpha = x.strength / (k + 0.001f) - x.fadeB;
        if (meshAlpha > 0)
            DrawWithAlpha(o.ravelleMesh, meshAlpha);
    }
}

}  // namespace

void SetUpBanner(SDemo& demo)
{
    CScreen& screen = demo.screen;
    SScratch& x = demo.scratch;
    screen.RenderOnTexture(false);
    screen.SetBlurMode(false);
    screen.EnableFog(false);
    demo.objects.orbitCameraPath.Reset();
    demo.objects.presentsPath.Reset();
    demo.state.subState = 0;
    x.banner.letterboxAlpha = 0;
    x.feedback = 0.8f;
    x.strength = 0.02f;
    x.fadeA = 1;
    x.fadeB = 1;
    x.fadeC = 0;
    x.banner.plasma1Alpha = 0;
    x.banner.plasma2Alpha = 0;
    demo.state.flashAlpha = 1;
}

void DrawBanner(SDemo& demo)
{
    SScratch& x = demo.scratch;
    const float dt = demo.state.dt;
    Spin(x.spin1, dt);
    Spin(x.spin2, dt / 2);
    ReadBannerSyncs(demo);
    if (demo.state.subState == 1)
        FadeDown(x.fadeA, 1.0f / 2, 0, dt);
    if (demo.state.subState == 2)
        FadeDown(x.fadeB, 1.0f / 2, 0, dt);
    PlaceCamera(demo);
    UpdatePlasma(demo);
    DrawWithAlpha(demo.objects.frame169Plane, x.banner.letterboxAlpha);
    DrawCopperBars(demo);
    DrawBannerPlane(demo);
    DrawTrails(demo);
}
