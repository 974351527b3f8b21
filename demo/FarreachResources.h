// Resource ids of the launcher.
#pragma once

#define IDD_FARREACH_DIALOG 19002
#define IDC_START_DEMO 19000
#define IDC_RES_640 19002
#define IDC_RES_800 19003
#define IDC_RES_1024 19004
#define IDC_FULLSCREEN 19007
#define IDC_INFOS 19008
#define IDR_MAINFRAME 19028

// Declares the launcher's dialog template; called once before the dialog is made.
void RegisterFarreachResources();
