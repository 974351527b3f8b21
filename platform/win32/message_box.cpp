// Message boxes: a modal SDL box on a display, standard error without one, or a handler's answer.
#include <SDL.h>

#include <mutex>

#include "platform_hooks.h"
#include "win32_internal.h"

namespace platform {

namespace {
std::mutex g_handlerMutex;
MessageBoxHandler g_handler;

Uint32 SdlIconFlag(UINT type)
{
    switch (type & 0xF0) {
    case MB_ICONERROR: return SDL_MESSAGEBOX_ERROR;
    case MB_ICONWARNING: return SDL_MESSAGEBOX_WARNING;
    default: return SDL_MESSAGEBOX_INFORMATION;
    }
}

int ShowSdlBox(HWND owner, const char* text, const char* caption, UINT type)
{
    std::vector<SDL_MessageBoxButtonData> buttons;
    const Uint32 enter = SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, escape = SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    switch (type & 0x0F) {
    case MB_OKCANCEL:
        buttons = {{enter, IDOK, "OK"}, {escape, IDCANCEL, "Cancel"}};
        break;
    case MB_YESNO:
        buttons = {{enter, IDYES, "Yes"}, {escape, IDNO, "No"}};
        break;
    default:
        buttons = {{enter | escape, IDOK, "OK"}};
        break;
    }
    SDL_MessageBoxData data{};
    data.flags = SdlIconFlag(type);
    data.window = SdlWindowOf(owner);
    data.title = caption;
    data.message = text;
    data.numbuttons = static_cast<int>(buttons.size());
    data.buttons = buttons.data();
    int pressed = 0;
    if (SDL_ShowMessageBox(&data, &pressed) != 0 || pressed == 0)
        return buttons.front().buttonid;
    return pressed;
}
}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler)
{
    std::lock_guard<std::mutex> lock(g_handlerMutex);
    g_handler = std::move(handler);
}

}  // namespace platform

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    const char* body = text ? text : "";
    const char* title = caption ? caption : "Error";
    platform::MessageBoxHandler handler;
    {
        std::lock_guard<std::mutex> lock(platform::g_handlerMutex);
        handler = platform::g_handler;
    }
    if (handler)
        return handler(owner, body, title, type);
    if (!platform::HasDisplay()) {
        fprintf(stderr, "%s: %s\n", title, body);
        return (type & 0x0F) == MB_YESNO ? IDYES : IDOK;
    }
    return platform::ShowSdlBox(owner, body, title, type);
}
