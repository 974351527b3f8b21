// Dialog data exchange for radio groups and check boxes.
#include "afxdialog.h"

void DDX_Radio(CDataExchange* dx, int nIDC, int& value)
{
    if (!dx || !dx->m_pDlgWnd)
        return;
    DialogControlSet& controls = dx->m_pDlgWnd->Controls();
    int index = controls.IndexOf(nIDC);
    if (index < 0)
        return;  // no such control: the member keeps its value
    if (dx->m_bSaveAndValidate)
        value = -1;
    // The group runs from the first button to the next control that starts a group; controls in it
    // that are no radio buttons are passed over and not counted.
    int button = 0;
    do {
        if (controls.IsRadio(index)) {
            if (dx->m_bSaveAndValidate) {
                if (controls.GetCheck(index))
                    value = button;
            } else {
                controls.SetCheck(index, button == value ? BST_CHECKED : BST_UNCHECKED);
            }
            ++button;
        }
        ++index;
    } while (index < controls.Count() && !controls.StartsGroup(index));
}

void DDX_Check(CDataExchange* dx, int nIDC, int& value)
{
    if (!dx || !dx->m_pDlgWnd)
        return;
    DialogControlSet& controls = dx->m_pDlgWnd->Controls();
    const int index = controls.IndexOf(nIDC);
    if (index < 0)
        return;
    if (dx->m_bSaveAndValidate) {
        value = controls.GetCheck(index);
    } else {
        if (value < 0 || value > 2)
            value = 0;
        controls.SetCheck(index, value);
    }
}
