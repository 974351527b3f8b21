// Window classes and windows over SDL windows.
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <map>
#include <mutex>

#include "platform_hooks.h"
#include "window_registry.h"

namespace platform {

WindowRegistry& Registry()
{
    static WindowRegistry registry;
    return registry;
}

PlatformWindow* LiveWindow(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    auto& list = registry.windows;
    return std::find(list.begin(), list.end(), hwnd) != list.end() ? hwnd : nullptr;
}

void FreeSdlWindowIfUnused(PlatformWindow& window)
{
    if (window.destroyed && window.sdlHolders == 0 && window.sdl) {
        SDL_DestroyWindow(window.sdl);
        window.sdl = nullptr;
    }
}

bool EnsureVideo()
{
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] {
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
        ready = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        Registry().videoThread = std::this_thread::get_id();
        // SDL unloads the GL driver with the last GL window. Windows come and go during a run (the
        // launcher, then the screen, or one screen after another), so the driver stays loaded until
        // the program exits (see ReleaseGlDriverAtExit).
        if (ready && SDL_GL_LoadLibrary(nullptr) != 0)
            fprintf(stderr, "Video: %s\n", SDL_GetError());
        if (!ready)
            fprintf(stderr, "Video: %s\n", SDL_GetError());
    });
    return ready;
}

namespace {

std::atomic<int> g_liveGlContexts{0};

// At exit, with no GL context left, the driver is let go while the program is still whole: SDL
// terminates the display, and the driver stops its worker threads and frees its state before any
// static destructor runs, instead of in exit handlers of its own that run among (and after) the
// destructors of the libraries it stands on. A program that exits with a context still alive leaves
// the driver as it is.
void ReleaseGlDriverAtExit()
{
    if (g_liveGlContexts.load() == 0 && SDL_WasInit(SDL_INIT_VIDEO))
        SDL_GL_UnloadLibrary();
}

}  // namespace

// Registered once the driver has loaded and made a context, so that it runs before the driver's own
// exit handlers, which were registered while it loaded.
void NoteGlContextCreated()
{
    ++g_liveGlContexts;
    static std::once_flag once;
    std::call_once(once, [] { std::atexit(ReleaseGlDriverAtExit); });
}

void NoteGlContextDestroyed() { --g_liveGlContexts; }

SDL_Window* SdlWindowOf(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    return LiveWindow(hwnd) ? hwnd->sdl : nullptr;
}

HWND WindowFromSdlId(uint32_t windowId)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    for (HWND window : registry.windows)
        if (window->sdlId == windowId)
            return window;
    return nullptr;
}

void RetainSdlWindow(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (hwnd && hwnd->sdl)
        ++hwnd->sdlHolders;
}

void ReleaseSdlWindow(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (hwnd && hwnd->sdlHolders > 0) {
        --hwnd->sdlHolders;
        FreeSdlWindowIfUnused(*hwnd);
    }
}

DWORD WindowStyleOf(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    return LiveWindow(hwnd) ? hwnd->style : 0;
}

void SetWindowFullscreen(HWND hwnd, bool fullscreen)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!LiveWindow(hwnd) || !hwnd->sdl)
        return;
    hwnd->fullscreen = fullscreen;
    SDL_SetWindowFullscreen(hwnd->sdl, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

bool IsForeground(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    return hwnd && registry.foreground == hwnd;
}

void SetRawEventHandler(HWND hwnd, RawEventHandler handler)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (LiveWindow(hwnd))
        hwnd->rawHandler = std::move(handler);
}

void SimulateAppFocus(HWND windowOrNull)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    registry.foreground = LiveWindow(windowOrNull);
}

bool HasDisplay()
{
    const char* driver = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetCurrentVideoDriver() : getenv("SDL_VIDEODRIVER");
    if (driver && (strcmp(driver, "offscreen") == 0 || strcmp(driver, "dummy") == 0))
        return false;
    return getenv("DISPLAY") != nullptr || getenv("WAYLAND_DISPLAY") != nullptr;
}

}  // namespace platform

using namespace platform;

struct PlatformModule {
};

namespace {

PlatformWindow g_desktop;
PlatformModule g_mainModule;

void ForgetWindow(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    auto& list = registry.windows;
    list.erase(std::remove(list.begin(), list.end(), hwnd), list.end());
    if (registry.foreground == hwnd)
        registry.foreground = nullptr;
}

bool RegisterWindowClass(const WNDCLASSA& wc)
{
    if (!wc.lpszClassName || !wc.lpfnWndProc)
        return false;
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    auto inserted = registry.classes.emplace(wc.lpszClassName, wc);
    if (!inserted.second)
        return false;
    inserted.first->second.lpszClassName = inserted.first->first.c_str();
    return true;
}

}  // namespace

WORD RegisterClassA(const WNDCLASSA* wc)
{
    static WORD atom = 0xC000;
    return wc && RegisterWindowClass(*wc) ? atom++ : 0;
}

WORD RegisterClassExA(const WNDCLASSEXA* wc)
{
    if (!wc)
        return 0;
    WNDCLASSA plain{wc->style, wc->lpfnWndProc, wc->cbClsExtra, wc->cbWndExtra, wc->hInstance,
                    wc->hIcon, wc->hCursor, wc->hbrBackground, wc->lpszMenuName, wc->lpszClassName};
    return RegisterClassA(&plain);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE)
{
    if (!className)
        return FALSE;
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    for (HWND window : registry.windows)
        if (window->className == className)
            return FALSE;  // a class still in use stays
    return registry.classes.erase(className) ? TRUE : FALSE;
}

HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU, HINSTANCE, LPVOID param)
{
    WNDCLASSA wc;
    {
        auto& registry = Registry();
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        auto found = className ? registry.classes.find(className) : registry.classes.end();
        if (found == registry.classes.end()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        wc = found->second;
    }
    if (!EnsureVideo())
        return nullptr;
    const bool framed = (style & WS_CAPTION) == WS_CAPTION;
    auto* window = new PlatformWindow();
    window->className = className;
    window->title = windowName ? windowName : "";
    window->proc = wc.lpfnWndProc;
    window->style = style;
    window->exStyle = exStyle;
    window->parent = parent == &g_desktop ? nullptr : parent;
    window->clientWidth = std::max(1, framed ? width - kFrameWidth : width);
    window->clientHeight = std::max(1, framed ? height - kFrameHeight : height);
    window->owner = std::this_thread::get_id();
    const int px = x == CW_USEDEFAULT ? SDL_WINDOWPOS_UNDEFINED : x;
    const int py = y == CW_USEDEFAULT ? SDL_WINDOWPOS_UNDEFINED : y;
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (!framed)
        flags |= SDL_WINDOW_BORDERLESS;
    window->sdl = SDL_CreateWindow(window->title.c_str(), px, py, window->clientWidth, window->clientHeight, flags);
    if (!window->sdl) {
        fprintf(stderr, "CreateWindow: %s\n", SDL_GetError());
        delete window;
        return nullptr;
    }
    window->sdlId = SDL_GetWindowID(window->sdl);
    {
        auto& registry = Registry();
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        registry.windows.push_back(window);
    }
    SendMessageA(window, WM_CREATE, 0, reinterpret_cast<LPARAM>(param));
    if (style & WS_VISIBLE)
        ShowWindow(window, SW_SHOW);
    return window;
}

BOOL ShowWindow(HWND hwnd, int cmdShow)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!LiveWindow(hwnd) || !hwnd->sdl)
        return FALSE;
    const BOOL wasVisible = hwnd->visible ? TRUE : FALSE;
    if (cmdShow == SW_HIDE) {
        SDL_HideWindow(hwnd->sdl);
        hwnd->visible = false;
        if (registry.foreground == hwnd)
            registry.foreground = nullptr;
        return wasVisible;
    }
    SDL_ShowWindow(hwnd->sdl);
    hwnd->visible = true;
    if (cmdShow != SW_SHOWNOACTIVATE) {
        SDL_RaiseWindow(hwnd->sdl);
        registry.foreground = hwnd;  // showing a window activates it, as on Windows
    }
    return wasVisible;
}

BOOL UpdateWindow(HWND hwnd)
{
    if (!LiveWindow(hwnd))
        return FALSE;
    SendMessageA(hwnd, WM_PAINT, 0, 0);
    return TRUE;
}

BOOL DestroyWindow(HWND hwnd)
{
    if (!LiveWindow(hwnd))
        return FALSE;
    SendMessageA(hwnd, WM_DESTROY, 0, 0);
    SendMessageA(hwnd, WM_NCDESTROY, 0, 0);
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    ForgetWindow(hwnd);
    registry.retired->push_back(hwnd);
    hwnd->destroyed = true;
    hwnd->visible = false;
    if (hwnd->sdl) {
        SDL_HideWindow(hwnd->sdl);
        FreeSdlWindowIfUnused(*hwnd);
    }
    // The record itself stays allocated (in the retired list): other threads may still hold the handle,
    // and every call on a destroyed handle must fail cleanly rather than touch freed memory.
    return TRUE;
}

BOOL IsWindow(HWND hwnd) { return LiveWindow(hwnd) ? TRUE : FALSE; }

BOOL IsWindowVisible(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    return LiveWindow(hwnd) && hwnd->visible ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    return LiveWindow(hwnd) && hwnd->sdl && (SDL_GetWindowFlags(hwnd->sdl) & SDL_WINDOW_MINIMIZED) ? TRUE : FALSE;
}

BOOL SetWindowTextA(HWND hwnd, LPCSTR text)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!LiveWindow(hwnd))
        return FALSE;
    hwnd->title = text ? text : "";
    if (hwnd->sdl)
        SDL_SetWindowTitle(hwnd->sdl, hwnd->title.c_str());
    return TRUE;
}

int GetWindowTextA(HWND hwnd, LPSTR text, int maxCount)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!LiveWindow(hwnd) || !text || maxCount <= 0)
        return 0;
    const int length = std::min<int>(static_cast<int>(hwnd->title.size()), maxCount - 1);
    memcpy(text, hwnd->title.data(), length);
    text[length] = '\0';
    return length;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!rect)
        return FALSE;
    if (hwnd == &g_desktop) {
        *rect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        return TRUE;
    }
    if (!LiveWindow(hwnd))
        return FALSE;
    // Full screen, the window shows the picture scaled over the whole display, yet keeps the client
    // size it was made with: on Windows the display mode itself takes that size.
    *rect = {0, 0, hwnd->clientWidth, hwnd->clientHeight};
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    RECT client;
    if (!rect || !GetClientRect(hwnd, &client))
        return FALSE;
    int x = 0, y = 0;
    const bool framed = hwnd != &g_desktop && (hwnd->style & WS_CAPTION) == WS_CAPTION && !hwnd->fullscreen;
    if (hwnd != &g_desktop && hwnd->sdl)
        SDL_GetWindowPosition(hwnd->sdl, &x, &y);
    *rect = {x, y, x + client.right + (framed ? kFrameWidth : 0), y + client.bottom + (framed ? kFrameHeight : 0)};
    return TRUE;
}

BOOL SetWindowPos(HWND hwnd, HWND, int x, int y, int cx, int cy, UINT flags)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!LiveWindow(hwnd) || !hwnd->sdl)
        return FALSE;
    constexpr UINT kNoSize = 0x0001, kNoMove = 0x0002;
    const bool framed = (hwnd->style & WS_CAPTION) == WS_CAPTION;
    if (!(flags & kNoMove))
        SDL_SetWindowPosition(hwnd->sdl, x, y);
    if (!(flags & kNoSize)) {
        hwnd->clientWidth = std::max(1, framed ? cx - kFrameWidth : cx);
        hwnd->clientHeight = std::max(1, framed ? cy - kFrameHeight : cy);
        SDL_SetWindowSize(hwnd->sdl, hwnd->clientWidth, hwnd->clientHeight);
    }
    return TRUE;
}

LONG_PTR SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!LiveWindow(hwnd))
        return 0;
    LONG_PTR previous = 0;
    if (index == GWLP_USERDATA) {
        previous = hwnd->userData;
        hwnd->userData = value;
    } else if (index == GWLP_WNDPROC) {
        previous = reinterpret_cast<LONG_PTR>(hwnd->proc);
        hwnd->proc = reinterpret_cast<WNDPROC>(value);
    }
    return previous;
}

LONG_PTR GetWindowLongPtrA(HWND hwnd, int index)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!LiveWindow(hwnd))
        return 0;
    if (index == GWLP_USERDATA)
        return hwnd->userData;
    if (index == GWLP_WNDPROC)
        return reinterpret_cast<LONG_PTR>(hwnd->proc);
    return 0;
}

int ShowCursor(BOOL show)
{
    // Win32 keeps a display counter: the cursor shows while it is 0 or more.
    static int counter = 0;
    counter += show ? 1 : -1;
    if (SDL_WasInit(SDL_INIT_VIDEO))
        SDL_ShowCursor(counter >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return counter;
}

HWND GetForegroundWindow()
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    return registry.foreground;
}

BOOL SetForegroundWindow(HWND hwnd)
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    if (!LiveWindow(hwnd))
        return FALSE;
    if (hwnd->sdl)
        SDL_RaiseWindow(hwnd->sdl);
    registry.foreground = hwnd;
    return TRUE;
}

HWND GetDesktopWindow() { return &g_desktop; }

HMODULE GetModuleHandleA(LPCSTR moduleName) { return moduleName ? nullptr : &g_mainModule; }

int GetSystemMetrics(int index)
{
    SDL_DisplayMode mode{};
    const bool known = EnsureVideo() && SDL_GetDesktopDisplayMode(0, &mode) == 0;
    switch (index) {
    case SM_CXSCREEN: return known ? mode.w : 1024;
    case SM_CYSCREEN: return known ? mode.h : 768;
    case SM_CXICON:
    case SM_CYICON: return 32;
    default: return 0;
    }
}

BOOL ValidateRect(HWND hwnd, const RECT*) { return LiveWindow(hwnd) || !hwnd ? TRUE : FALSE; }

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL)
{
    return LiveWindow(hwnd) ? PostMessageA(hwnd, WM_PAINT, 0, 0) : FALSE;
}

struct PlatformIcon {
    int resourceId;
};

HICON LoadIconA(HINSTANCE, LPCSTR name)
{
    // Icons are drawn by whoever shows them; the handle only carries the resource id. As in Win32, a
    // loaded icon is shared and never destroyed: one record per id, kept for the program's life.
    static std::mutex mutex;
    static auto* icons = new std::map<int, PlatformIcon>();
    const int id = static_cast<int>(reinterpret_cast<uintptr_t>(name) & 0xFFFF);
    std::lock_guard<std::mutex> lock(mutex);
    return &icons->emplace(id, PlatformIcon{id}).first->second;
}

BOOL DrawIcon(HDC, int, int, HICON icon) { return icon ? TRUE : FALSE; }
