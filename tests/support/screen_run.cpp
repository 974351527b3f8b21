#include "screen_run.h"

#include <SDL.h>

#include <string>

#include "win32_internal.h"

void RunScreen(const ScreenSettings& settings, std::function<void()> body)
{
    FunctionListener listener(std::move(body));
    CScreen& screen = CScreen::Instance();
    screen.SetListener(listener);
    screen.SetFullscreen(settings.fullscreen);
    screen.SetResolution(settings.resolution);
    screen.ViewInfo(settings.viewInfo);
    screen.SetTitle(settings.title);
    screen.Display();
}

namespace {
void PushKeyEvent(HWND window, int scancode, int keycode, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = SDL_GetWindowID(platform::SdlWindowOf(window));
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = static_cast<SDL_Scancode>(scancode);
    event.key.keysym.sym = keycode;
    SDL_PushEvent(&event);
}
}  // namespace

void PressKey(HWND window, int scancode, int keycode)
{
    PushKeyEvent(window, scancode, keycode, true);
    PushKeyEvent(window, scancode, keycode, false);
}

void PressCloseBox(HWND window)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    event.window.windowID = SDL_GetWindowID(platform::SdlWindowOf(window));
    SDL_PushEvent(&event);
}

std::string WindowTitle(HWND window)
{
    char text[600] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}
