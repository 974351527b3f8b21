// A small scene built on the engine as a third party would: a textured plane with a wave behind a
// lit, coloured mesh of its own, seen through a camera that circles it, composited through
// render-to-texture with feedback trails.
//
//   feedback_scene [--frames N] [--screenshot FILE.png] [--fullscreen]
//
// Without --frames it runs until Escape or the close box.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "example_capture.h"
#include "objects/Light.h"
#include "objects/PlaneObject.h"
#include "screen/Screen.h"

namespace {

// An octahedron with one colour per face pair: eight faces, each with its own three vertices so that
// the faces are flat.
class COctahedron : public CBaseObject {
public:
    void Init() override
    {
        PreInit();
        SetNumberVertices(24);
        SetNumberFaces(8);
        SetNumberMaterials(1);
        CBaseObject::Init();
        // Indices first: unlocking the vertices computes the normals from the faces.
        unsigned long faceCount = 0;
        WORD* indices = LockIB(faceCount);
        for (unsigned long i = 0; indices && i < faceCount * 3; ++i)
            indices[i] = static_cast<WORD>(i);
        UnlockIB();
        unsigned long count = 0;
        S3DVERTEX* vertices = LockVB(count);
        if (!vertices)
            return;
        const D3DXVECTOR3 top(0, 1, 0), bottom(0, -1, 0);
        const D3DXVECTOR3 ring[4] = {{1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, 0, 1}};
        const DWORD colours[4] = {0xFFFF4040, 0xFF40FF40, 0xFF4080FF, 0xFFFFD040};
        int v = 0;
        for (int side = 0; side < 4; ++side) {
            const D3DXVECTOR3& a = ring[side];
            const D3DXVECTOR3& b = ring[(side + 1) % 4];
            // Clockwise as seen from outside, the front face of the engine's convention.
            const D3DXVECTOR3 upper[3] = {top, a, b}, lower[3] = {bottom, b, a};
            for (const D3DXVECTOR3* face : {upper, lower})
                for (int corner = 0; corner < 3; ++corner, ++v) {
                    vertices[v].x = face[corner].x;
                    vertices[v].y = face[corner].y;
                    vertices[v].z = face[corner].z;
                    vertices[v].color = colours[side];
                    vertices[v].tu = vertices[v].tv = 0.0f;
                }
        }
        UnlockVB(true);
        DrawTexture(false);
    }
};

// A checkerboard with soft colour bands, drawn into a texture the plane shows.
IDirect3DTexture8* MakeCheckerTexture(IDirect3DDevice8* device)
{
    IDirect3DTexture8* texture = nullptr;
    if (FAILED(D3DXCreateTexture(device, 128, 128, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture)))
        return nullptr;
    D3DLOCKED_RECT locked;
    if (FAILED(texture->LockRect(0, &locked, nullptr, 0)))
        return texture;
    for (int y = 0; y < 128; ++y) {
        DWORD* row = reinterpret_cast<DWORD*>(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch);
        for (int x = 0; x < 128; ++x) {
            const bool dark = ((x / 16) + (y / 16)) % 2 == 0;
            const int r = dark ? 30 : 60 + x, g = dark ? 20 : 40 + y / 2, b = dark ? 60 : 160;
            row[x] = D3DCOLOR_ARGB(255, r, g, b);
        }
    }
    texture->UnlockRect(0);
    return texture;
}

class CExampleScene : public CScreenListener {
public:
    int frames = -1;
    std::string screenshot;

    void Run() override
    {
        CScreen& screen = CScreen::Instance();
        IDirect3DTexture8* checker = MakeCheckerTexture(screen.GetD3DDevice());

        CPlaneObject backdrop;
        backdrop.SetSubdivision(32, 32);
        backdrop.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
        backdrop.Init();
        backdrop.SetTexture(checker, 0);
        backdrop.SetSize(16.0f, 12.0f);
        backdrop.SetPosition(0.0f, 0.0f, 8.0f);
        backdrop.SetLighting(false);
        backdrop.Effect(1);
        backdrop.SetEffectAmplitude(0.05f);

        COctahedron gem;
        gem.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
        gem.Init();
        gem.SetLighting(true);
        gem.SetDiffuseColor({0.8f, 0.4f, 0.1f, 1.0f}, 0);
        gem.SetAmbientColor({0.6f, 0.3f, 0.15f, 1.0f}, 0);
        gem.SetSpecularColor({1.0f, 1.0f, 1.0f, 1.0f}, 0);
        gem.SetEmissiveColor({0.0f, 0.0f, 0.0f, 1.0f}, 0);
        gem.SetMaterialPower(12.0f, 0);
        gem.EnableSpecular(true);
        gem.SetSize(2.5f);

        CLight sun, fill;
        sun.SetRotation(0.4f, -0.6f, 0.7f);
        sun.Init();
        fill.SetIndex(1);
        fill.SetProperties(D3DLIGHT_DIRECTIONAL, {0.3f, 0.4f, 0.9f, 1.0f}, {0, 0, 0, 0}, {0, 0, 0, 0}, 0, 1, 0, 0, 0, 0,
                           0);
        fill.SetRotation(-0.7f, 0.5f, 0.3f);
        fill.Init();
        screen.SetAmbientColor({0.3f, 0.3f, 0.3f, 1.0f});

        screen.RenderOnTexture(true);
        screen.Feedback(true);
        screen.SetAlphaTexture(1.0f);
        for (int frame = 0; frames < 0 || frame < frames; ++frame) {
            const float t = screen.GetTickCount();
            screen.SetCamera(std::sin(t * 0.7f) * 3.0f, 1.0f, -6.0f + std::cos(t * 0.5f), -std::sin(t * 0.7f) * 3.0f,
                             -1.0f, 6.0f);
            gem.SetRotation(t * 1.3f, t * 0.6f, 0.0f);
            gem.SetPosition(std::sin(t * 2.0f) * 1.5f, std::cos(t * 1.7f) * 0.8f, 0.0f);
            screen.BeginScene(true);
            backdrop.Render();
            gem.Render();
            screen.EndScene(true);
            if (frame + 1 == frames && !screenshot.empty() && !example::SaveFrontBuffer(screenshot.c_str()))
                fprintf(stderr, "cannot write %s\n", screenshot.c_str());
        }
        screen.RenderOnTexture(false);
        fill.CleanUp();
        sun.CleanUp();
        gem.CleanUp();
        backdrop.CleanUp();
        if (checker)
            checker->Release();
    }
};

}  // namespace

int main(int argc, char** argv)
{
    CExampleScene scene;
    bool fullscreen = false;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--frames") == 0 && i + 1 < argc)
            scene.frames = atoi(argv[++i]);
        else if (strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            scene.screenshot = argv[++i];
        else if (strcmp(argv[i], "--fullscreen") == 0)
            fullscreen = true;
        else {
            fprintf(stderr, "Usage: %s [--frames N] [--screenshot FILE.png] [--fullscreen]\n", argv[0]);
            return 2;
        }
    }
    CScreen& screen = CScreen::Instance();
    screen.SetListener(scene);
    screen.SetFullscreen(fullscreen);
    screen.SetResolution(RES_640x480);
    screen.ViewInfo(true);
    screen.SetTitle("Varnix example - feedback scene");
    screen.Display();
    return 0;
}
