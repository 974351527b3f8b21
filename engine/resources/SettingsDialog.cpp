#include "resources/SettingsDialog.h"

#include <afxwin.h>

#include <mutex>

void RegisterSettingsDialogTemplate()
{
    static std::once_flag once;
    std::call_once(once, [] {
        using Kind = DialogControlKind;
        DialogTemplate dialog;
        dialog.id = IDD_VARNIX_SETTINGS;
        dialog.caption = "Varnix settings";
        dialog.cx = 227;
        dialog.cy = 101;
        dialog.fontName = "MS Sans Serif";
        dialog.fontPointSize = 8;
        dialog.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        dialog.controls = {
            {IDOK, Kind::DefPushButton, "OK", 115, 80, 50, 14, WS_TABSTOP},
            {IDCANCEL, Kind::PushButton, "Cancel", 170, 80, 50, 14, WS_TABSTOP},
            {IDC_STATIC, Kind::GroupBox, "Resolution", 5, 5, 105, 65, 0},
            {8000, Kind::AutoRadioButton, "640 x 480", 15, 15, 47, 10, WS_GROUP | WS_TABSTOP},
            {8001, Kind::AutoRadioButton, "800 x 600", 15, 25, 47, 10, 0},
            {8002, Kind::AutoRadioButton, "1024 x 768", 15, 35, 51, 10, 0},
            {8003, Kind::AutoRadioButton, "1280 x 1024", 15, 45, 55, 10, 0},
            {8004, Kind::AutoRadioButton, "1600 x 1200", 15, 55, 55, 10, 0},
            {IDC_STATIC, Kind::GroupBox, "Colors", 115, 5, 105, 65, 0},
            {8005, Kind::AutoRadioButton, "16 bits", 125, 15, 37, 10, WS_GROUP | WS_TABSTOP},
            {8006, Kind::AutoRadioButton, "32 bits", 125, 25, 37, 10, 0},
            {8007, Kind::AutoCheckBox, "Fullscreen", 5, 75, 48, 10, WS_GROUP | WS_TABSTOP},
            {8008, Kind::AutoCheckBox, "Show Logo && Infos", 5, 85, 75, 10, WS_TABSTOP},
        };
        RegisterDialogTemplate(dialog);
    });
}
