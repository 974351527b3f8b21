// The message pump's side of SDL: events become window messages, and keyboard and mouse state is
// gathered for the DirectInput stand-in.
#include <SDL.h>

#include <algorithm>
#include <vector>

#include "key_codes.h"
#include "platform_hooks.h"
#include "message_queue.h"
#include "window_registry.h"

namespace platform {

namespace {

struct InputState {
    std::mutex mutex;
    InputSnapshot snapshot;
};

InputState& Input()
{
    static InputState input;
    return input;
}

HWND TargetWindow(uint32_t windowId)
{
    HWND window = windowId ? WindowFromSdlId(windowId) : nullptr;
    return window ? window : GetForegroundWindow();
}

void SetKey(SDL_Scancode scancode, bool down)
{
    const uint8_t dik = DikFromScancode(scancode);
    if (!dik)
        return;
    auto& input = Input();
    std::lock_guard<std::mutex> lock(input.mutex);
    input.snapshot.keys[dik] = down ? 0x80 : 0x00;
}

void ReleaseEverything()
{
    auto& input = Input();
    std::lock_guard<std::mutex> lock(input.mutex);
    input.snapshot.keys.fill(0);
    input.snapshot.buttons.fill(0);
}

void OnKey(const SDL_KeyboardEvent& key)
{
    const bool down = key.type == SDL_KEYDOWN;
    SetKey(key.keysym.scancode, down);
    HWND target = TargetWindow(key.windowID);
    const uint32_t vk = VirtualKeyFromSdl(key.keysym.sym, key.keysym.scancode);
    if (!target || !vk)
        return;
    const uint32_t dik = DikFromScancode(key.keysym.scancode);
    LPARAM lParam = 1 | ((dik & 0x7F) << 16) | ((dik & 0x80) ? (1 << 24) : 0);
    if (key.repeat)
        lParam |= 1 << 30;
    if (!down)
        lParam |= (1u << 30) | (1u << 31);
    EnqueueMessage(target, down ? WM_KEYDOWN : WM_KEYUP, vk, lParam);
}

void OnMouseButton(const SDL_MouseButtonEvent& button)
{
    const bool down = button.type == SDL_MOUSEBUTTONDOWN;
    int index = -1;
    UINT message = 0;
    switch (button.button) {
    case SDL_BUTTON_LEFT: index = 0; message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
    case SDL_BUTTON_RIGHT: index = 1; message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
    case SDL_BUTTON_MIDDLE: index = 2; message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
    case SDL_BUTTON_X1: index = 3; break;
    default: break;
    }
    if (index >= 0) {
        auto& input = Input();
        std::lock_guard<std::mutex> lock(input.mutex);
        input.snapshot.buttons[index] = down ? 0x80 : 0x00;
    }
    if (HWND target = TargetWindow(button.windowID); target && message)
        EnqueueMessage(target, message, 0, MAKELPARAM(button.x, button.y));
}

void OnMouseMotion(const SDL_MouseMotionEvent& motion)
{
    {
        auto& input = Input();
        std::lock_guard<std::mutex> lock(input.mutex);
        input.snapshot.mouseX += motion.xrel;
        input.snapshot.mouseY += motion.yrel;
    }
    if (HWND target = TargetWindow(motion.windowID))
        EnqueueMessage(target, WM_MOUSEMOVE, 0, MAKELPARAM(motion.x, motion.y));
}

void OnMouseWheel(const SDL_MouseWheelEvent& wheel)
{
    constexpr int kWheelDelta = 120;
    {
        auto& input = Input();
        std::lock_guard<std::mutex> lock(input.mutex);
        input.snapshot.mouseZ += wheel.y * kWheelDelta;
    }
    if (HWND target = TargetWindow(wheel.windowID))
        EnqueueMessage(target, WM_MOUSEWHEEL, MAKEWPARAM(0, wheel.y * kWheelDelta), 0);
}

// The windows sent WM_CLOSE by their close box in the events being pumped now: closing the last
// window makes SDL add a quit event, which must not close them a second time.
std::vector<HWND>& ClosedInThisPump()
{
    static std::vector<HWND> closed;
    return closed;
}

// A request to end the program as a whole (SDL's quit event: the last window's close box, or the
// session asking the program to end): every top-level window gets WM_CLOSE, as its close box would
// send it. SDL's own signal handlers are off, so an interrupt ends the process directly instead.
void OnQuit()
{
    std::vector<HWND> targets;
    {
        auto& registry = Registry();
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        for (HWND window : registry.windows)
            if (!window->parent && !window->destroyed)
                targets.push_back(window);
    }
    const std::vector<HWND>& closed = ClosedInThisPump();
    for (HWND window : targets)
        if (std::find(closed.begin(), closed.end(), window) == closed.end())
            EnqueueMessage(window, WM_CLOSE, 0, 0);
}

void OnWindowEvent(const SDL_WindowEvent& event)
{
    HWND window = WindowFromSdlId(event.windowID);
    if (!window)
        return;
    auto& registry = Registry();
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
        EnqueueMessage(window, WM_CLOSE, 0, 0);
        ClosedInThisPump().push_back(window);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        EnqueueMessage(window, WM_PAINT, 0, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED: {
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        registry.foreground = window;
        break;
    }
    case SDL_WINDOWEVENT_FOCUS_LOST: {
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        if (registry.foreground == window)
            registry.foreground = nullptr;
        break;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        if (!window->fullscreen) {
            window->clientWidth = event.data1;
            window->clientHeight = event.data2;
        }
        EnqueueMessage(window, WM_SIZE, 0, MAKELPARAM(event.data1, event.data2));
        break;
    }
    default:
        break;
    }
}

uint32_t EventWindowId(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_WINDOWEVENT: return event.window.windowID;
    case SDL_KEYDOWN:
    case SDL_KEYUP: return event.key.windowID;
    case SDL_TEXTINPUT: return event.text.windowID;
    case SDL_MOUSEMOTION: return event.motion.windowID;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return event.button.windowID;
    case SDL_MOUSEWHEEL: return event.wheel.windowID;
    default: return 0;
    }
}

void GiveToRawHandler(const SDL_Event& event)
{
    RawEventHandler handler;
    {
        auto& registry = Registry();
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        HWND window = WindowFromSdlId(EventWindowId(event));
        if (!window && EventWindowId(event) == 0)
            window = registry.foreground;
        if (window)
            handler = window->rawHandler;
    }
    if (handler)
        handler(event);
}

void Translate(const SDL_Event& event)
{
    GiveToRawHandler(event);
    switch (event.type) {
    case SDL_WINDOWEVENT: OnWindowEvent(event.window); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: OnKey(event.key); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: OnMouseButton(event.button); break;
    case SDL_MOUSEMOTION: OnMouseMotion(event.motion); break;
    case SDL_MOUSEWHEEL: OnMouseWheel(event.wheel); break;
    case SDL_QUIT: OnQuit(); break;
    default: break;
    }
}

// Tells every top-level window when the program as a whole gains or loses the foreground.
void AnnounceActivation()
{
    auto& registry = Registry();
    std::lock_guard<std::recursive_mutex> lock(registry.mutex);
    const bool active = registry.foreground != nullptr;
    if (active == registry.appActive)
        return;
    registry.appActive = active;
    if (!active)
        ReleaseEverything();
    for (HWND window : registry.windows)
        if (!window->parent)
            EnqueueMessage(window, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

bool OnVideoThread() { return Registry().videoThread == std::this_thread::get_id(); }

}  // namespace

void PumpSdlEvents()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO) || !OnVideoThread())
        return;
    SDL_Event event;
    ClosedInThisPump().clear();
    while (SDL_PollEvent(&event))
        Translate(event);
    AnnounceActivation();
}

void SetKeyHeld(uint8_t directInputKey, bool held)
{
    auto& input = Input();
    std::lock_guard<std::mutex> lock(input.mutex);
    input.snapshot.keys[directInputKey] = held ? 0x80 : 0x00;
}

void PressCloseBox(HWND window)
{
    SDL_Event event{};
    {
        // Under the registry's lock, so that the window cannot be freed between the look-up and the id.
        auto& registry = Registry();
        std::lock_guard<std::recursive_mutex> lock(registry.mutex);
        SDL_Window* sdl = SdlWindowOf(window);
        if (!sdl)
            return;
        event.window.windowID = SDL_GetWindowID(sdl);
    }
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&event);
}

InputSnapshot ReadInput()
{
    auto& input = Input();
    std::lock_guard<std::mutex> lock(input.mutex);
    return input.snapshot;
}

}  // namespace platform
