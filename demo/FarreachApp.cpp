#include "FarreachApp.h"

#include "FarreachDlg.h"

CFarreachApp::CFarreachApp() : CWinApp(nullptr)
{
    MapCommand(ID_HELP, [this] { OnHelp(); });
}

void CFarreachApp::SetOptions(const LaunchOptions& options) { m_options = options; }

BOOL CFarreachApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControls();
    RegisterFarreachResources();

    CFarreachDlg dialog;
    if (m_options.fullscreen)
        dialog.m_bFullscreen = *m_options.fullscreen ? 1 : 0;
    if (m_options.resolution)
        dialog.m_nResolution = *m_options.resolution;
    if (m_options.infos)
        dialog.m_bInfos = *m_options.infos ? 1 : 0;
    m_pMainWnd = &dialog;
    if (m_options.showDialog)
        dialog.DoModal();
    else
        dialog.StartDemo();
    m_pMainWnd = nullptr;
    return FALSE;
}
