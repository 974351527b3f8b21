// Part 9: a tunnel of tori rings that bends as it recedes, and in front of it a system of boxes turning
// about the centre, with four spark emitters riding the outer boxes. Number keys change how the rings
// are drawn and how thick they are; syncs 18 to 20 step the look.
#include <cmath>

#include "DemoKeys.h"
#include "DemoParts.h"

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr int kFramesPerRing = 10;
// Slots per radian of the ring index, so that the bend makes one full turn along the tunnel.
constexpr float kSlotsPerRadian = SDemoTables::kTunnelSlots / kTwoPi;

// Dots, wireframe and flat shading together, as the mode keys set them.
void SetRingLook(CTorusObject& torus, bool dots, bool wire, bool flat)
{
    torus.SetDot(dots);
    torus.SetWireframe(wire);
    torus.SetFlatShading(flat);
}

void SetRingRadius(SDemo& demo, float radius, float outer)
{
    demo.scratch.tunnel.radius = radius;
    demo.objects.tunnelTorus.SetRadius(radius, outer);
}

bool KeyAlone(const SDemo& demo, uint32_t key) { return demo.state.keyState == key; }

uint32_t Digit(int n) { return n == 0 ? demo_keys::kDigit0 : demo_keys::kDigit1 << (n - 1); }

void ReadModeKeys(SDemo& demo)
{
    CTorusObject& torus = demo.objects.tunnelTorus;
    std::string& label = demo.tables.messageText;
    STunnelValues& t = demo.scratch.tunnel;
    if (KeyAlone(demo, Digit(1))) {
        SetRingLook(torus, true, false, false);
        label = "dot mode";
    } else if (KeyAlone(demo, Digit(2))) {
        SetRingLook(torus, false, true, false);
        label = "wire mode";
    } else if (KeyAlone(demo, Digit(3))) {
        SetRingLook(torus, false, false, true);
        label = "flat mode";
    } else if (KeyAlone(demo, Digit(4))) {
        SetRingLook(torus, false, false, false);
        label = "gourault mode";
    } else if (KeyAlone(demo, Digit(5))) {
        label = "mixed mode";
    } else if (KeyAlone(demo, Digit(8))) {
        SetRingRadius(demo, t.radius + 0.01f, 20);
    } else if (KeyAlone(demo, Digit(9))) {
        SetRingRadius(demo, std::fmax(t.radius - 0.01f, 0.0f), 20);
    } else if (KeyAlone(demo, Digit(0))) {
        SetRingRadius(demo, 0, 20);
    }
}

void ReadSteps(SDemo& demo)
{
    CTorusObject& torus = demo.objects.tunnelTorus;
    SDriverState& s = demo.state;
    switch (s.syncValue) {
    case 18:
        s.subState = 2;
        s.flashAlpha = 1;
        SetRingLook(torus, false, true, false);
        SetRingRadius(demo, 0, 40);
        break;
    case 19:
        s.subState = 3;
        s.flashAlpha = 1;
        SetRingRadius(demo, 5, 30);
        break;
    case 20:
        s.subState = 4;
        s.flashAlpha = 1;
        torus.SetWireframe(false);
        torus.SetDot(true);
        SetRingRadius(demo, 0, 60);
        break;
    default: break;
    }
}

// A new ring is marked at the near end every ten frames.
void CountRings(SDemo& demo)
{
    STunnelValues& t = demo.scratch.tunnel;
    if (++t.ringCounter == kFramesPerRing) {
        demo.tables.tunnelFlags[SDemoTables::kTunnelSlots - 1] = 1;
        t.ringCounter = 0;
    }
}

void TurnTwist(SDemo& demo)
{
    STunnelValues& t = demo.scratch.tunnel;
    if (t.twist > 6.28f)
        t.twistSpeed = -demo.state.dt / 20;
    else if (t.twist < -6.28f)
        t.twistSpeed = demo.state.dt / 20;
}

// Every marked slot moves one step away (two units) and bends its own offset further.
void DrawRings(SDemo& demo)
{
    SDemoTables& tables = demo.tables;
    STunnelValues& t = demo.scratch.tunnel;
    CTorusObject& torus = demo.objects.tunnelTorus;
    const float k = kSlotsPerRadian;
    for (int i = 2; i < SDemoTables::kTunnelSlots; ++i) {
        tables.tunnelFlags[i - 1] = tables.tunnelFlags[i];
        if (tables.tunnelFlags[i] != 1)
            continue;
        t.twist += t.twistSpeed;
        float& x = tables.tunnelOffX[i];
        float& y = tables.tunnelOffY[i];
        x += 5 * std::cos(i / k - t.twist) - 2 * std::sin(i / k + t.twist);
        y += 3 * std::cos(i / k + t.twist) - 4 * std::sin(i / k - t.twist);
        torus.SetRotation(0, 0, demo.state.now);
        torus.SetPosition(x / 8, y / 10, 560.0f - 2 * i);
        torus.Render();
        tables.tunnelFlags[i] = 0;
    }
}

void AdvanceAngle(float& angle, float step)
{
    angle += step;
    if (angle >= kTwoPi)
        angle = 0;
}

void DrawBoxSystem(SDemo& demo)
{
    STunnelValues& t = demo.scratch.tunnel;
    const float dt = demo.state.dt;
    AdvanceAngle(t.angle1, dt);
    AdvanceAngle(t.angle2, dt / 2);
    AdvanceAngle(t.angle3, 2 * dt);
    DrawCubeSystem(demo, {t.angle1, t.angle2, t.angle3}, t.offset, ECubeOffset::CarriedFromPreviousBox, true);
}

void ReadClockAgain(SDriverState& s)
{
    s.now = CScreen::Instance().GetTickCount() - s.t0;
    s.dt = s.now - s.previous;
    s.previous = s.now;
}

}  // namespace

void SetUpTunnel(SDemo& demo)
{
    CScreen& screen = demo.screen;
    screen.RenderOnTexture(false);
    screen.SetBlurMode(false);
    screen.EnableFog(false);
    for (CParticleEmitter* e : {&demo.objects.sparkEmitter1, &demo.objects.sparkEmitter2,
                                &demo.objects.sparkEmitter3, &demo.objects.sparkEmitter4})
        e->Reset();
    demo.scratch.tunnel.twist = 0;
    demo.scratch.tunnel.ringCounter = 0;
    demo.state.flashAlpha = 1;
}

void DrawTunnel(SDemo& demo)
{
    ReadClockAgain(demo.state);
    demo.tables.frozenZ = demo.state.now / 10;
    demo.screen.SetCamera(0, 0, -30, 0, 0, 1);
    ReadModeKeys(demo);
    ReadSteps(demo);
    CountRings(demo);
    demo.objects.tunnelBackPlane.Render();
    demo.screen.ClearZ();
    TurnTwist(demo);
    DrawRings(demo);
    demo.objects.frame169Plane.Render();
    demo.screen.ClearZ();
    DrawBoxSystem(demo);
    DrawWithAlpha(demo.objects.logoPlane, 0.8f);
}
