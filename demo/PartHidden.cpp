// The hidden part (99): reached by holding one key combination, it switches to the second music,
// stops listening to the first one's syncs and becomes a toy. F1 to F4 fire fading box and torus
// effects over a plasma background, F5 to F8 choose how the title waves, Space flashes a picture, a
// white pixel bounces in the middle and the long message scrolls along the bottom until Escape.
#include <cmath>

#include "DemoKeys.h"
#include "DemoParts.h"

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr float kEffectStart = 0.8f;

void SwitchMusic(SDemo& demo)
{
    demo.objects.music.Stop();
    demo.objects.music.CleanUp();
    demo.state.musicOn = false;
    CBassPlayer& hidden = demo.objects.hiddenMusic;
    hidden.Init(nullptr);
    hidden.Load("Data\\chipmod.XM");
    hidden.SetLoop(1);
    hidden.Play();
}

void DrawPlasma(SDemo& demo)
{
    SScratch& x = demo.scratch;
    const float dt = demo.state.dt;
    Spin(x.spin1, dt / 5);
    FadeUp(x.banner.plasma1Alpha, 1.0f / 10, 0.4f, dt);
    FadeUp(x.banner.plasma2Alpha, 1.0f / 30, 0.15f, dt);
    const float a = x.spin1, b = x.spin2;
    CPlaneObject& plasma1 = demo.objects.plasmaPlane1;
    plasma1.SetEffectAmplitude(0.05f * std::sin(b));
    plasma1.SetEffectSpeed(1.8f * std::sin(b) * std::cos(a / 2) + 0.1f);
    plasma1.Effect(2);
    plasma1.SetRotation(0, 0, std::cos(a));
    DrawWithAlpha(plasma1, x.banner.plasma1Alpha);
    Spin(x.spin2, dt / 10);
    CPlaneObject& plasma2 = demo.objects.plasmaPlane2;
    plasma2.Effect(3);
    plasma2.SetEffectAmplitude(0.05f * std::cos(a));
    plasma2.SetEffectSpeed(0.5f * std::sin(x.spin2) + 0.2f * std::cos(a));
    plasma2.SetRotation(0, 0, std::sin(x.spin2));
    DrawWithAlpha(plasma2, x.banner.plasma2Alpha);
}

void ChooseTitleEffect(SDemo& demo)
{
    const uint32_t keys = demo.state.keyState;
    for (int k = 0; k < 4; ++k)
        if (keys == demo_keys::kF1 << (4 + k))
            demo.scratch.hidden.titleEffect = k + 1;
}

void DrawWavingTitle(SDemo& demo)
{
    const SScratch& x = demo.scratch;
    CPlaneObject& title = demo.objects.titlePlane;
    title.Effect(x.hidden.titleEffect);
    title.SetEffectAmplitude(0.05f * std::cos(x.spin1));
    title.SetEffectSpeed(0.5f * std::sin(x.spin2) + 0.2f * std::cos(x.spin1));
    title.SetSize(1, 0.25f);
    DrawWithAlpha(title, 2 * x.banner.plasma1Alpha);
}

void DrawFlashPicture(SDemo& demo)
{
    SHiddenValues& h = demo.scratch.hidden;
    if (demo.state.beatFlag) {
        h.savoirAlpha = 1;
        demo.state.beatFlag = false;
    }
    FadeDown(h.savoirAlpha, 1, 0, demo.state.dt);
    DrawWithAlpha(demo.objects.savoirPlane, h.savoirAlpha);
    demo.screen.ClearZ();
}

// A function key alone restarts its effect; every effect then fades by its own rate towards 0.
void FireEffect(SDemo& demo, uint32_t key, float& level, float ratePerSecond)
{
    if (demo.state.keyState == key)
        level = kEffectStart;
    FadeDown(level, ratePerSecond, 0, demo.state.dt);
}

struct STurn {
    float t1, t2, t3;
};

void DrawGrid(SDemo& demo, STurn& turn)
{
    const float level = demo.scratch.hidden.gridLevel;
    if (level <= 0)
        return;
    CBoxObject& box = demo.objects.verticleBox;
    for (int i = -4; i <= 4; ++i)
        for (int j = -3; j <= 3; ++j) {
            turn.t1 -= 0.2f;
            turn.t2 -= 0.1f;
            turn.t3 -= 0.3f;
            box.SetRotation(turn.t1, turn.t2, turn.t3);
            box.SetPosition(5.0f * i + 15, 5.0f * j, 10 - std::sin(turn.t1));
            box.SetSize(3, 3, 3);
            DrawWithAlpha(box, level);
        }
}

void DrawTrail(SDemo& demo, STurn& turn)
{
    const float level = demo.scratch.hidden.trailLevel;
    if (level <= 0)
        return;
    const float now = demo.state.now;
    CBoxObject& box = demo.objects.verticleBox;
    for (int k = 0; k <= 9; ++k) {
        turn.t1 -= 0.1f;
        turn.t2 -= 0.1f;
        turn.t3 -= 0.1f;
        box.SetRotation(turn.t1, turn.t2, turn.t3);
        box.SetPosition(2 * std::sin(now) + 5, 2 * std::cos(now / 2), 10 - std::sin(now) + std::cos(now / 2));
        const float size = static_cast<float>(k + 4);
        box.SetSize(size, size, size);
        // The first box only sets the trail going; k / 10 in whole numbers takes nothing off the rest.
        if (k >= 1)
            DrawWithAlpha(box, level - static_cast<float>(k / 10));
    }
}

void DrawSystem(SDemo& demo, const STurn& turn)
{
    const float level = demo.scratch.hidden.systemLevel;
    if (level <= 0)
        return;
    demo.objects.skyBox.SetAlpha(level, 0);
    float offset = 0;
    DrawCubeSystem(demo, {turn.t1, turn.t2, turn.t3}, offset, ECubeOffset::OwnBox, false);
}

void DrawTorusTwice(CTorusObject& torus, float alpha)
{
    torus.SetWireframe(false);
    DrawWithAlpha(torus, alpha);
    torus.SetWireframe(true);
    torus.Render();
}

void DrawTori(SDemo& demo)
{
    const float level = demo.scratch.hidden.toriLevel;
    if (level <= 0)
        return;
    const float now = demo.state.now, s = std::sin(now), c = std::cos(now);
    CTorusObject& red = demo.objects.redTorus;
    red.SetRotation(-1.57f, 0, now);
    red.SetPosition(2 * s, 0, 0);
    red.SetRadius(0.8f, 4 + c);
    DrawTorusTwice(red, level);
    CTorusObject& blue = demo.objects.blueTorus;
    blue.SetRotation(-1.57f, 0, -now);
    blue.SetPosition(-2 * s, 0, 0);
    blue.SetRadius(0.8f, 4 - c);
    DrawTorusTwice(blue, level);
}

// The pixel's step per frame was fixed when the part started, so it bounces faster at lower rates.
void DrawJumpingPixel(SDemo& demo)
{
    SHiddenValues& h = demo.scratch.hidden;
    h.pixelHeight += h.pixelStep;
    if (h.pixelHeight > 2) {
        h.pixelHeight = 2;
        h.pixelStep = -h.pixelStep;
    } else if (h.pixelHeight < -0.5f) {
        h.pixelHeight = -0.5f;
        h.pixelStep = -h.pixelStep;
    }
    CBoxObject& pixel = demo.objects.pixelBox;
    pixel.SetPosition(0, h.pixelHeight, 0);
    pixel.SetSize(0.05f, 0.05f, 0.05f);
    pixel.Render();
}

// Every letter of the message is drawn each frame, on screen or not.
void DrawMessage(SDemo& demo)
{
    SHiddenValues& h = demo.scratch.hidden;
    h.hiddenScroll -= 4 * demo.state.dt;
    CBmpFonts& font = demo.objects.fontText;
    const std::string& text = demo.tables.hiddenText;
    font.SetZoomFactor(1, 1);
    for (int k = 0; k < static_cast<int>(text.size()); ++k) {
        const char letter[2] = {text[k], '\0'};
        font.SetText(CString(letter));
        font.SetPosition((k + h.hiddenScroll) / 20 + 1, -0.45f, 0);
        font.Render();
    }
}

}  // namespace

// Runs on each frame whose sync value is 99, which is the frame after the combination was seen. The
// request is answered here, so holding the combination on asks again on the next frame and the
// second music starts over every second frame until the keys are let go.
void StartHiddenPart(SDemo& demo)
{
    SwitchMusic(demo);
    CScreen& screen = demo.screen;
    screen.RenderOnTexture(false);
    screen.SetBlurMode(false);
    screen.EnableFog(false);
    screen.SetAmbientLight(1);
    demo.objects.pixelBox.SetRotation(0, 0, 0);
    demo.objects.pixelBox.SetWireframe(false);
    SDriverState& s = demo.state;
    s.hiddenRequested = false;
    s.keyState = 0;
    s.beatFlag = false;
    SHiddenValues& h = demo.scratch.hidden;
    h.titleEffect = 0;
    h.hiddenScroll = 0;
    h.pixelStep = 15 * s.dt;
    h.pixelHeight = 0;
}

void DrawHiddenPart(SDemo& demo)
{
    SDriverState& s = demo.state;
    demo.screen.SetCamera(-10, 0, -13, 0.6f, 0, 0.8f);
    demo.tables.messageText = "The Zenth by Talvik.";
    demo.screen.DisplayMessage(CString(demo.tables.messageText.c_str()), 1);
    s.syncValue = 0;
    s.syncFrozen = true;
    DrawPlasma(demo);
    ChooseTitleEffect(demo);
    DrawWavingTitle(demo);
    DrawFlashPicture(demo);
    STurn turn{s.now, s.now / 2, 2 * s.now};
    SHiddenValues& h = demo.scratch.hidden;
    FireEffect(demo, demo_keys::kF1, h.gridLevel, 1.0f / 2);
    DrawGrid(demo, turn);
    FireEffect(demo, demo_keys::kF1 << 1, h.trailLevel, 1.0f / 2);
    DrawTrail(demo, turn);
    FireEffect(demo, demo_keys::kF1 << 2, h.systemLevel, 1.0f / 2);
    DrawSystem(demo, turn);
    FireEffect(demo, demo_keys::kF1 << 3, h.toriLevel, 1.0f / 3);
    DrawTori(demo);
    DrawJumpingPixel(demo);
    DrawMessage(demo);
}
