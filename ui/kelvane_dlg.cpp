// The main dialog's frame: construction, controls, system menu and icon.
#include "ui/kelvane_dlg.h"

#include "platform/framework/app.h"
#include "ui/about_dlg.h"

using namespace dlg;

CKelvaneDlg::CKelvaneDlg(CWnd* parent) : CDialog(IDD, parent) {
    CWinApp* app = AfxGetApp();
    m_hIcon = app ? app->LoadIcon(IDR_MAINFRAME) : nullptr;
}

void CKelvaneDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPIN, m_spin);
    DDX_Control(pDX, IDC_DUMP, m_dump);
    DDX_Control(pDX, IDC_STATUS, m_status);
}

BEGIN_MESSAGE_MAP(CKelvaneDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_WHOLE_4, &CKelvaneDlg::OnPresetClicked<4>)
ON_BN_CLICKED(IDC_WHOLE_6, &CKelvaneDlg::OnPresetClicked<6>)
ON_BN_CLICKED(IDC_WHOLE_8, &CKelvaneDlg::OnPresetClicked<8>)
ON_BN_CLICKED(IDC_WHOLE_12, &CKelvaneDlg::OnPresetClicked<12>)
ON_BN_CLICKED(IDC_WHOLE_16, &CKelvaneDlg::OnPresetClicked<16>)
ON_BN_CLICKED(IDC_WHOLE_20, &CKelvaneDlg::OnPresetClicked<20>)
ON_BN_CLICKED(IDC_WHOLE_24, &CKelvaneDlg::OnPresetClicked<24>)
ON_BN_CLICKED(IDC_WHOLE_32, &CKelvaneDlg::OnPresetClicked<32>)
ON_BN_CLICKED(IDC_WHOLE_64, &CKelvaneDlg::OnPresetClicked<64>)
ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, &CKelvaneDlg::OnSpinDeltaPos)
ON_BN_CLICKED(IDC_TENTHS_0 + 0, &CKelvaneDlg::OnTenthsClicked<0>)
ON_BN_CLICKED(IDC_TENTHS_0 + 1, &CKelvaneDlg::OnTenthsClicked<1>)
ON_BN_CLICKED(IDC_TENTHS_0 + 2, &CKelvaneDlg::OnTenthsClicked<2>)
ON_BN_CLICKED(IDC_TENTHS_0 + 3, &CKelvaneDlg::OnTenthsClicked<3>)
ON_BN_CLICKED(IDC_TENTHS_0 + 4, &CKelvaneDlg::OnTenthsClicked<4>)
ON_BN_CLICKED(IDC_TENTHS_0 + 5, &CKelvaneDlg::OnTenthsClicked<5>)
ON_BN_CLICKED(IDC_TENTHS_0 + 6, &CKelvaneDlg::OnTenthsClicked<6>)
ON_BN_CLICKED(IDC_TENTHS_0 + 7, &CKelvaneDlg::OnTenthsClicked<7>)
ON_BN_CLICKED(IDC_TENTHS_0 + 8, &CKelvaneDlg::OnTenthsClicked<8>)
ON_BN_CLICKED(IDC_TENTHS_0 + 9, &CKelvaneDlg::OnTenthsClicked<9>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 0, &CKelvaneDlg::OnHundredthsClicked<0>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 1, &CKelvaneDlg::OnHundredthsClicked<1>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 2, &CKelvaneDlg::OnHundredthsClicked<2>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 3, &CKelvaneDlg::OnHundredthsClicked<3>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 4, &CKelvaneDlg::OnHundredthsClicked<4>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 5, &CKelvaneDlg::OnHundredthsClicked<5>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 6, &CKelvaneDlg::OnHundredthsClicked<6>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 7, &CKelvaneDlg::OnHundredthsClicked<7>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 8, &CKelvaneDlg::OnHundredthsClicked<8>)
ON_BN_CLICKED(IDC_HUNDREDTHS_0 + 9, &CKelvaneDlg::OnHundredthsClicked<9>)
ON_BN_CLICKED(IDC_SELECT, &CKelvaneDlg::OnSelectFile)
ON_BN_CLICKED(IDC_CHANGE_TO, &CKelvaneDlg::OnChangeTo)
END_MESSAGE_MAP()

bool CKelvaneDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* sysMenu = GetSystemMenu(false)) {
        std::string aboutMenu;
        if (LoadResourceString(IDS_ABOUTBOX, aboutMenu) && !aboutMenu.empty()) {
            sysMenu->AppendMenu(MF_SEPARATOR);
            sysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu.c_str());
        }
    }

    SetIcon(m_hIcon, true);
    SetIcon(m_hIcon, false);

    SetWholePart(6);
    MarkDigits(true);
    m_dump.m_bSpaced = true;

    m_spin.SetRange(0, 64);
    m_spin.SetPos(m_nWhole);
    m_status.SetWindowText("Ready.");
    UpdateControls();

    return true;  // focus to the first tab stop, the Close button
}

void CKelvaneDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

// While minimised the dialog draws its own icon, centred.
void CKelvaneDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = GetSystemMetrics(SM_CXICON);
    const int cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HICON CKelvaneDlg::OnQueryDragIcon() {
    return m_hIcon;
}
