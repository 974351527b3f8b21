// The launcher dialog: the settings of a run, then the whole demo as the screen's listener.
#pragma once

#include <afxwin.h>

#include "DemoDriver.h"
#include "FarreachResources.h"
#include "screen/Keyboard.h"
#include "screen/Mouse.h"
#include "screen/Screen.h"

class CFarreachDlg : public CDialog, public CScreenListener {
public:
    explicit CFarreachDlg(CWnd* parent = nullptr);

    // The demo, on the engine's render thread.
    void Run() override;
    // Hands the settings to the screen and plays the demo until its window is gone.
    void StartDemo();

    CKeyboard m_Keyboard;
    CMouse m_Mouse;
    int m_nResolution;
    BOOL m_bFullscreen;
    BOOL m_bInfos;
    // How this run plays (the music file, and what watches it: pacing, capture, benchmark).
    SDemoConfig m_DemoConfig;
    // A screen size outside the launcher's three, for offline runs; 0 when the radio buttons decide.
    int m_nCustomWidth = 0;
    int m_nCustomHeight = 0;

protected:
    HICON m_hIcon;

    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    void OnStartDemo();
};
