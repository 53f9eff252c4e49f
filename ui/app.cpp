#include "ui/app.h"

#include "ui/kelvane_dlg.h"

using namespace dlg;

BEGIN_MESSAGE_MAP(CKelvaneApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

// The one application object; the platform finds it and calls InitInstance.
CKelvaneApp theApp;

bool CKelvaneApp::InitInstance() {
    INITCOMMONCONTROLSEX init = {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);

    CWinApp::InitInstance();
    AfxEnableControlContainer();
    // No settings are stored; the key only names where they would be.
    SetRegistryKey("Local AppWizard-Generated Applications");

    CKelvaneDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    // The dialog has closed: end the program.
    return false;
}
