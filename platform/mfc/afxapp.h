// CWinApp: the program's one application object, and the start routine that runs it.
#pragma once

#include <string>

#include "afxwnd.h"

// The standard help command.
#define ID_HELP 0xE146

class CWinApp : public CCmdTarget {
public:
    // The object registers itself as the application (AfxGetApp).
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitApplication() { return TRUE; }
    virtual BOOL InitInstance() { return TRUE; }
    // Returns the program's exit code: that of the WM_QUIT that ended Run, 0 without one.
    virtual int ExitInstance();
    // The message loop, until WM_QUIT; then ExitInstance.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Nothing to set up on this platform; both report success.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    HICON LoadIcon(UINT id) const;
    HICON LoadIcon(LPCTSTR name) const;

    // There is no help system: the help command does nothing.
    afx_msg void OnHelp() {}

    // Takes the program's arguments: the executable's name and the command line after it.
    void SetCommandLine(int argc, char** argv);

    CWnd* m_pMainWnd = nullptr;
    LPCTSTR m_pszAppName = "";
    LPCTSTR m_pszExeName = "";
    LPTSTR m_lpCmdLine = nullptr;
    HINSTANCE m_hInstance = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    MSG m_msgCur{};

private:
    std::string m_appName;
    std::string m_exeName;
    std::string m_cmdLine;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
// Nothing to set up on this platform; reports success.
BOOL AfxEnableControlContainer();
// A message box captioned with the application's name.
int AfxMessageBox(LPCTSTR text, UINT type = MB_OK, UINT helpId = 0);

// Runs the registered application: InitApplication and InitInstance, then, only if InitInstance
// answered TRUE, the message loop until WM_QUIT. Returns the exit code (-1 without an application).
int AfxWinMain(int argc, char** argv);
