// CDialog: modal dialogs built from a registered DialogTemplate, drawn with Dear ImGui in a window
// of their own, with the keyboard interface and the dialog data exchange of Windows dialogs.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "afxwnd.h"
#include "dialog_template.h"

class DialogRenderer;

// Dialog data exchange, both directions as MFC's.
// DDX_Radio: the auto radio buttons from nIDC up to the next control that starts a group; the index
// counts radio buttons only, -1 when none is checked. Loading checks exactly the button of the index.
void DDX_Radio(CDataExchange* dx, int nIDC, int& value);
// DDX_Check: 0 unchecked, 1 checked. Loading a value outside 0..2 sets it to 0 first.
void DDX_Check(CDataExchange* dx, int nIDC, int& value);

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* parent = nullptr);
    ~CDialog() override;

    // Runs the dialog: its window, WM_INITDIALOG, the modal loop until EndDialog. Returns the result
    // given to EndDialog; -1 when the template is unknown, the window cannot be made or WM_QUIT ends
    // the loop (the quit is posted again for the caller's loop).
    virtual int DoModal();
    void EndDialog(int result);
    BOOL IsModalLoopRunning() const { return m_inModalLoop; }

    // WM_INITDIALOG: loads the controls from the members (UpdateData(FALSE)); TRUE gives the focus to
    // the first tab stop.
    virtual BOOL OnInitDialog();
    // Reads the controls into the members (UpdateData(TRUE)) and ends with IDOK.
    virtual void OnOK();
    // Ends with IDCANCEL without reading the controls.
    virtual void OnCancel();

    // Automation: what a mouse click on a button does (its state changes and its BN_CLICKED is
    // posted). FALSE when there is no enabled button with that id.
    BOOL ClickControl(int id);
    // Sets a radio button or check box as the user would leave it (a checked radio button clears the
    // others of its group), without a notification. FALSE when there is no such control.
    BOOL SetControlChecked(int id, bool checked);

    // The template in use (after DoModal began) and the pixel rectangle of a control's id (empty
    // when unknown), in client coordinates.
    const DialogTemplate& Template() const { return m_template; }
    RECT ControlRect(int id) const;
    int FocusedControlId() const;
    UINT GetTemplateId() const { return m_nIDTemplate; }

    // Draws one frame (without presenting it) and reads it back as RGBA rows, top row first.
    bool CaptureFrame(std::vector<uint8_t>& rgba, int& width, int& height);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

private:
    bool CreateDialogWindow();
    void RunModalLoop();
    void DrawFrame(bool present);
    // The keyboard interface (IsDialogMessage): TRUE when the key was the dialog's.
    BOOL HandleDialogKey(const MSG& msg);
    void MoveFocusTo(int index);
    void PressEnter();
    void OnMouseButton(bool down, int x, int y);
    void OnMouseMove(int x, int y);
    int ControlAt(int x, int y) const;
    void NotifyClick(int index);
    RECT ControlRectAt(int index) const;

    DialogTemplate m_template;
    platform::DialogBaseUnits m_units;
    bool m_continueModal = false;
    bool m_inModalLoop = false;
    int m_nModalResult = -1;
    int m_focus = -1;
    int m_pressed = -1;      // the button held by the mouse or the space bar
    bool m_pressedBySpace = false;
    bool m_pointerInside = false;
    bool m_shiftDown = false;
    std::unique_ptr<DialogRenderer> m_renderer;
};
