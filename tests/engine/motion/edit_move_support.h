// Driving the path editor frame by frame on the screen's virtual clock, with keys held in the
// keyboard state the screen's reader polls.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "motion/EditMove.h"
#include "platform_clock.h"
#include "screen_run.h"

namespace edit_move_test {

// One frame: the clock moves by seconds after the frame has sampled it, so a time the editor sets
// during the frame is exactly the next frame's time.
inline void EditFrame(CEditMove& editor, float seconds = 0.1f)
{
    CScreen& screen = CScreen::Instance();
    screen.BeginScene(true);
    platform::AdvanceVirtualClock(seconds);
    editor.Edit();
    screen.EndScene(true);
}

// The keys held for one frame, then released for one.
inline void Press(CEditMove& editor, std::initializer_list<uint8_t> keys)
{
    HoldOnlyKeys(keys);
    EditFrame(editor);
    HoldOnlyKeys({});
    EditFrame(editor);
}

// A display run on the virtual clock; the body gets the screen once a first frame has opened.
inline void RunEditor(const std::function<void()>& body, ScreenSettings settings = {})
{
    RunScreen(settings, [&] {
        platform::UseVirtualClock(0.0);
        platform::AdvanceVirtualClock(1.0);
        HoldOnlyKeys({});
        CScreen::Instance().BeginScene(true);
        CScreen::Instance().EndScene(true);
        body();
        HoldOnlyKeys({});
        platform::UseSystemClock();
    });
}

struct SPoint {
    D3DXVECTOR3 position, direction, up;
    float speed, zoom;
};

inline SPoint PointOf(CMove& path, int index)
{
    SPoint p{};
    path.GetPoint(p.position.x, p.position.y, p.position.z, p.direction.x, p.direction.y, p.direction.z, p.speed,
                  p.up.x, p.up.y, p.up.z, p.zoom, static_cast<unsigned int>(index));
    return p;
}

inline void AddPoint(CMove& path, const D3DXVECTOR3& position, const D3DXVECTOR3& direction,
                     float speed = 10.0f, float zoom = 0.785398f)
{
    path.AddPoint(position.x, position.y, position.z, direction.x, direction.y, direction.z, speed, 0.0f, 1.0f,
                  0.0f, zoom);
}

inline std::string Line(int index) { return CScreen::Instance().GetMessageLine(index).str(); }

}  // namespace edit_move_test
