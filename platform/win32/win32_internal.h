// What the other platform interfaces (the device, the dialogs, the input devices) need to know of a
// window. Not for the engine.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "windows.h"

struct SDL_Window;
union SDL_Event;

namespace platform {

// The SDL window behind a window handle, or null.
SDL_Window* SdlWindowOf(HWND hwnd);
// The window handle of an SDL window id, or null.
HWND WindowFromSdlId(uint32_t windowId);
// The device keeps the SDL window of its focus window alive while it draws into it: a window destroyed
// by its owner is hidden at once and its SDL window freed when the last holder lets go.
void RetainSdlWindow(HWND hwnd);
void ReleaseSdlWindow(HWND hwnd);
// The window's style bits as created (WS_POPUP, WS_OVERLAPPEDWINDOW, ...).
DWORD WindowStyleOf(HWND hwnd);
// Makes the window a desktop full-screen window (or a normal one again).
void SetWindowFullscreen(HWND hwnd, bool fullscreen);
// Whether the window holds the foreground (the application is active and this is its window).
bool IsForeground(HWND hwnd);

// Raw SDL events of one window, seen by the pump before they become messages (dialogs drawn with
// Dear ImGui need them). The handler runs on the pump thread.
using RawEventHandler = std::function<void(const SDL_Event&)>;
void SetRawEventHandler(HWND hwnd, RawEventHandler handler);
// Every GL context made over a window is announced here when made and when deleted, so that the GL
// driver is released in order at exit once none is left.
void NoteGlContextCreated();
void NoteGlContextDestroyed();

// Keyboard and mouse state gathered on the pump thread, read as one snapshot by any thread.
struct InputSnapshot {
    std::array<uint8_t, 256> keys{};  // DirectInput scan codes, 0x80 while held
    int64_t mouseX = 0, mouseY = 0, mouseZ = 0;  // movement summed since the start; readers keep their
                                                  // own last sums, so each sees every movement once
    std::array<uint8_t, 4> buttons{};  // 0x80 while held
};
InputSnapshot ReadInput();
// Makes sure SDL's video subsystem is up (any thread may ask; it is started once).
bool EnsureVideo();

}  // namespace platform
