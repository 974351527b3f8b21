// Parts 4, 6, 8, 10, 12 and 14: the cube turning from one face's shape into the next along its path.
#include "DemoParts.h"

namespace {

struct SMorph {
    CLWMeshObject& mesh;
    CMove& path;
};

SMorph MorphOf(SDemo& demo)
{
    SDemoObjects& o = demo.objects;
    switch (demo.state.currentPart) {
    case 6: return {o.cubeMorph23, o.cubePath23};
    case 8: return {o.cubeMorph34, o.cubePath34};
    case 10: return {o.cubeMorph45, o.cubePath45};
    case 12: return {o.cubeMorph56, o.cubePath56};
    case 14: return {o.cubeMorph61, o.cubePath61};
    default: return {o.cubeMorph12, o.cubePath12};
    }
}

void RenderToTextureWithBlur(CScreen& screen)
{
    screen.RenderOnTexture(true);
    screen.SetBlurMode(true);
}

}  // namespace

void SetUpCubeMorph(SDemo& demo)
{
    CScreen& screen = demo.screen;
    switch (demo.state.currentPart) {
    case 4:
        RenderToTextureWithBlur(screen);
        screen.EnableFog(true);
        screen.SetFogStart(0);
        screen.SetFogEnd(80);
        break;
    case 6: screen.SetFogEnd(40); break;
    case 8:
        screen.SetBlurMode(true);
        screen.EnableFog(true);
        break;
    case 10:
        RenderToTextureWithBlur(screen);
        screen.EnableFog(true);
        break;
    case 12:
        screen.EnableFog(true);
        RenderToTextureWithBlur(screen);
        break;
    case 14:
        screen.EnableFog(true);
        screen.SetFogDensity(10);
        screen.SetFogStart(10);
        screen.SetFogEnd(40);
        screen.SetFogColor(0x00001800);
        break;
    default: break;
    }
    screen.SetAlphaTexture(0.8f);
    MorphOf(demo).path.Reset();
}

void DrawCubeMorph(SDemo& demo)
{
    const int part = demo.state.currentPart;
    demo.screen.SetCamera(0, 0, part == 14 ? -6.0f : -7.0f, 0, 0, 1);
    SMorph morph = MorphOf(demo);
    ReadPath(morph.path, demo.scratch);
    PlaceAtPath(morph.mesh, demo.scratch);
    if (part == 8 || part == 12)
        demo.screen.ClearZ();
    morph.mesh.Render();
}
