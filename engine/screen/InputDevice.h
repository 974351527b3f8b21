// The steps keyboard and mouse share: making an acquired device and letting it go.
#pragma once

#include <dinput.h>

namespace input_device {

// Creates the DirectInput object and the device, sets its format and level, acquires it. On failure
// the pointer of the failed step is null.
void Open(REFGUID device, const DIDATAFORMAT& format, IDirectInput8*& directInput, IDirectInputDevice8*& handle);
void Close(IDirectInput8*& directInput, IDirectInputDevice8*& handle);
// Acquires again after a failed read, for as long as the input is reported lost.
void Reacquire(IDirectInputDevice8* handle);

}  // namespace input_device
