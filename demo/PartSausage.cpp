// Part 5: a sausage mesh lit by three lights, deformed a little more every frame, drawn solid and as
// wireframe over a fading background, with boxes that pulse on the beat and smoke around it.
#include <cmath>

#include "DemoParts.h"

namespace {

void FadeInSausage(SDemo& demo)
{
    SSausageValues& v = demo.scratch.sausage;
    const float dt = demo.state.dt;
    const bool early = demo.state.now < demo.state.partStart + 8;
    FadeUp(v.wireAlpha, early ? 1.0f / 10 : 1, 1, dt);
    FadeUp(v.solidAlpha, early ? 1.0f / 8 : 1, 1, dt);
}

void DrawBackground(SDemo& demo)
{
    SDemoObjects& o = demo.objects;
    o.lightA.Enable(1);
    o.lightB.Enable(1);
    o.lightC.Enable(1);
    FadeUp(demo.scratch.strength, 1.0f / 10, 1, demo.state.dt);
    DrawWithAlpha(o.deformBackPlane, demo.scratch.strength);
    demo.screen.ClearZ();
}

void DrawBeatBoxes(SDemo& demo)
{
    SDriverState& s = demo.state;
    float& level = demo.scratch.sausage.beatLevel;
    if (s.beatFlag) {
        level = 0.8f;
        s.beatFlag = false;
    }
    level += s.subState == 1 ? s.dt : -s.dt / 2;
    level = level < 0 ? 0 : level > 0.8f ? 0.8f : level;
    if (level > 0) {
        CBoxObject& box = demo.objects.verticleBox;
        float t1 = 2 * s.now, t2 = s.now, t3 = s.now / 2;
        for (int i = -3; i <= 3; ++i) {
            for (int j = -2; j <= 2; ++j) {
                t1 -= 0.1f;
                t2 -= 0.1f;
                t3 -= 0.1f;
                box.SetRotation(t1, t2, t3);
                box.SetPosition(5.0f * i, 5.0f * j, 2 * std::sin(t1) - 23);
                box.SetSize(3, 3, 3);
                DrawWithAlpha(box, level);
            }
        }
    }
    demo.screen.ClearZ();
}

// Adds this frame's wave to every vertex; the buffer keeps it, so the shape drifts further each frame.
void DeformSausage(SDemo& demo)
{
    float& phase = demo.scratch.sausage.vertexPhase;
    unsigned long count = 0;
    S3DVERTEX* vertices = demo.objects.sausageMesh.LockVB(count);
    if (!vertices)
        return;
    const float n = static_cast<float>(count);
    int counter = 0;
    for (unsigned long v = 0; v < count; ++v) {
        if (++counter == 32) {
            counter = 0;
            Spin(phase, demo.state.dt / 10);
        }
        const float angle = v * 3.1415927f / 180.0f + phase;
        vertices[v].x += 10 * std::cos(angle) / n;
        vertices[v].y += 30 * std::cos(angle) / n;
        vertices[v].z += 10 * std::sin(angle) / n;
    }
    demo.objects.sausageMesh.UnlockVB(false);
}

void ReadSausageSyncs(SDemo& demo)
{
    SScratch& x = demo.scratch;
    if (demo.state.syncValue == 20) {
        x.fov = 0.523599f;
        x.sausage.solidAlpha = 0.4f;
    }
    if (x.fov > 1.0472f)
        x.fov -= demo.state.dt;
    if (demo.state.syncValue == 18)
        x.sausage.wireAlpha = 0.2f;
}

void DrawSausageMesh(SDemo& demo)
{
    SScratch& x = demo.scratch;
    const float dt = demo.state.dt;
    Spin(x.px, dt / 2);
    Spin(x.py, dt / 3);
    Spin(x.pz, dt / 4);
    DeformSausage(demo);
    CXMeshObject& sausage = demo.objects.sausageMesh;
    sausage.SetRotation(x.px, x.py, x.pz);
    sausage.SetPosition(std::sin(x.px), std::sin(x.py), std::sin(demo.state.now) - 5);
    ReadSausageSyncs(demo);
    sausage.SetWireframe(false);
    sausage.SetFieldOfView(x.fov);
    DrawWithAlpha(sausage, x.sausage.solidAlpha);
    demo.screen.ClearZ();
    sausage.SetWireframe(true);
    sausage.SetFieldOfView(x.fov + 0.02f);
    DrawWithAlpha(sausage, x.sausage.wireAlpha);
    demo.screen.ClearZ();
}

void DrawSmoke(SDemo& demo)
{
    const float now = demo.state.now;
    CParticleEmitter& smoke = demo.objects.smokeEmitter;
    if (demo.scratch.feedback > 0.5f)
        smoke.SetPos(D3DXVECTOR3(std::sin(now / 2) / 3.5f, std::cos(now) / 3, std::sin(now) - 2));
    else
        smoke.SetPos(D3DXVECTOR3(std::cos(now) / 3, 0, std::cos(now) - 2));
    smoke.Render();
    demo.screen.ClearZ();
}

void DrawLayer(SDemo& demo)
{
    SSausageValues& v = demo.scratch.sausage;
    if (v.layerAlpha < 0.9f) {
        v.layerAlpha += demo.state.dt;
        v.solidAlpha = 0;
        v.wireAlpha = 0;
    }
    DrawWithAlpha(demo.objects.deformLayerPlane, v.layerAlpha);
    demo.screen.ClearZ();
}

}  // namespace

void SetUpSausage(SDemo& demo)
{
    SScratch& x = demo.scratch;
    demo.screen.SetFogEnd(40);
    demo.objects.smokeEmitter.Reset();
    x.strength = 0;
    x.px = x.py = x.pz = 0;
    x.sausage.solidAlpha = 0;
    x.sausage.wireAlpha = 0;
    x.feedback = 0.2f;
    x.sausage.beatLevel = 0;
    x.sausage.layerAlpha = 1;
    demo.state.flashAlpha = 1;
}

void DrawSausage(SDemo& demo)
{
    SScratch& x = demo.scratch;
    demo.screen.SetCamera(0, 0, 5, 0, 0, -1);
    FadeUp(x.feedback, 1.0f / 50, 1, demo.state.dt);
    if (x.feedback < 0.2f)
        x.feedback = 0.2f;
    demo.screen.SetAlphaTexture(x.feedback);
    FadeInSausage(demo);
    DrawBackground(demo);
    DrawBeatBoxes(demo);
    DrawSausageMesh(demo);
    DrawSmoke(demo);
    DrawLayer(demo);
}
