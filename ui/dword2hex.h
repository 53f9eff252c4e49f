// An edit control that shows a 32-bit value as its four bytes in hex.
#pragma once

#include <cstdint>

#include "platform/framework/window.h"

class DWORD2HEX : public dlg::CEdit {
public:
    static constexpr const char* kClassName = "DWORD2HEX";

    // The owner sets these, then calls Refresh; the text changes only then.
    std::uint32_t m_dwValue = 0;
    bool m_bSpaced = false;
    int m_nByteOrder = 1;  // 0: most significant byte first; 1: as in the file

    void Refresh();

    DECLARE_MESSAGE_MAP()
};
