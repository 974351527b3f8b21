// Running real modal dialogs in tests: drivers, a watchdog and the settings dialog of the engine.
#pragma once

#include <SDL.h>

#include <functional>

#include "dialog_hooks.h"
#include "test_templates.h"
#include "win32_internal.h"

namespace mfc_test {

constexpr int kWatchdogResult = -77;

// Installs a driver for the dialogs run during its lifetime, and a watchdog that ends a dialog
// still open after about five seconds so that a broken test fails instead of hanging.
class ScopedDriver {
public:
    explicit ScopedDriver(platform::DialogDriver driver)
    {
        DrainMessages();
        platform::SetDialogDriver(std::move(driver));
        platform::SetDialogFrameHook([this](CDialog& dialog) {
            if (++m_frames > 300)
                dialog.EndDialog(kWatchdogResult);
        });
    }
    ~ScopedDriver()
    {
        platform::SetDialogDriver(nullptr);
        platform::SetDialogFrameHook(nullptr);
        DrainMessages();
    }
    int Frames() const { return m_frames; }

    // Removes what earlier tests left in the queue (a main window's quit, say).
    static void DrainMessages()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

private:
    int m_frames = 0;
};

class SettingsDialog : public CDialog {
public:
    SettingsDialog() : CDialog(kSettingsId) {}
    int resolution = 2;
    int colors = 1;
    BOOL fullscreen = TRUE;
    BOOL info = FALSE;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Radio(dx, 8000, resolution);
        DDX_Radio(dx, 8005, colors);
        DDX_Check(dx, 8007, fullscreen);
        DDX_Check(dx, 8008, info);
    }
};

inline uint32_t SdlWindowId(const CDialog& dialog)
{
    return SDL_GetWindowID(platform::SdlWindowOf(dialog.m_hWnd));
}

inline void PushKey(const CDialog& dialog, SDL_Keycode key, SDL_Scancode scancode, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = SdlWindowId(dialog);
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.scancode = scancode;
    SDL_PushEvent(&event);
}

inline void PushKeyPress(const CDialog& dialog, SDL_Keycode key, SDL_Scancode scancode)
{
    PushKey(dialog, key, scancode, true);
    PushKey(dialog, key, scancode, false);
}

inline void PushMouseButton(const CDialog& dialog, int x, int y, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = SdlWindowId(dialog);
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    SDL_PushEvent(&event);
}

// A press and release in the middle of a control.
inline void PushClickOn(const CDialog& dialog, int id)
{
    const RECT r = dialog.ControlRect(id);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    PushMouseButton(dialog, x, y, true);
    PushMouseButton(dialog, x, y, false);
}

}  // namespace mfc_test
