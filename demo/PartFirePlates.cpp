// The name plates of part 7: six plates that slide in and fade up one after another; each
// turnaround of a plate's fade raises the step counter, which opens the next plate's window.
#include "DemoParts.h"

namespace {

struct SPlateLayout {
    SNamePlate SDemoObjects::*plate;
    int slot;           // the plate's slide, alpha and step (the msx plate reuses the code plate's)
    int first, last;    // the window of the step counter in which the plate is active
    float rate;         // slide per second
    float planeX, planeSlide, planeY;  // plane at (planeX + planeSlide x s, planeY)
    float boxX, boxSlide, boxY;
};

constexpr int kAlways = -1000;
constexpr int kCode = 0, kMeron = 1, kZud = 2, kGfx = 3, kVorna = 4;

const SPlateLayout kPlates[] = {
    {&SDemoObjects::code, kCode, kAlways, 1, 1.0f / 10, 1.15f, -1, 1.3f, -0.15f, 1, 1.3f},
    {&SDemoObjects::meron, kMeron, 1, 3, 1.0f / 20, 0.3f, -1, 0.1f, 0.3f, -1, -0.1f},
    {&SDemoObjects::zud, kZud, 2, 4, 1.0f / 20, -0.15f, 1, 0.1f, 0.075f, -1, 1.3f},
    {&SDemoObjects::msx, kCode, 3, 5, 1.0f / 10, 0.15f, -1, 0.2f, -0.075f, 1, -0.2f},
    {&SDemoObjects::gfx, kGfx, 4, 6, 1.0f / 10, 0.3f, -1, 0.8f, -0.15f, 1, 1.6f},
    {&SDemoObjects::vorna, kVorna, 5, 7, 1.0f / 10, 0.3f, -1, 0.1f, 0.3f, -1, -0.1f},
};

// Slides the plate and moves its alpha one step; true when the fade turned around this frame.
bool AdvancePlate(SPlate& plate, float rate, float dt)
{
    plate.slide += rate * dt;
    plate.alpha += plate.step;
    bool turned = false;
    if (plate.alpha > 0.4f) {
        plate.step = -plate.step;
        turned = true;
    }
    if (plate.alpha < 0)
        plate.alpha = 0;
    return turned;
}

void DrawEchoes(CBoxObject& box, float x, float y, float plateAlpha, bool capped)
{
    float e = 1;
    for (int k = 0; k < 10; ++k) {
        e -= 0.1f;
        if (e < 0)
            e = 0;
        const float a = e / 4 - 0.2f + plateAlpha;
        if (a > 0 && (!capped || a < 1)) {
            box.SetPosition(x, y, static_cast<float>(k));
            DrawWithAlpha(box, a);
        }
    }
}

void DrawPlate(SDemo& demo, const SPlateLayout& layout, bool last)
{
    SNamePlate& plate = demo.objects.*layout.plate;
    SFireValues& f = demo.scratch.fire;
    SPlate& values = f.plates[layout.slot];
    if (AdvancePlate(values, layout.rate, demo.state.dt)) {
        demo.state.subState += 1;
        if (layout.slot == kZud)
            f.plates[kCode] = SPlate{0, 0, demo.state.dt / 5};
    }
    const float s = values.slide;
    const float boxX = layout.boxX + layout.boxSlide * s;
    plate.plane.SetPosition(layout.planeX + layout.planeSlide * s, layout.planeY, 0);
    DrawWithAlpha(plate.plane, values.alpha);
    plate.box.SetPosition(boxX, layout.boxY, 0);
    DrawWithAlpha(plate.box, values.alpha);
    demo.screen.ClearZ();
    DrawEchoes(plate.box, boxX, layout.boxY, values.alpha, last);
}

}  // namespace

void DrawNamePlates(SDemo& demo)
{
    const int count = static_cast<int>(sizeof(kPlates) / sizeof(kPlates[0]));
    for (int i = 0; i < count; ++i) {
        const SPlateLayout& layout = kPlates[i];
        const int step = demo.state.subState;
        if (step >= layout.first && step <= layout.last)
            DrawPlate(demo, layout, i == count - 1);
    }
}
