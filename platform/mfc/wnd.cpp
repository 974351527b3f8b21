#include <mutex>

#include "afxapp.h"
#include "afxwnd.h"

const char* const kAfxWndClass = "AfxWnd";

namespace {

struct HandleMap {
    std::mutex mutex;
    std::map<HWND, CWnd*> windows;
};

HandleMap& Handles()
{
    static HandleMap map;
    return map;
}

// The object whose window is being created on this thread: it takes the first message.
thread_local CWnd* t_creating = nullptr;

void RegisterAfxClass()
{
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = AfxWndProc;
        wc.lpszClassName = kAfxWndClass;
        RegisterClassA(&wc);
    });
}

}  // namespace

void CCmdTarget::MapCommand(UINT id, std::function<void()> handler) { m_commands[id] = std::move(handler); }

BOOL CCmdTarget::DispatchCommand(UINT id)
{
    auto found = m_commands.find(id);
    if (found == m_commands.end() || !found->second)
        return FALSE;
    auto handler = found->second;  // the handler may replace its own entry
    handler();
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) {}

CPaintDC::~CPaintDC()
{
    if (m_hWnd)
        ValidateRect(m_hWnd, nullptr);
}

LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandle(hwnd);
    if (!wnd && t_creating) {
        wnd = t_creating;
        t_creating = nullptr;
        wnd->Attach(hwnd);
    }
    return wnd ? wnd->WindowProc(message, wParam, lParam) : DefWindowProcA(hwnd, message, wParam, lParam);
}

CWnd::~CWnd()
{
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
    Detach();
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this)
        app->m_pMainWnd = nullptr;
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    auto& map = Handles();
    std::lock_guard<std::mutex> lock(map.mutex);
    auto found = map.windows.find(hwnd);
    return found == map.windows.end() ? nullptr : found->second;
}

BOOL CWnd::Attach(HWND hwnd)
{
    if (!hwnd || m_hWnd)
        return FALSE;
    auto& map = Handles();
    std::lock_guard<std::mutex> lock(map.mutex);
    m_hWnd = hwnd;
    map.windows[hwnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd) {
        auto& map = Handles();
        std::lock_guard<std::mutex> lock(map.mutex);
        auto found = map.windows.find(hwnd);
        if (found != map.windows.end() && found->second == this)
            map.windows.erase(found);
    }
    m_hWnd = nullptr;
    return hwnd;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu, LPVOID param)
{
    if (m_hWnd)
        return FALSE;
    RegisterAfxClass();
    CWnd* outer = t_creating;
    t_creating = this;
    HWND hwnd = CreateWindowExA(exStyle, className ? className : kAfxWndClass, windowName, style, x, y, width,
                                height, parent, menu, nullptr, param);
    t_creating = outer;
    if (hwnd && !m_hWnd)
        Attach(hwnd);  // a class whose procedure is not AfxWndProc
    return hwnd ? TRUE : FALSE;
}

BOOL CWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    HWND hwnd = m_hWnd;
    const BOOL result = ::DestroyWindow(hwnd);
    if (m_hWnd == hwnd && !IsWindow(hwnd))
        Detach();  // windows of another class get no WM_NCDESTROY through us
    return result;
}

BOOL CWnd::ShowWindow(int cmdShow) { return ::ShowWindow(m_hWnd, cmdShow); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }
void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsIconic() const { return ::IsIconic(m_hWnd); }
void CWnd::SetWindowText(LPCTSTR text) { ::SetWindowTextA(m_hWnd, text); }

void CWnd::GetWindowText(CString& text) const
{
    char buffer[1024];
    ::GetWindowTextA(m_hWnd, buffer, sizeof buffer);
    text = buffer;
}

void CWnd::GetClientRect(LPRECT rect) const
{
    if (rect && !::GetClientRect(m_hWnd, rect))
        *rect = RECT{0, 0, 0, 0};
}

void CWnd::GetWindowRect(LPRECT rect) const
{
    if (rect && !::GetWindowRect(m_hWnd, rect))
        *rect = RECT{0, 0, 0, 0};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A null handle would post to the thread; a window object without a window posts nothing.
    return m_hWnd ? ::PostMessageA(m_hWnd, message, wParam, lParam) : FALSE;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    HICON& slot = m_icons[bigIcon ? ICON_BIG : ICON_SMALL];
    HICON previous = slot;
    slot = icon;
    if (m_hWnd)
        SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    return previous;
}

HICON CWnd::GetIcon(BOOL bigIcon) const { return m_icons[bigIcon ? ICON_BIG : ICON_SMALL]; }

int CWnd::MessageBox(LPCTSTR text, LPCTSTR caption, UINT type)
{
    CWinApp* app = AfxGetApp();
    return ::MessageBoxA(m_hWnd, text, caption ? caption : (app ? app->m_pszAppName : ""), type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::CheckDlgButton(int id, UINT check) { m_controls.SetCheck(m_controls.IndexOf(id), static_cast<int>(check)); }

UINT CWnd::IsDlgButtonChecked(int id) const { return static_cast<UINT>(m_controls.GetCheck(m_controls.IndexOf(id))); }

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId)
{
    for (int i = 0; i < m_controls.Count(); ++i) {
        const int id = m_controls.At(i).control.id;
        if (id >= firstId && id <= lastId)
            m_controls.SetCheck(i, id == checkId ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CWnd::SetDlgItemText(int id, LPCTSTR text) { m_controls.SetText(m_controls.IndexOf(id), text ? text : ""); }

int CWnd::GetDlgItemText(int id, CString& text) const
{
    const int index = m_controls.IndexOf(id);
    text = index >= 0 ? m_controls.At(index).control.text.c_str() : "";
    return text.GetLength();
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam))
            return 0;
        break;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy();
        return 0;
    default:
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (code != BN_CLICKED && code != 1)  // clicks and menu items (0), accelerators (1)
        return FALSE;
    if (DispatchCommand(id))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->DispatchCommand(id);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::OnPaint() { DefWindowProc(WM_PAINT, 0, 0); }
void CWnd::OnClose() { DefWindowProc(WM_CLOSE, 0, 0); }
void CWnd::OnSysCommand(UINT id, LPARAM lParam) { DefWindowProc(WM_SYSCOMMAND, id, lParam); }

void CWnd::OnNcDestroy()
{
    // The application ends with its main window.
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        PostQuitMessage(0);
        app->m_pMainWnd = nullptr;
    }
    Detach();
    PostNcDestroy();
}
