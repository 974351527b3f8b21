// Accelerator tables: key presses turned into WM_COMMAND before normal handling.
#include <SDL.h>

#include <vector>

#include "windows.h"

struct PlatformAccel {
    std::vector<ACCEL> entries;
};

namespace {

bool ModifiersMatch(BYTE flags)
{
    const SDL_Keymod mods = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetModState() : KMOD_NONE;
    const bool shift = (mods & KMOD_SHIFT) != 0, control = (mods & KMOD_CTRL) != 0, alt = (mods & KMOD_ALT) != 0;
    return shift == ((flags & FSHIFT) != 0) && control == ((flags & FCONTROL) != 0) && alt == ((flags & FALT) != 0);
}

}  // namespace

HACCEL CreateAcceleratorTableA(LPACCEL entries, int count)
{
    if (!entries || count <= 0)
        return nullptr;
    auto* table = new PlatformAccel();
    table->entries.assign(entries, entries + count);
    return table;
}

BOOL DestroyAcceleratorTable(HACCEL accel)
{
    if (!accel)
        return FALSE;
    delete accel;
    return TRUE;
}

int TranslateAcceleratorA(HWND hwnd, HACCEL accel, LPMSG msg)
{
    if (!hwnd || !accel || !msg || msg->hwnd != hwnd)
        return 0;
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)
        return 0;
    for (const ACCEL& entry : accel->entries) {
        if ((entry.fVirt & FVIRTKEY) && entry.key == msg->wParam && ModifiersMatch(entry.fVirt)) {
            SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(entry.cmd, 1), 0);
            return 1;
        }
    }
    return 0;
}
