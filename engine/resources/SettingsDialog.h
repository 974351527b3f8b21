// The engine's settings dialog: screen size, colour depth, full screen and information lines.
#pragma once

#define IDD_VARNIX_SETTINGS 8000
#define IDC_VARNIX_RES_FIRST 8000
#define IDC_VARNIX_COLORS_FIRST 8005
#define IDC_VARNIX_FULLSCREEN 8007
#define IDC_VARNIX_INFOS 8008

// Declares the dialog's template (once; later calls do nothing).
void RegisterSettingsDialogTemplate();
