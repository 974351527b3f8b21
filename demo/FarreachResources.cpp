// The launcher's dialog, as its resource script lays it out.
#include "FarreachResources.h"

#include <afxwin.h>

void RegisterFarreachResources()
{
    using Kind = DialogControlKind;
    DialogTemplate dialog;
    dialog.id = IDD_FARREACH_DIALOG;
    dialog.caption = "the Zenth by Talvik ";
    dialog.cx = 162;
    dialog.cy = 113;
    dialog.fontName = "MS Sans Serif";
    dialog.fontPointSize = 8;
    dialog.style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    dialog.exStyle = WS_EX_APPWINDOW;
    dialog.controls = {
        {IDCANCEL, Kind::PushButton, "Quit", 109, 87, 40, 19, 0},
        {IDC_START_DEMO, Kind::DefPushButton, "Start the demo", 7, 87, 93, 19, WS_TABSTOP},
        {IDC_STATIC, Kind::GroupBox, " Settings ", 7, 35, 143, 45, 0},
        {IDC_RES_640, Kind::AutoRadioButton, "640 x 480", 15, 45, 47, 10, WS_GROUP},
        {IDC_RES_800, Kind::AutoRadioButton, "800 x 600", 15, 55, 47, 10, 0},
        {IDC_RES_1024, Kind::AutoRadioButton, "1024 x 768", 15, 65, 51, 10, 0},
        {IDC_FULLSCREEN, Kind::AutoCheckBox, "Full screen", 80, 45, 50, 10, WS_TABSTOP},
        {IDC_INFOS, Kind::AutoCheckBox, "Infos", 80, 60, 31, 10, WS_TABSTOP},
        {IDC_STATIC, Kind::StaticIcon, "19028", 19, 7, 21, 20, 0},
        {IDC_STATIC, Kind::StaticTextCentered, "the Zenth - Talvik 2oo4", 60, 15, 80, 11, WS_GROUP},
    };
    RegisterDialogTemplate(dialog);
}
