#include "screen_run.h"

#include <SDL.h>

#include <string>

#include "platform_hooks.h"
#include "win32_internal.h"

void RunScreen(const ScreenSettings& settings, std::function<void()> body)
{
    FunctionListener listener(std::move(body));
    CScreen& screen = CScreen::Instance();
    screen.SetListener(listener);
    screen.SetFullscreen(settings.fullscreen);
    screen.SetResolution(settings.resolution);
    if (settings.customWidth > 0)
        screen.SetCustomResolution(settings.customWidth, settings.customHeight);
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

void HoldOnlyKeys(std::initializer_list<uint8_t> keys)
{
    for (int key = 1; key < 256; ++key)
        platform::SetKeyHeld(static_cast<uint8_t>(key), false);
    for (uint8_t key : keys)
        platform::SetKeyHeld(key, true);
}

std::string WindowTitle(HWND window)
{
    char text[600] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

DWORD FrontPixel(int x, int y)
{
    IDirect3DDevice8* device = CScreen::Instance().GetD3DDevice();
    IDirect3DSurface8* backBuffer = nullptr;
    D3DSURFACE_DESC desc{};
    device->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &backBuffer);
    backBuffer->GetDesc(&desc);
    backBuffer->Release();
    IDirect3DSurface8* surface = nullptr;
    device->CreateImageSurface(desc.Width, desc.Height, D3DFMT_A8R8G8B8, &surface);
    device->GetFrontBuffer(surface);
    D3DLOCKED_RECT locked{};
    surface->LockRect(&locked, nullptr, D3DLOCK_READONLY);
    const DWORD pixel = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(locked.pBits) + y * locked.Pitch)[x];
    surface->UnlockRect();
    surface->Release();
    return pixel;
}
