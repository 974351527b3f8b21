// Part 11: the greetings. A star mesh turns far away, twenty wheels roll across the screen, and the
// greetings line scrolls by letter by letter, each letter bobbing and swelling on its own sine.
// Syncs 19 to 22 bring the star and the wheels in and fade them out again.
#include <cmath>

#include "DemoParts.h"

namespace {

constexpr float kTwoPi = 6.2831855f;

void WrapAbove(float& value, float limit)
{
    if (value > limit)
        value = 0;
}

void FadeStarAndWheels(SDemo& demo)
{
    SGreetingsValues& g = demo.scratch.greetings;
    const float dt = demo.state.dt;
    switch (demo.state.subState) {
    case 1: FadeUp(g.starAlpha, 1.0f / 20, 0.3f, dt); break;
    case 2:
        FadeUp(g.starAlpha, 1.0f / 20, 0.3f, dt);
        FadeUp(g.wheelAlpha, 1.0f / 15, 0.6f, dt);
        break;
    case 3:
        FadeDown(g.starAlpha, 1.0f / 25, 0.1f, dt);
        FadeDown(g.wheelAlpha, 1.0f / 20, 0.1f, dt);
        break;
    default: break;
    }
}

void DrawStar(SDemo& demo)
{
    const float now = demo.state.now;
    CLWMeshObject& star = demo.objects.rtoileMesh;
    star.SetFieldOfView(0.1309f);
    star.SetPosition(std::sin(now / 2), std::cos(now / 2), std::sin(now) + 20);
    star.SetRotation(now / 3, now / 2, now);
    DrawWithAlpha(star, demo.scratch.greetings.starAlpha);
    demo.screen.ClearZ();
}

void DrawWheels(SDemo& demo)
{
    const float dt = demo.state.dt;
    float& phase = demo.scratch.fov;
    CLWMeshObject& mesh = demo.objects.wheelMesh;
    for (int k = 0; k < SDemoTables::kWheels; ++k) {
        SWheel& w = demo.tables.wheels[k];
        w.x += 2 * dt;
        WrapAbove(w.x, 20);
        phase += dt / 50;
        WrapAbove(phase, kTwoPi);
        w.ry = std::sin(phase - k);
        w.rz += std::sin(phase) / 500;
        w.y += w.ry / 50;
        w.z += w.ry / 10;
        mesh.SetPosition(3 * w.x - 25, w.y, w.z);
        mesh.SetRotation(w.rx, w.ry, w.rz);
        DrawWithAlpha(mesh, demo.scratch.greetings.wheelAlpha);
    }
}

void DrawScroller(SDemo& demo)
{
    SGreetingsValues& g = demo.scratch.greetings;
    const float dt = demo.state.dt;
    g.scroll -= 8 * dt;
    CBmpFonts& font = demo.objects.fontText;
    const std::string& text = demo.tables.greetingsText;
    for (int k = 0; k < static_cast<int>(text.size()); ++k) {
        g.letterPhase += dt / 76;
        WrapAbove(g.letterPhase, kTwoPi);
        const float zoom = std::sin(k + g.letterPhase) / 2 + 1;
        const char letter[2] = {text[k], '\0'};
        font.SetText(CString(letter));
        // Depth 0: a plane at depth 1 lies on the far plane and is clipped away.
        font.SetPosition((k + g.scroll) / 20, std::cos(g.letterPhase - k) / 10 - 0.3f, 0);
        font.SetZoomFactor(zoom, zoom);
        font.Render();
    }
    demo.screen.ClearZ();
}

}  // namespace

void SetUpGreetings(SDemo& demo)
{
    CScreen& screen = demo.screen;
    screen.SetFogDensity(10);
    screen.SetFogStart(0);
    screen.SetFogEnd(80);
    demo.state.subState = 0;
    demo.state.flashAlpha = 1;
    SGreetingsValues& g = demo.scratch.greetings;
    g.starAlpha = 0;
    g.wheelAlpha = 0;
    g.scroll = 0;
}

void DrawGreetings(SDemo& demo)
{
    demo.screen.SetCamera(0, 0, -5, 0, 0, 1);
    const int value = demo.state.syncValue;
    if (value >= 19 && value <= 22)
        demo.state.subState = value - 18;
    FadeStarAndWheels(demo);
    DrawStar(demo);
    DrawWheels(demo);
    demo.objects.scrollLayerPlane.Render();
    demo.objects.topBarPlane.Render();
    DrawScroller(demo);
}
