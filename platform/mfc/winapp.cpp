#include "afxapp.h"

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp(LPCTSTR appName)
{
    if (appName)
        m_appName = appName;
    m_pszAppName = m_appName.c_str();
    m_hInstance = GetModuleHandleA(nullptr);
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

int CWinApp::ExitInstance() { return static_cast<int>(m_msgCur.wParam); }

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    // The main window gets the first look at every message, as a dialog's keyboard interface needs.
    return m_pMainWnd && msg && m_pMainWnd->m_hWnd == msg->hwnd ? m_pMainWnd->PreTranslateMessage(msg) : FALSE;
}

int CWinApp::Run()
{
    while (GetMessageA(&m_msgCur, nullptr, 0, 0)) {
        if (!PreTranslateMessage(&m_msgCur)) {
            TranslateMessage(&m_msgCur);
            DispatchMessageA(&m_msgCur);
        }
    }
    return ExitInstance();
}

HICON CWinApp::LoadIcon(UINT id) const { return ::LoadIconA(m_hInstance, MAKEINTRESOURCE(id)); }
HICON CWinApp::LoadIcon(LPCTSTR name) const { return ::LoadIconA(m_hInstance, name); }

void CWinApp::SetCommandLine(int argc, char** argv)
{
    m_exeName.clear();
    m_cmdLine.clear();
    if (argc > 0 && argv && argv[0]) {
        std::string name = argv[0];
        const size_t slash = name.find_last_of("/\\");
        if (slash != std::string::npos)
            name.erase(0, slash + 1);
        const size_t dot = name.rfind('.');
        if (dot != std::string::npos && dot > 0)
            name.erase(dot);
        m_exeName = name;
    }
    for (int i = 1; i < argc && argv; ++i) {
        if (!argv[i])
            continue;
        if (!m_cmdLine.empty())
            m_cmdLine += ' ';
        m_cmdLine += argv[i];
    }
    m_pszExeName = m_exeName.c_str();
    m_lpCmdLine = &m_cmdLine[0];
    if (m_appName.empty()) {
        // An application constructed without a name is called after its executable.
        m_appName = m_exeName;
        m_pszAppName = m_appName.c_str();
    }
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

HINSTANCE AfxGetInstanceHandle() { return GetModuleHandleA(nullptr); }

BOOL AfxEnableControlContainer() { return TRUE; }

int AfxMessageBox(LPCTSTR text, UINT type, UINT)
{
    CWnd* main = AfxGetMainWnd();
    return MessageBoxA(main ? main->m_hWnd : nullptr, text, g_app ? g_app->m_pszAppName : "", type);
}

int AfxWinMain(int argc, char** argv)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->SetCommandLine(argc, argv);
    if (!app->InitApplication())
        return -1;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd)
            app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}
