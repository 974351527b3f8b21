// CWnd and its helpers: MFC's window object over a window handle of the Win32 stand-in.
// Message maps are virtual functions here: a class overrides OnPaint, OnClose, OnCommand ... or
// registers click handlers with OnClicked.
#pragma once

#include <functional>
#include <map>

#include "afxstr.h"
#include "afxobj.h"
#include "dialog_controls.h"
#include "windows.h"

#define afx_msg

class CRect : public tagRECT {
public:
    CRect() : tagRECT{0, 0, 0, 0} {}
    CRect(LONG l, LONG t, LONG r, LONG b) : tagRECT{l, t, r, b} {}
    CRect(const RECT& r) : tagRECT(r) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
    BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
};

class CPoint : public tagPOINT {
public:
    CPoint() : tagPOINT{0, 0} {}
    CPoint(LONG px, LONG py) : tagPOINT{px, py} {}
};

// Command routing: handlers for command ids (menu items, accelerators, button clicks).
class CCmdTarget : public CObject {
public:
    // Later registrations of an id replace earlier ones.
    void MapCommand(UINT id, std::function<void()> handler);
    // Runs the handler of id; FALSE when there is none.
    BOOL DispatchCommand(UINT id);

private:
    std::map<UINT, std::function<void()>> m_commands;
};

class CWnd;

// A device context handle for painting. The stand-in draws nothing through it; icons drawn with it
// go to DrawIcon.
class CDC {
public:
    HDC m_hDC = nullptr;
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL DrawIcon(POINT p, HICON icon) { return DrawIcon(p.x, p.y, icon); }
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();

private:
    HWND m_hWnd;
};

class CDataExchange {
public:
    CDataExchange(CWnd* dlgWnd, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dlgWnd) {}
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;
};

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    // A window still alive is destroyed with its object.
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object attached to a handle, or null.
    static CWnd* FromHandle(HWND hwnd);
    BOOL Attach(HWND hwnd);
    HWND Detach();

    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, int x, int y, int width,
                  int height, HWND parent, HMENU menu, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    BOOL ShowWindow(int cmdShow);
    void UpdateWindow();
    void Invalidate(BOOL erase = TRUE);
    BOOL IsWindowVisible() const;
    BOOL IsIconic() const;
    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Sets the big (bigIcon TRUE) or small icon; returns the one it replaces.
    HICON SetIcon(HICON icon, BOOL bigIcon);
    HICON GetIcon(BOOL bigIcon) const;
    int MessageBox(LPCTSTR text, LPCTSTR caption = nullptr, UINT type = MB_OK);

    // Dialog data exchange: DoDataExchange with the direction given. TRUE unless it failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // The window's dialog controls (empty unless it is a dialog).
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    // Checks check and clears every other control whose id lies in [firstId, lastId].
    void CheckRadioButton(int firstId, int lastId, int checkId);
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    DialogControlSet& Controls() { return m_controls; }
    const DialogControlSet& Controls() const { return m_controls; }

    // Registers the handler of a button's click (BN_CLICKED) or of a command id.
    void OnClicked(int id, std::function<void()> handler) { MapCommand(static_cast<WORD>(id), std::move(handler)); }

    // The window procedure of every CWnd.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* msg) { return FALSE; }

protected:
    virtual void DoDataExchange(CDataExchange* dx) {}
    // Routes a WM_COMMAND: this window's handlers, then the application's. TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    afx_msg virtual void OnPaint();
    afx_msg virtual HCURSOR OnQueryDragIcon() { return nullptr; }
    afx_msg virtual void OnClose();
    afx_msg virtual void OnDestroy() {}
    afx_msg virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnNcDestroy();
    virtual void PostNcDestroy() {}

    DialogControlSet m_controls;

private:
    HICON m_icons[2] = {nullptr, nullptr};
};

// The window procedure that hands a window's messages to its CWnd.
LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Class name of the windows the MFC layer creates.
extern const char* const kAfxWndClass;
