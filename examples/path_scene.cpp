// Motion paths on the engine: a sky box around the viewer, a lit torus, and a .x mesh flying along a
// Hermite path while the camera follows a second path.
//
//   path_scene [--frames N] [--screenshot FILE.png]
//
// The pictures of the sky and the .x model are written into a folder of its own at start, so the
// program needs no data files.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "example_capture.h"
#include "meshes/XMeshObject.h"
#include "motion/Move.h"
#include "objects/Light.h"
#include "objects/SkyBoxObject.h"
#include "objects/TorusObject.h"

namespace {

// A sky face: a vertical gradient from horizon to zenith with a few stars.
void WriteSkyPicture(const std::string& path, DWORD low, DWORD high, bool stars)
{
    const int size = 64;
    std::vector<DWORD> pixels(size * size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float t = static_cast<float>(y) / (size - 1);
            auto mix = [&](int shift) {
                return static_cast<DWORD>(((high >> shift) & 0xFF) * (1 - t) + ((low >> shift) & 0xFF) * t);
            };
            DWORD c = 0xFF000000 | (mix(16) << 16) | (mix(8) << 8) | mix(0);
            if (stars && ((x * 7919 + y * 104729) % 97) == 0)
                c = 0xFFFFFFF0;
            pixels[y * size + x] = c;
        }
    example::SavePng(path.c_str(), pixels, size, size);
}

// A small spaceship-like wedge as a .x text file, with one coloured material.
void WriteShipModel(const std::string& path)
{
    FILE* file = fopen(path.c_str(), "w");
    if (!file)
        return;
    fputs("xof 0303txt 0032\n"
          "Mesh ship {\n 5;\n 0.0;0.0;1.2;, -0.6;0.0;-0.6;, 0.6;0.0;-0.6;, 0.0;0.35;-0.4;, 0.0;-0.2;-0.5;;\n"
          " 6;\n 3;0,3,1;, 3;0,2,3;, 3;1,3,2;, 3;0,1,4;, 3;0,4,2;, 3;1,2,4;;\n"
          " MeshMaterialList { 1; 6; 0,0,0,0,0,0;\n"
          "  Material { 0.2;0.8;1.0;1.0;; 20.0; 1.0;1.0;1.0;; 0.0;0.0;0.0;; }\n }\n}\n",
          file);
    fclose(file);
}

void AddKey(CMove& path, float x, float y, float z, float dx, float dy, float dz, float speed)
{
    path.AddPoint(x, y, z, dx, dy, dz, speed, 0.0f, 1.0f, 0.0f, 0.7853982f);
}

class CPathScene : public CScreenListener {
public:
    int frames = -1;
    std::string screenshot;
    std::string folder;

    void Run() override
    {
        CScreen& screen = CScreen::Instance();
        CSkyBoxObject sky;
        const std::string dir = folder + "\\";
        sky.SetTopPicture((dir + "sky_top.png").c_str());
        sky.SetBottomPicture((dir + "sky_bottom.png").c_str());
        sky.SetLeftPicture((dir + "sky_side.png").c_str());
        sky.SetRightPicture((dir + "sky_side.png").c_str());
        sky.SetFrontPicture((dir + "sky_side.png").c_str());
        sky.SetBackPicture((dir + "sky_side.png").c_str());
        sky.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
        sky.Init();
        sky.SetSize(60.0f);
        sky.SetLighting(false);

        CTorusObject torus;
        torus.SetRadius(0.35f, 1.4f);
        torus.SetSideNumber(24);
        torus.SetRingNumber(48);
        torus.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
        torus.Init();
        torus.SetColor({1.0f, 0.45f, 0.15f, 1.0f}, 0);
        torus.SetLighting(true);

        CXMeshObject ship;
        ship.SetFilename((dir + "ship.x").c_str());
        ship.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
        ship.Init();
        ship.SetColor({0.3f, 0.85f, 1.0f, 1.0f}, 0);
        ship.SetLighting(true);

        CLight sun;
        sun.SetRotation(0.3f, -0.8f, 0.5f);
        sun.Init();
        screen.SetAmbientColor({0.35f, 0.35f, 0.4f, 1.0f});

        // The ship loops around the torus on a Hermite curve; the camera drifts on a slower one.
        CMove flight, camera;
        flight.SetMode(CMove::MOVE_HSPLINE);
        flight.SetLoop(true);
        AddKey(flight, 3, 0.5f, 0, 0, 0, 1, 2.5f);
        AddKey(flight, 0, 1.0f, 3, -1, 0, 0, 2.5f);
        AddKey(flight, -3, 0.5f, 0, 0, 0, -1, 2.5f);
        AddKey(flight, 0, 0.0f, -3, 1, 0, 0, 2.5f);
        AddKey(flight, 3, 0.5f, 0, 0, 0, 1, 2.5f);
        camera.SetMode(CMove::MOVE_HSPLINE);
        camera.SetLoop(true);
        AddKey(camera, 0, 2.5f, -8, 0, -0.3f, 1, 0.8f);
        AddKey(camera, 5, 3.0f, -5, -0.7f, -0.4f, 0.7f, 0.8f);
        AddKey(camera, 0, 2.5f, -8, 0, -0.3f, 1, 0.8f);
        flight.Play();
        camera.Play();

        for (int frame = 0; frames < 0 || frame < frames; ++frame) {
            const float t = screen.GetTickCount();
            screen.SetCamera(camera);
            ship.SetDirection(flight);
            torus.SetRotation(t * 0.4f, 1.2f, 0.0f);
            screen.BeginScene(true);
            sky.Render();
            screen.ClearZ();
            torus.Render();
            ship.Render();
            screen.EndScene(true);
            if (frame + 1 == frames && !screenshot.empty() && !example::SaveFrontBuffer(screenshot.c_str()))
                fprintf(stderr, "cannot write %s\n", screenshot.c_str());
        }
        sun.CleanUp();
        ship.CleanUp();
        torus.CleanUp();
        sky.CleanUp();
    }
};

}  // namespace

int main(int argc, char** argv)
{
    CPathScene scene;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--frames") == 0 && i + 1 < argc)
            scene.frames = atoi(argv[++i]);
        else if (strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            scene.screenshot = argv[++i];
        else {
            fprintf(stderr, "Usage: %s [--frames N] [--screenshot FILE.png]\n", argv[0]);
            return 2;
        }
    }
    char pattern[] = "/tmp/varnix_path_scene_XXXXXX";
    if (!mkdtemp(pattern)) {
        perror("mkdtemp");
        return 1;
    }
    scene.folder = pattern;
    WriteSkyPicture(scene.folder + "/sky_top.png", 0xFF203070, 0xFF081030, true);
    WriteSkyPicture(scene.folder + "/sky_bottom.png", 0xFF302010, 0xFF201008, false);
    WriteSkyPicture(scene.folder + "/sky_side.png", 0xFFE08050, 0xFF102060, true);
    WriteShipModel(scene.folder + "/ship.x");

    CScreen& screen = CScreen::Instance();
    screen.SetListener(scene);
    screen.SetResolution(RES_640x480);
    screen.ViewInfo(true);
    screen.SetTitle("Varnix example - paths");
    screen.Display();
    const std::string cleanup = "rm -rf '" + scene.folder + "'";
    return system(cleanup.c_str()) == 0 ? 0 : 1;
}
