// The engine's settings dialog, editing the screen's settings before a display run.
#include <afxwin.h>

#include "resources/SettingsDialog.h"
#include "screen/Screen.h"

namespace {

class CSettingsDialog : public CDialog {
public:
    CSettingsDialog() : CDialog(IDD_VARNIX_SETTINGS, nullptr) {}

    int m_nResolution = 0;
    int m_nColors = 1;
    BOOL m_bFullscreen = FALSE;
    BOOL m_bViewInfo = TRUE;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Radio(dx, IDC_VARNIX_RES_FIRST, m_nResolution);
        DDX_Radio(dx, IDC_VARNIX_COLORS_FIRST, m_nColors);
        DDX_Check(dx, IDC_VARNIX_FULLSCREEN, m_bFullscreen);
        DDX_Check(dx, IDC_VARNIX_INFOS, m_bViewInfo);
    }
};

}  // namespace

void CScreen::DisplayResolutionDlg()
{
    RegisterSettingsDialogTemplate();
    CSettingsDialog dialog;
    dialog.m_bFullscreen = m_bFullscreen ? TRUE : FALSE;
    dialog.m_bViewInfo = m_bViewInfo ? TRUE : FALSE;
    dialog.m_nResolution = static_cast<int>(m_Resolution);
    dialog.m_nColors = m_bColors32 ? 1 : 0;
    if (dialog.DoModal() != IDOK)
        return;
    m_bFullscreen = dialog.m_bFullscreen != FALSE;
    m_bViewInfo = dialog.m_bViewInfo != FALSE;
    // A radio group left without a choice keeps the setting it had.
    if (dialog.m_nResolution >= 0 && dialog.m_nResolution <= 4)
        m_Resolution = static_cast<TResolutionEnum>(dialog.m_nResolution);
    if (dialog.m_nColors >= 0)
        m_bColors32 = dialog.m_nColors == 1;
}
