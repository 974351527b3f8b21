// The two dialog templates of the program and the engine, written as their owners declare them.
#pragma once

#include "afxwin.h"

namespace mfc_test {

constexpr UINT kSettingsId = 8000;
constexpr UINT kLauncherId = 19002;

inline DialogTemplate SettingsTemplate()
{
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kSettingsId;
    t.caption = "Varnix settings";
    t.cx = 227;
    t.cy = 101;
    t.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.controls = {
        {IDOK, K::DefPushButton, "OK", 115, 80, 50, 14, WS_TABSTOP},
        {IDCANCEL, K::PushButton, "Cancel", 170, 80, 50, 14, WS_TABSTOP},
        {IDC_STATIC, K::GroupBox, "Resolution", 5, 5, 105, 65, 0},
        {8000, K::AutoRadioButton, "640 x 480", 15, 15, 47, 10, WS_GROUP | WS_TABSTOP},
        {8001, K::AutoRadioButton, "800 x 600", 15, 25, 47, 10, 0},
        {8002, K::AutoRadioButton, "1024 x 768", 15, 35, 51, 10, 0},
        {8003, K::AutoRadioButton, "1280 x 1024", 15, 45, 55, 10, 0},
        {8004, K::AutoRadioButton, "1600 x 1200", 15, 55, 55, 10, 0},
        {IDC_STATIC, K::GroupBox, "Colors", 115, 5, 105, 65, 0},
        {8005, K::AutoRadioButton, "16 bits", 125, 15, 37, 10, WS_GROUP | WS_TABSTOP},
        {8006, K::AutoRadioButton, "32 bits", 125, 25, 37, 10, 0},
        {8007, K::AutoCheckBox, "Fullscreen", 5, 75, 48, 10, WS_TABSTOP},
        {8008, K::AutoCheckBox, "Show Logo && Infos", 5, 85, 75, 10, WS_TABSTOP},
    };
    return t;
}

inline DialogTemplate LauncherTemplate()
{
    using K = DialogControlKind;
    DialogTemplate t;
    t.id = kLauncherId;
    t.caption = "the Zenth by Talvik ";
    t.cx = 162;
    t.cy = 113;
    t.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    t.exStyle = WS_EX_APPWINDOW;
    t.controls = {
        {IDCANCEL, K::PushButton, "Quit", 109, 87, 40, 19, 0},
        {19000, K::DefPushButton, "Start the demo", 7, 87, 93, 19, WS_TABSTOP},
        {IDC_STATIC, K::GroupBox, " Settings ", 7, 35, 143, 45, 0},
        {19002, K::AutoRadioButton, "640 x 480", 15, 45, 47, 10, WS_GROUP | WS_TABSTOP},
        {19003, K::AutoRadioButton, "800 x 600", 15, 55, 47, 10, 0},
        {19004, K::AutoRadioButton, "1024 x 768", 15, 65, 51, 10, 0},
        {19007, K::AutoCheckBox, "Full screen", 80, 45, 50, 10, WS_TABSTOP},
        {19008, K::AutoCheckBox, "Infos", 80, 60, 31, 10, WS_TABSTOP},
        {IDC_STATIC, K::StaticIcon, "19028", 19, 7, 21, 20, 0},
        {IDC_STATIC, K::StaticTextCentered, "the Zenth - Talvik 2oo4", 60, 15, 80, 11, WS_GROUP},
    };
    return t;
}

inline void RegisterTestTemplates()
{
    RegisterDialogTemplate(SettingsTemplate());
    RegisterDialogTemplate(LauncherTemplate());
}

}  // namespace mfc_test
