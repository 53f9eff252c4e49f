#include "ui/about_dlg.h"

BEGIN_MESSAGE_MAP(CAboutDlg, dlg::CDialog)
END_MESSAGE_MAP()
