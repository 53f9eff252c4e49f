#pragma once

#include "platform/framework/app.h"

class CKelvaneApp : public dlg::CWinApp {
public:
    bool InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
