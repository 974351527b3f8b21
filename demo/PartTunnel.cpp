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

// Size and own offset of each box of the system: the centre, then rings of smaller boxes.
void BoxLook(int box, float& size, float& offset)
{
    if (box == 0) {
        size = 5;
        offset = 0;
    } else if (box <= 4) {
        size = 3;
        offset = -0.1f;
    } else if (box <= 8) {
        size = 1.5f;
        offset = -0.2f;
    } else {
        size = 0.75f;
        offset = -0.3f;
    }
}

D3DXVECTOR3 TurnPoint(D3DXVECTOR3 p, const STunnelValues& t, float o)
{
    const float c = t.angle3 + o, a = t.angle1 + o, b = t.angle2 + o;
    const float x1 = p.x * std::cos(c) - p.y * std::sin(c);
    const float y1 = p.x * std::sin(c) + p.y * std::cos(c);
    const float z2 = p.z * std::cos(a) - y1 * std::sin(a);
    const float y2 = y1 * std::cos(a) + p.z * std::sin(a);
    const float z3 = z2 * std::cos(b) - x1 * std::sin(b);
    const float x3 = x1 * std::cos(b) + z2 * std::sin(b);
    return D3DXVECTOR3(x3, y2, z3);
}

void DrawBoxSystem(SDemo& demo)
{
    STunnelValues& t = demo.scratch.tunnel;
    const float dt = demo.state.dt;
    AdvanceAngle(t.angle1, dt);
    AdvanceAngle(t.angle2, dt / 2);
    AdvanceAngle(t.angle3, 2 * dt);
    CBoxObject& box = demo.objects.skyBox;
    CParticleEmitter* sparks[4] = {&demo.objects.sparkEmitter1, &demo.objects.sparkEmitter2,
                                   &demo.objects.sparkEmitter3, &demo.objects.sparkEmitter4};
    for (int b = 0; b < SDemoTables::kSystemBoxes; ++b) {
        const D3DXVECTOR3 p = TurnPoint(demo.tables.cubeSystem[b], t, t.offset);
        float size = 0;
        BoxLook(b, size, t.offset);
        box.SetSize(size, size, size);
        box.SetRotation(t.angle2 - t.offset, -t.angle1 - t.offset, t.angle3 - t.offset);
        box.SetPosition(p.x, p.y, p.z);
        box.Render();
        if (b >= 13 && b <= 16) {
            sparks[b - 13]->SetPos(p);
            sparks[b - 13]->Render();
        }
    }
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
