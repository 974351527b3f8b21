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

// True when windows can really be shown (a display is there; not the offscreen driver).
bool HasDisplay();

// Client size of a window as the system made it (the engine's notional frame taken off).
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 35;

}  // namespace platform
