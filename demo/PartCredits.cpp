// Part 15: the credits roll up the screen and start again, over a field of 500 tumbling boxes that
// fly towards the viewer, with the title cube pulsing on the beat and leaving a growing ghost. The
// message line shows the keys held; the hidden part's combination asks for the hidden part.
#include <cmath>
#include <cstdio>

#include "DemoKeys.h"
#include "DemoParts.h"

namespace {

struct SCreditLine {
    float offset;
    const char* text;
};

// The greeting of the roll is 16 characters and names one other group.
const SCreditLine kCredits[] = {
    {0.0f, "the zenth ...                   "},
    {0.1f, "                ... by T a l v i k "},
    {0.5f, "for the omvex#3"},
    {1.0f, "code .................. mEron zUd"},
    {1.1f, "music ....................... zUd"},
    {1.2f, "3Dgfx ................... voRna "},
    {1.4f, "watching ................ you"},
    {1.6f, "press SPACE to play"},
    {1.8f, "press ESC to quit"},
    {2.8f, "nothing more to say !"},
    {3.0f, "some greetings ..."},
    {3.1f, "hi to Moonhaven!"},
    {3.3f, "try to find the hidden-part"},
    {3.4f, "..."},
    {3.5f, ""},
    {3.7f, "o_O"},
    {4.0f, "scroll restart"},
};

void ShowKeys(SDemo& demo)
{
    char line[64];
    std::snprintf(line, sizeof line, "Magic Number: %i ", static_cast<int>(demo.state.keyState));
    demo.tables.messageText = line;
    demo.screen.DisplayMessage(CString(line), 2);
    if (demo.state.keyState == demo_keys::kHiddenPartCombination)
        demo.state.hiddenRequested = true;
}

void RestCube(SCreditsValues& c)
{
    c.cubeSize = 2;
    c.ghostSize = 0.000002f;
    c.cubeAlpha = 0.6f;
}

void Pulse(SDemo& demo)
{
    SCreditsValues& c = demo.scratch.credits;
    const float dt = demo.state.dt;
    if (!demo.state.beatFlag) {
        RestCube(c);
        return;
    }
    c.cubeSize += dt;
    c.ghostSize += 2 * dt;
    FadeDown(c.cubeAlpha, 1, 0.01f, dt);
    if (c.cubeSize > 3) {
        demo.state.beatFlag = false;
        RestCube(c);
        c.ghostSize = 0.00002f;
    }
}

void DrawTitleCube(SDemo& demo)
{
    const SCreditsValues& c = demo.scratch.credits;
    const float now = demo.state.now;
    CBoxObject& cube = demo.objects.titleCube;
    cube.SetRotation(now, 2 * now, demo.tables.frozenZ);
    cube.SetSize(c.cubeSize, c.cubeSize, c.cubeSize);
    DrawWithAlpha(cube, c.cubeAlpha);
    const float ghostAlpha = 0.6f - c.cubeAlpha;
    if (ghostAlpha > 0) {
        cube.SetSize(c.ghostSize, c.ghostSize, c.ghostSize);
        DrawWithAlpha(cube, ghostAlpha);
    }
}

void WrapStar(SStar& s)
{
    if (s.x < -250) s.x = 250;
    else if (s.x > 250) s.x = -250;
    if (s.y < -250) s.y = 250;
    else if (s.y > 250) s.y = -250;
    if (s.z < 1) s.z = 500;
    else if (s.z > 500) s.z = 1;
}

void DrawStars(SDemo& demo)
{
    const float now = demo.state.now;
    CBoxObject& box = demo.objects.pixelBox;
    for (SStar& s : demo.tables.stars) {
        s.x += std::sin(now);
        s.y += std::cos(now);
        s.z -= 0.5f;
        WrapStar(s);
        box.SetPosition(s.x / 20, s.y / 25, s.z / 5);
        box.SetRotation(s.angle, s.angle, now);
        box.SetWireframe(s.wire);
        DrawWithAlpha(box, demo.scratch.credits.starAlpha);
    }
}

void DrawCredits(SDemo& demo)
{
    ReadPath(demo.objects.creditsPath, demo.scratch);
    const SScratch& x = demo.scratch;
    CBmpFonts& font = demo.objects.fontText;
    for (const SCreditLine& line : kCredits) {
        font.SetText(CString(line.text));
        font.SetPosition(x.px, x.py - line.offset, x.pz);
        if (x.py < -0.5f)
            font.StartEffect();
        font.Render();
    }
}

}  // namespace

void SetUpCredits(SDemo& demo)
{
    demo.objects.creditsPath.Reset();
    demo.objects.fontText.SetZoomFactor(1, 1);
    demo.screen.SetBlurMode(false);
    demo.screen.RenderOnTexture(false);
    SCreditsValues& c = demo.scratch.credits;
    RestCube(c);
    demo.state.beatFlag = true;
    c.starAlpha = 0;
    c.bannerAlpha = 1;
    demo.state.flashAlpha = 1;
}

void DrawCreditsPart(SDemo& demo)
{
    SDriverState& s = demo.state;
    SCreditsValues& c = demo.scratch.credits;
    demo.screen.SetCamera(0, 0, -6, 0, 0, 1);
    ShowKeys(demo);
    if (s.now > s.partStart + 2)
        FadeUp(c.starAlpha, 1.0f / 10, 0.8f, s.dt);
    Pulse(demo);
    DrawTitleCube(demo);
    DrawStars(demo);
    FadeDown(c.bannerAlpha, 1.0f / 2, 0, s.dt);
    DrawWithAlpha(demo.objects.presentsPlane, c.bannerAlpha);
    demo.objects.dustPlane.Render();
    DrawCredits(demo);
}
