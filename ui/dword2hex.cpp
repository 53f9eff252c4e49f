#include "ui/dword2hex.h"

#include "model/format_dword.h"

void DWORD2HEX::Refresh() {
    SetWindowText(model::FormatDword(m_dwValue, m_nByteOrder, m_bSpaced));
}

BEGIN_MESSAGE_MAP(DWORD2HEX, dlg::CEdit)
END_MESSAGE_MAP()
