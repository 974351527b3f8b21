// Parts 1 and 2: the title over the loading picture with the cube far away, then the cube flying in
// while the title fades and widens.
#include "DemoParts.h"

namespace {

void LookFromFront(CScreen& screen) { screen.SetCamera(0, 0, -7, 0, 0, 1); }

void DrawTitlePlanes(SDemo& demo)
{
    SDemoObjects& o = demo.objects;
    const SScratch& x = demo.scratch;
    o.loadingPlane.SetSize(x.titleWidth, 1);
    DrawWithAlpha(o.loadingPlane, x.titleAlpha);
    o.titlePlane.SetSize(x.titleWidth, 0.25f);
    DrawWithAlpha(o.titlePlane, x.titleAlpha);
    demo.screen.ClearZ();
}

}  // namespace

void SetUpTitle(SDemo& demo)
{
    CScreen& screen = demo.screen;
    screen.SetAmbientLight(1);
    screen.RenderOnTexture(true);
    screen.SetBlurMode(true);
    screen.EnableFog(true);
    screen.SetFogDensity(10);
    screen.SetFogStart(10);
    screen.SetFogEnd(40);
    screen.SetAlphaTexture(0.4f);
}

void DrawTitle(SDemo& demo)
{
    LookFromFront(demo.screen);
    DrawTitlePlanes(demo);
    CLWMeshObject& cube = demo.objects.cubeMesh;
    cube.SetPosition(0, 0, 15);
    cube.SetRotation(0.6f, 0.7f, 0);
    cube.Render();
}

void SetUpFlyIn(SDemo& demo)
{
    demo.scratch.feedback = 0.2f;
    demo.objects.introPath.Reset();
}

void DrawFlyIn(SDemo& demo)
{
    SScratch& x = demo.scratch;
    const float dt = demo.state.dt;
    LookFromFront(demo.screen);
    demo.screen.SetAlphaTexture(x.feedback);
    FadeDown(x.titleAlpha, 1.0f / 10, 0, dt);
    x.titleWidth += dt / 4;
    DrawTitlePlanes(demo);
    ReadPath(demo.objects.introPath, x);
    PlaceAtPath(demo.objects.cubeMesh, x);
    demo.objects.cubeMesh.Render();
}
