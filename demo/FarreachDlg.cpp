#include "FarreachDlg.h"

CFarreachDlg::CFarreachDlg(CWnd* parent)
    : CDialog(IDD_FARREACH_DIALOG, parent), m_nResolution(2), m_bFullscreen(1), m_bInfos(0)
{
    m_hIcon = AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr;
    OnClicked(IDC_START_DEMO, [this] { OnStartDemo(); });
}

void CFarreachDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Radio(dx, IDC_RES_640, m_nResolution);
    DDX_Check(dx, IDC_FULLSCREEN, m_bFullscreen);
    DDX_Check(dx, IDC_INFOS, m_bInfos);
}

BOOL CFarreachDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;
}

void CFarreachDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, 0, 0);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(nullptr, x, y, m_hIcon);
}

HCURSOR CFarreachDlg::OnQueryDragIcon() { return m_hIcon; }

void CFarreachDlg::OnStartDemo()
{
    UpdateData(TRUE);
    StartDemo();
    EndDialog(0);
}

void CFarreachDlg::StartDemo()
{
    CScreen& screen = CScreen::Instance();
    screen.SetListener(*this);
    if (m_bFullscreen)
        screen.SetFullscreen(true);
    if (m_nResolution >= 0 && m_nResolution <= 4)
        screen.SetResolution(static_cast<TResolutionEnum>(m_nResolution));
    if (m_nCustomWidth > 0)
        screen.SetCustomResolution(m_nCustomWidth, m_nCustomHeight);
    // The engine shows its information lines by default, so an unchecked "Infos" must say so.
    screen.ViewInfo(m_bInfos != 0);
    screen.SetTitle("Varnix screen - TheZenth");
    screen.Display();
}

void CFarreachDlg::Run()
{
    CDemoDriver driver(m_Keyboard, m_Mouse, m_DemoConfig);
    driver.Run();
}
