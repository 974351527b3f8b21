// CDialog's keyboard interface, as the Windows dialog manager has it: Tab and Shift+Tab between tab
// stops, arrow keys inside a group, Space on the focused button, Enter for the default button,
// Escape for Cancel.
#include <SDL.h>

#include "afxdialog.h"

namespace {

bool IsRepeat(LPARAM lParam) { return (lParam & (1 << 30)) != 0; }

}  // namespace

void CDialog::MoveFocusTo(int index)
{
    if (index < 0 || index >= m_controls.Count() || index == m_focus)
        return;
    if (m_pressedBySpace) {  // a button held with the space bar lets go when the focus leaves it
        m_pressed = -1;
        m_pressedBySpace = false;
    }
    m_focus = index;
}

void CDialog::PressEnter()
{
    // The focused push button is the default one while it has the focus.
    int target = m_controls.IsPushButton(m_focus) ? m_focus : m_controls.DefaultButton();
    if (target >= 0 && !m_controls.IsEnabled(target))
        return;
    const WORD id = target >= 0 ? static_cast<WORD>(m_controls.At(target).control.id) : static_cast<WORD>(IDOK);
    SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

BOOL CDialog::HandleDialogKey(const MSG& msg)
{
    if (msg.message == WM_KEYUP && msg.wParam == VK_SPACE) {
        if (m_pressedBySpace && m_pressed == m_focus && m_pressed >= 0) {
            m_pressed = -1;
            m_pressedBySpace = false;
            NotifyClick(m_focus);
        }
        return TRUE;
    }
    if (msg.message == WM_KEYUP && msg.wParam == VK_SHIFT)
        m_shiftDown = false;
    if (msg.message != WM_KEYDOWN)
        return FALSE;
    switch (msg.wParam) {
    case VK_SHIFT:
        m_shiftDown = true;
        return FALSE;
    case VK_TAB: {
        const bool backwards = m_shiftDown || (SDL_GetModState() & KMOD_SHIFT) != 0;
        MoveFocusTo(m_controls.NextTabStop(m_focus, backwards));
        return TRUE;
    }
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        const bool backwards = msg.wParam == VK_LEFT || msg.wParam == VK_UP;
        const int next = m_controls.NextInGroup(m_focus, backwards);
        if (next == m_focus)
            return TRUE;
        MoveFocusTo(next);
        // An auto radio button reached with the arrows is selected.
        if (m_controls.IsRadio(next) && !m_controls.GetCheck(next))
            NotifyClick(next);
        return TRUE;
    }
    case VK_SPACE:
        if (!IsRepeat(msg.lParam) && m_controls.IsButton(m_focus) && m_controls.IsEnabled(m_focus)) {
            m_pressed = m_focus;
            m_pressedBySpace = true;
        }
        return TRUE;
    case VK_RETURN:
        PressEnter();
        return TRUE;
    case VK_ESCAPE:
        SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return TRUE;
    default:
        return FALSE;
    }
}
