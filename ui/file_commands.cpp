// The two commands that carry the program's purpose: scan a chosen image, write the new size.
#include <cinttypes>
#include <cstdio>

#include "platform/framework/file_dialog.h"
#include "rom/page_pool.h"
#include "ui/kelvane_dlg.h"

using namespace dlg;

namespace {

constexpr const char* kRomFilter =
    "ROM files (.nba;.nbh;.nb;.nb0)|*.nba;*.nbh;*.nb;*.nb0|All files (*.*)|*.*||";

std::string FoundStatus(std::uint64_t offset) {
    // The offset in full: images can be larger than 4 GiB.
    char hex[24];
    std::snprintf(hex, sizeof hex, "%" PRIx64, offset);
    return std::string("Detected as ROM file. PagePool size found, offset: ") + hex;
}

}  // namespace

void CKelvaneDlg::OnSelectFile() {
    CFileDialog dlgFile(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kRomFilter,
                        this);
    if (dlgFile.DoModal() != IDOK)
        return;

    m_strPath = dlgFile.GetPathName();
    GetDlgItem(IDC_PATH)->SetWindowText(m_strPath);
    m_dwCurrent = 0;
    m_llOffset = 0;
    m_status.SetWindowText("Searching for signatures. Please wait...");

    std::uint32_t value = 0;
    m_llOffset = rom::LocatePagePool(m_strPath.c_str(), value);
    if (m_llOffset != 0) {
        m_dwCurrent = value;
        m_dump.m_dwValue = value;
        m_dump.Refresh();
    }
    m_bFound = m_llOffset != 0 && m_dwCurrent != 0;

    std::string status;
    if (m_bFound) {
        status = FoundStatus(m_llOffset);
        ShowCurrentValue();
        m_spin.SetPos(m_nWhole);
        UpdateValueText();
        m_dwNew = m_dwCurrent;  // the file's exact value: nothing is pending
    } else {
        status = "Nothing found. Invalid, unknown or encrypted ROM file. Select another.";
    }
    m_status.SetWindowText(status);
    UpdateControls();
}

void CKelvaneDlg::OnChangeTo() {
    const rom::WriteOutcome outcome = rom::WritePoolValue(m_strPath.c_str(), m_llOffset, m_dwNew);
    if (outcome == rom::WriteOutcome::NotOpened)
        return;
    if (outcome == rom::WriteOutcome::Written) {
        m_dwCurrent = m_dwNew;
        UpdateControls();
    }
    m_status.SetWindowText("Ready.");
}
