#pragma once

#include "platform/framework/dialog.h"
#include "res/resource.h"

class CAboutDlg : public dlg::CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };
    CAboutDlg() : CDialog(IDD) {}

    DECLARE_MESSAGE_MAP()
};
