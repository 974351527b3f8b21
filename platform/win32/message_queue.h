// The program's message queue. Messages posted from any thread wait here until the pump thread
// retrieves them; messages sent from another thread wait here until the pump thread handles them.
#pragma once

#include "windows.h"

namespace platform {

// Appends a posted message.
void EnqueueMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Turns the pending SDL events into messages; only the thread that pumps the windows does this.
void PumpSdlEvents();

}  // namespace platform
