// Hooks for programs and tests that drive the Win32 stand-in without a person.
#pragma once

#include <functional>
#include <string>

#include "windows.h"

namespace platform {

// Replaces the message box: the handler sees every box and answers in its place.
// An empty handler restores the default (a modal SDL box, or standard error without a display).
using MessageBoxHandler = std::function<int(HWND owner, const std::string& text,
                                            const std::string& caption, UINT type)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

// Gives the foreground to a window of this program, or takes it away from the program (null), as the
// user switching windows would: the message pump then sends WM_ACTIVATEAPP where the activation changes.
void SimulateAppFocus(HWND windowOrNull);

// Holds or releases a key (a DirectInput scan code, DIK_...) in the keyboard state the input devices
// read, as a person pressing it would, but without a window event: scripted input.
void SetKeyHeld(uint8_t directInputKey, bool held);

// Clicks a window's close box as the window system reports it: a window-close event goes into SDL's
// queue and the message pump that takes it sends the window WM_CLOSE, as for a person's click.
// Callable from any thread; a window that is gone is ignored.
void PressCloseBox(HWND window);

// True when windows can really be shown (a display is there; not the offscreen driver).
bool HasDisplay();

// A window with a caption (WS_CAPTION) is given as its outer size and gets a client area of
// width - kFrameWidth by height - kFrameHeight; a window without one takes the size as its client size.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 35;

}  // namespace platform
