// The windows and window classes of the program, shared by the window functions and the message pump.
#pragma once

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "win32_internal.h"
#include "windows.h"

struct PlatformWindow {
    std::string className;
    std::string title;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    int clientWidth = 0;
    int clientHeight = 0;
    SDL_Window* sdl = nullptr;
    uint32_t sdlId = 0;
    std::thread::id owner;       // the thread that made the window and pumps its messages
    bool destroyed = false;
    bool visible = false;
    bool fullscreen = false;
    int sdlHolders = 0;          // devices drawing into the SDL window
    LONG_PTR userData = 0;
    platform::RawEventHandler rawHandler;
};

namespace platform {

struct WindowRegistry {
    std::recursive_mutex mutex;
    std::map<std::string, WNDCLASSA> classes;  // lpszClassName points into the key
    std::vector<HWND> windows;                 // live windows, oldest first
    // The records of destroyed windows. They are kept for the program's life, past the registry's own
    // end, so that a stale handle held anywhere fails cleanly instead of pointing into freed memory.
    std::vector<HWND>* retired = new std::vector<HWND>();
    HWND foreground = nullptr;
    bool appActive = false;                    // activation last announced with WM_ACTIVATEAPP
    std::thread::id videoThread;               // the thread that started SDL's video and pumps events
};

WindowRegistry& Registry();
// The live window of a handle, or null for a destroyed or unknown one.
PlatformWindow* LiveWindow(HWND hwnd);
// Frees the SDL window once the window is destroyed and no device holds it.
void FreeSdlWindowIfUnused(PlatformWindow& window);

}  // namespace platform
