// Part 13: four pictures, each a detail of the one before, grow along a path so that the view dives
// from the whole picture into its smallest detail; there a wireframe hand reaches in. Before sync 21
// a still picture covers the layers and fades out; 21 starts the dive.
#include "DemoParts.h"

namespace {

// Reads the zoom path: sizes of layers D, C, B, A into px, py, pz, pa, the alphas of D and C into pb
// and pc, and the alphas of B and A.
void ReadZoomPath(SDemo& demo)
{
    SScratch& x = demo.scratch;
    float unused = 0;
    demo.objects.zoomPath.GetCurrentPosition(x.px, x.py, x.pz, x.pa, x.pb, x.pc, x.zoom.alphaB, x.zoom.alphaA,
                                             unused);
}

void DrawSized(CPlaneObject& plane, float size, float alpha)
{
    plane.SetSize(size, size);
    DrawWithAlpha(plane, alpha);
}

void DrawHand(SDemo& demo)
{
    SScratch& x = demo.scratch;
    SZoomValues& z = x.zoom;
    const float dt = demo.state.dt;
    FadeDown(z.layerDAlpha, 1.0f / 12, 0.2f, dt);
    FadeDown(x.feedback, 1.0f / 10, 0.1f, dt);
    FadeUp(z.handAlpha, 1.0f / 15, 1, dt);
    z.handMotion += dt / 2;
    FadeDown(z.reticleAlpha, 1.0f / 2, 0, dt);
    DrawSized(demo.objects.renderPlaneD, x.px, z.layerDAlpha);
    demo.objects.frame169Plane.Render();
    DrawWithAlpha(demo.objects.reticlePlane, z.reticleAlpha);
    demo.screen.ClearZ();
    CLWMeshObject& hand = demo.objects.handMesh;
    const float m = z.handMotion;
    hand.SetPosition(0.16f - m / 50, -1.2f - m / 10, m / 2 + 0.6f);
    hand.SetSize(1);
    hand.SetFieldOfView(0.1543f);
    hand.SetRotation(4.18879f, -0.453786f - m / 8, -0.200713f);
    DrawWithAlpha(hand, z.handAlpha);
}

void DrawLayers(SDemo& demo)
{
    SScratch& x = demo.scratch;
    SDemoObjects& o = demo.objects;
    FadeUp(x.zoom.reticleAlpha, 1.0f / 2, 0.5f, demo.state.dt);
    DrawSized(o.renderPlaneA, x.pa, x.zoom.alphaA);
    DrawSized(o.renderPlaneB, x.pz, x.zoom.alphaB);
    DrawSized(o.renderPlaneC, x.py, x.pc);
    DrawSized(o.renderPlaneD, x.px, x.pb);
    demo.screen.ClearZ();
    o.frame169Plane.Render();
    DrawWithAlpha(o.reticlePlane, x.zoom.reticleAlpha);
}

void DrawStill(SDemo& demo)
{
    SZoomValues& z = demo.scratch.zoom;
    FadeDown(z.stillAlpha, 1.0f / 3, 0, demo.state.dt);
    z.reticleAlpha = 0;
    z.layerDAlpha = 1;
    DrawWithAlpha(demo.objects.renderPlane, z.stillAlpha);
}

}  // namespace

void SetUpZoom(SDemo& demo)
{
    demo.objects.zoomPath.Reset();
    ReadZoomPath(demo);
    demo.state.subState = 0;
    SZoomValues& z = demo.scratch.zoom;
    z.handMotion = 0;
    z.handAlpha = 0;
    z.stillAlpha = 1;
    demo.scratch.feedback = 1;
    demo.state.flashAlpha = 1;
}

void DrawZoom(SDemo& demo)
{
    SDriverState& s = demo.state;
    demo.screen.SetCamera(0, 0, -5, 0, -0.200713f, 1);
    demo.screen.SetAlphaTexture(demo.scratch.feedback);
    if (s.syncValue == 21) {
        demo.objects.zoomPath.Reset();
        s.subState = 2;
    }
    if (s.subState == 2)
        ReadZoomPath(demo);
    if (demo.scratch.px > 0.9999f) {
        s.subState = 1;
        DrawHand(demo);
    } else {
        DrawLayers(demo);
    }
    if (s.subState == 0)
        DrawStill(demo);
}
