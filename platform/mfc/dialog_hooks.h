// Hooks for tests and automation that drive a running modal dialog without a person.
#pragma once

#include <functional>

class CDialog;

namespace platform {

// Called once for every modal dialog, on its thread, after WM_INITDIALOG and before the modal loop.
// Inside, ClickControl, SetControlChecked, EndDialog and SaveDialogScreenshot may be used; posted
// messages and pushed SDL events are handled by the loop that follows. Empty: none.
using DialogDriver = std::function<void(CDialog&)>;
void SetDialogDriver(DialogDriver driver);
// Called at every turn of a modal loop, after the frame is drawn (for example to end a dialog that
// waits for too long). Empty: none.
void SetDialogFrameHook(DialogDriver hook);

// Draws the dialog's current state and writes it as an RGB PNG file. FALSE when the dialog has no
// window or drawing, or the file cannot be written.
bool SaveDialogScreenshot(CDialog& dialog, const char* pngPath);

// Internal: the hooks as set.
DialogDriver CurrentDialogDriver();
DialogDriver CurrentDialogFrameHook();

}  // namespace platform
