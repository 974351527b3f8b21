// CDialog: the window, the modal loop, commands and the mouse.
#include <SDL.h>

#include "afxapp.h"
#include "afxdialog.h"
#include "dialog_hooks.h"
#include "dialog_renderer.h"
#include "platform_hooks.h"
#include "win32_internal.h"

namespace {

constexpr Uint32 kFrameMilliseconds = 16;  // about 60 turns of the modal loop a second

}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* parent) : m_nIDTemplate(nIDTemplate), m_pParentWnd(parent) {}

CDialog::~CDialog()
{
    m_renderer.reset();
}

int CDialog::DoModal()
{
    const DialogTemplate* found = FindDialogTemplate(m_nIDTemplate);
    if (!found || m_hWnd)
        return -1;
    m_template = *found;
    m_units = platform::BaseUnitsOf(m_template);
    m_controls.Load(m_template.controls);
    m_focus = m_pressed = -1;
    m_nModalResult = -1;
    m_continueModal = true;  // EndDialog inside OnInitDialog ends the dialog before the loop
    if (!CreateDialogWindow()) {
        m_continueModal = false;
        return -1;
    }
    if (SendMessage(WM_INITDIALOG, 0, 0))
        MoveFocusTo(m_controls.NextTabStop(-1, false));
    if (m_continueModal) {
        ShowWindow(SW_SHOW);
        if (auto driver = platform::CurrentDialogDriver())
            driver(*this);
        RunModalLoop();
    }
    if (m_hWnd) {
        platform::SetRawEventHandler(m_hWnd, nullptr);
        ShowWindow(SW_HIDE);
    }
    m_renderer.reset();
    DestroyWindow();
    return m_nModalResult;
}

bool CDialog::CreateDialogWindow()
{
    const SIZE client = platform::DialogClientSize(m_template);
    // The stand-in's framed windows take their outer size; the client area is what the template says.
    const int width = client.cx + platform::kFrameWidth;
    const int height = client.cy + platform::kFrameHeight;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - client.cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - client.cy) / 2;
    CWnd* owner = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    HWND parent = owner && owner != this ? owner->m_hWnd : nullptr;
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    if (!CreateEx(m_template.exStyle, nullptr, m_template.caption.c_str(), style, x, y, width, height, parent, nullptr))
        return false;
    m_renderer = DialogRenderer::Create(m_hWnd);
    if (m_renderer) {
        DialogRenderer* renderer = m_renderer.get();
        platform::SetRawEventHandler(m_hWnd, [renderer](const SDL_Event& event) { renderer->HandleEvent(event); });
    }
    return true;
}

void CDialog::RunModalLoop()
{
    m_inModalLoop = true;
    while (m_continueModal) {
        const Uint32 start = SDL_GetTicks();
        MSG msg;
        while (m_continueModal && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop around this one
                m_nModalResult = -1;
                m_continueModal = false;
                break;
            }
            if (!PreTranslateMessage(&msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
        if (!m_continueModal)
            break;
        DrawFrame(true);
        if (auto hook = platform::CurrentDialogFrameHook())
            hook(*this);
        const Uint32 spent = SDL_GetTicks() - start;
        if (m_continueModal && spent < kFrameMilliseconds)
            SDL_Delay(kFrameMilliseconds - spent);
    }
    m_inModalLoop = false;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_continueModal = false;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    const UINT code = HIWORD(wParam);
    if (code != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return TRUE;
    case IDCANCEL: OnCancel(); return TRUE;
    default: return FALSE;
    }
}

LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        OnMouseButton(message == WM_LBUTTONDOWN, static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam)));
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A dialog's close box is its Cancel button; the window itself goes only with EndDialog.
    if (message == WM_CLOSE) {
        PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    if (!msg || !m_hWnd || msg->hwnd != m_hWnd)
        return FALSE;
    return HandleDialogKey(*msg);
}

RECT CDialog::ControlRectAt(int index) const
{
    if (index < 0 || index >= m_controls.Count())
        return RECT{0, 0, 0, 0};
    const DialogControl& c = m_controls.At(index).control;
    return platform::DialogUnitsToPixels(m_units, c.x, c.y, c.cx, c.cy);
}

RECT CDialog::ControlRect(int id) const { return ControlRectAt(m_controls.IndexOf(id)); }

int CDialog::FocusedControlId() const
{
    return m_focus >= 0 && m_focus < m_controls.Count() ? m_controls.At(m_focus).control.id : 0;
}

int CDialog::ControlAt(int x, int y) const
{
    // Group boxes and static controls let clicks through to what lies beneath them.
    for (int i = 0; i < m_controls.Count(); ++i) {
        const RECT r = ControlRectAt(i);
        if (m_controls.IsButton(i) && x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return i;
    }
    return -1;
}

void CDialog::OnMouseButton(bool down, int x, int y)
{
    const int hit = ControlAt(x, y);
    if (down) {
        if (hit < 0 || !m_controls.IsEnabled(hit))
            return;
        m_pressed = hit;
        m_pressedBySpace = false;
        m_pointerInside = true;
        MoveFocusTo(hit);
        return;
    }
    if (m_pressed < 0 || m_pressedBySpace)
        return;
    const int pressed = m_pressed;
    m_pressed = -1;
    if (hit == pressed)  // a click is a press and a release on the same button
        NotifyClick(pressed);
}

void CDialog::OnMouseMove(int x, int y)
{
    if (m_pressed >= 0 && !m_pressedBySpace)
        m_pointerInside = ControlAt(x, y) == m_pressed;
}

void CDialog::NotifyClick(int index)
{
    m_controls.ApplyClick(index);
    const WORD id = static_cast<WORD>(m_controls.At(index).control.id);
    PostMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

BOOL CDialog::ClickControl(int id)
{
    const int index = m_controls.IndexOf(id);
    if (!m_controls.IsButton(index) || !m_controls.IsEnabled(index) || !m_hWnd)
        return FALSE;
    NotifyClick(index);
    return TRUE;
}

BOOL CDialog::SetControlChecked(int id, bool checked)
{
    const int index = m_controls.IndexOf(id);
    if (!m_controls.IsRadio(index) && !m_controls.IsCheckBox(index))
        return FALSE;
    if (checked && m_controls.IsRadio(index))
        m_controls.ApplyClick(index);
    else
        m_controls.SetCheck(index, checked ? BST_CHECKED : BST_UNCHECKED);
    return TRUE;
}

void CDialog::DrawFrame(bool present)
{
    if (!m_renderer)
        return;
    DialogFrameState state;
    state.controls = &m_controls;
    state.units = m_units;
    state.focus = m_focus;
    state.defaultButton = m_controls.IsPushButton(m_focus) ? m_focus : m_controls.DefaultButton();
    state.pressed = m_pressed >= 0 && (m_pressedBySpace || m_pointerInside) ? m_pressed : -1;
    m_renderer->Draw(state);
    if (present)
        m_renderer->Present();
}

bool CDialog::CaptureFrame(std::vector<uint8_t>& rgba, int& width, int& height)
{
    if (!m_renderer)
        return false;
    DrawFrame(false);
    return m_renderer->ReadBack(rgba, width, height);
}
