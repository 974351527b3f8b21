#include "screen/InputDevice.h"

#include "screen/Screen.h"

namespace input_device {

void Open(REFGUID device, const DIDATAFORMAT& format, IDirectInput8*& directInput, IDirectInputDevice8*& handle)
{
    void* created = nullptr;
    if (FAILED(DirectInput8Create(GetModuleHandle(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8, &created,
                                  nullptr))) {
        directInput = nullptr;
        return;
    }
    directInput = static_cast<IDirectInput8*>(created);
    if (FAILED(directInput->CreateDevice(device, &handle, nullptr))) {
        handle = nullptr;
        return;
    }
    handle->SetDataFormat(&format);
    handle->SetCooperativeLevel(CScreen::Instance().GetHWnd(), DISCL_FOREGROUND | DISCL_NOWINKEY);
    handle->Acquire();
}

void Close(IDirectInput8*& directInput, IDirectInputDevice8*& handle)
{
    if (handle) {
        handle->Unacquire();
        handle->Release();
    }
    if (directInput)
        directInput->Release();
    handle = nullptr;
    directInput = nullptr;
}

void Reacquire(IDirectInputDevice8* handle)
{
    while (handle->Acquire() == DIERR_INPUTLOST) {
    }
}

}  // namespace input_device
