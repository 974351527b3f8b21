// A window with one lit, turning box: the smallest program built on an installed Varnix.
//   lit_box [FRAMES]   draws FRAMES frames, or until Escape or the close box without a count
#include <cstdlib>

#include "objects/BoxObject.h"
#include "objects/Light.h"
#include "screen/Screen.h"

struct CLitBox : CScreenListener {
    int frames = -1;
    void Run() override
    {
        CScreen& screen = CScreen::Instance();
        CBoxObject box;
        box.SetProjectionMode(CBaseObject::PM_PERSPECTIVE);
        box.Init();
        box.SetSize(2.0f, 2.0f, 2.0f);
        box.SetColor({1.0f, 0.5f, 0.2f, 1.0f}, 0);
        CLight light;
        light.SetRotation(0.4f, -0.6f, 0.7f);
        light.Init();
        screen.SetCamera(0, 0, -6, 0, 0, 1);
        for (int frame = 0; frames < 0 || frame < frames; ++frame) {
            box.SetRotation(screen.GetTickCount(), 0.5f, 0.0f);
            screen.BeginScene();
            box.Render();
            screen.EndScene();
        }
        light.CleanUp();
        box.CleanUp();
    }
};

int main(int argc, char** argv)
{
    CLitBox scene;
    scene.frames = argc > 1 ? atoi(argv[1]) : -1;
    CScreen::Instance().SetListener(scene);
    CScreen::Instance().SetFullscreen(false);
    CScreen::Instance().Display();
    return 0;
}
