// Dialog templates, declared in code instead of a resource script, and the mapping of dialog units
// to pixels.
#pragma once

#include <string>
#include <vector>

#include "windows.h"

// Dialog styles of a template (the window styles WS_* come from windows.h).
#define DS_SETFONT 0x40L
#define DS_MODALFRAME 0x80L
#define DS_3DLOOK 0x0004L
#define DS_CENTER 0x0800L

// Button states and messages.
#define BST_UNCHECKED 0x0000
#define BST_CHECKED 0x0001
#define BST_INDETERMINATE 0x0002
#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1

enum class DialogControlKind {
    PushButton,
    DefPushButton,
    AutoRadioButton,
    AutoCheckBox,
    GroupBox,
    StaticText,          // left-aligned static text
    StaticTextCentered,  // centred static text
    StaticIcon,          // the text names the icon resource
};

// One control. Styles are taken as written (WS_GROUP, WS_TABSTOP, WS_DISABLED); nothing is implied
// by the kind, so a template states every tab stop and every group start it has.
struct DialogControl {
    int id = IDC_STATIC;
    DialogControlKind kind = DialogControlKind::StaticText;
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    DWORD style = 0;
};

struct DialogTemplate {
    UINT id = 0;
    std::string caption;
    int cx = 0, cy = 0;  // client size in dialog units
    std::string fontName = "MS Sans Serif";
    int fontPointSize = 8;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::vector<DialogControl> controls;  // in tab order
};

// Registers (or replaces) a template under its id.
void RegisterDialogTemplate(const DialogTemplate& dialogTemplate);
// The registered template of an id, or null.
const DialogTemplate* FindDialogTemplate(UINT id);

namespace platform {

// Dialog base units of a template's font at 96 dpi: the average character width and the character
// height in pixels. "MS Sans Serif" 8 pt (and any font not known here) gives 6 x 13.
struct DialogBaseUnits {
    int cx = 6;
    int cy = 13;
};
DialogBaseUnits BaseUnitsOf(const DialogTemplate& dialogTemplate);

// MapDialogRect: x in quarters and y in eighths of the base units, each edge rounded on its own.
RECT DialogUnitsToPixels(const DialogBaseUnits& units, int x, int y, int cx, int cy);
// The client size in pixels of a template.
SIZE DialogClientSize(const DialogTemplate& dialogTemplate);

}  // namespace platform
