// The size selection controls: presets, the spin control and the two digit rows, kept in step
// with the selection.
#include <array>

#include "model/pool_size.h"
#include "ui/kelvane_dlg.h"

using namespace dlg;

namespace {

struct Preset {
    int id;
    int whole;
};
constexpr std::array<Preset, 9> kPresets = {{{IDC_WHOLE_4, 4},
                                             {IDC_WHOLE_6, 6},
                                             {IDC_WHOLE_8, 8},
                                             {IDC_WHOLE_12, 12},
                                             {IDC_WHOLE_16, 16},
                                             {IDC_WHOLE_20, 20},
                                             {IDC_WHOLE_24, 24},
                                             {IDC_WHOLE_32, 32},
                                             {IDC_WHOLE_64, 64}}};

// The button of a digit row; 0 (no control) for a digit outside 0 to 9, so a bad digit can
// never reach a control that is not in the row.
int DigitButton(int firstId, int digit) {
    return digit >= 0 && digit <= 9 ? firstId + digit : 0;
}

UINT Check(bool checked) {
    return checked ? BST_CHECKED : BST_UNCHECKED;
}

}  // namespace

void CKelvaneDlg::MarkPreset(bool checked) {
    for (const Preset& preset : kPresets) {
        if (preset.whole == m_nWhole)
            CheckDlgButton(preset.id, Check(checked));
    }
}

void CKelvaneDlg::MarkDigits(bool checked) {
    if (int id = DigitButton(IDC_TENTHS_0, m_nTenths))
        CheckDlgButton(id, Check(checked));
    if (int id = DigitButton(IDC_HUNDREDTHS_0, m_nHundredths))
        CheckDlgButton(id, Check(checked));
}

void CKelvaneDlg::SetWholePart(int n) {
    if (model::IsWholePartInRange(n)) {
        MarkPreset(false);
        model::PoolSizeSelection selection{m_nWhole, m_nTenths, m_nHundredths, m_bDecimals};
        selection.SetWholePart(n);
        const bool digitsCleared = !selection.decimalsAllowed;  // 64 MiB takes no decimals
        if (digitsCleared)
            MarkDigits(false);
        m_nWhole = selection.whole;
        m_nTenths = selection.tenths;
        m_nHundredths = selection.hundredths;
        m_bDecimals = selection.decimalsAllowed;
        if (digitsCleared)
            MarkDigits(true);
    }
    MarkPreset(true);
}

void CKelvaneDlg::ShowCurrentValue() {
    const model::SizeDigits digits = model::SizeFromBytes(m_dwCurrent);
    SetWholePart(digits.whole);
    MarkDigits(false);
    m_nTenths = digits.tenths;
    m_nHundredths = digits.hundredths;
    MarkDigits(true);
}

void CKelvaneDlg::UpdateValueText() {
    GetDlgItem(IDC_VALUE)->SetWindowText(model::FormatSize(m_nWhole, m_nTenths, m_nHundredths));
}

void CKelvaneDlg::RecalculateNew() {
    m_dwNew = model::SizeToBytes(m_nWhole, m_nTenths, m_nHundredths);
    m_dump.m_dwValue = m_dwNew;
    m_dump.Refresh();
}

void CKelvaneDlg::UpdateControls() {
    GetDlgItem(IDC_CHANGE_TO)->EnableWindow(m_bFound && m_dwNew != m_dwCurrent);
    for (const Preset& preset : kPresets) GetDlgItem(preset.id)->EnableWindow(m_bFound);
    m_spin.EnableWindow(m_bFound);
    const bool digits = m_bFound && m_bDecimals;
    for (int k = 0; k <= 9; ++k) GetDlgItem(IDC_TENTHS_0 + k)->EnableWindow(digits);
    for (int k = 0; k <= 9; ++k) GetDlgItem(IDC_HUNDREDTHS_0 + k)->EnableWindow(digits);
}

void CKelvaneDlg::ShowNewSize() {
    UpdateValueText();
    RecalculateNew();
    UpdateControls();
}

void CKelvaneDlg::OnPreset(int n) {
    m_nWhole = n;
    m_spin.SetPos(n);
    SetWholePart(m_nWhole);
    ShowNewSize();
}

void CKelvaneDlg::OnTenths(int k) {
    m_nTenths = k;
    MarkDigits(true);
    ShowNewSize();
}

void CKelvaneDlg::OnHundredths(int k) {
    m_nHundredths = k;
    MarkDigits(true);
    ShowNewSize();
}

void CKelvaneDlg::OnSpinDeltaPos(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* pNMUpDown = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    // Out of range either way counts as too large, and is ignored.
    const long long proposed = static_cast<long long>(pNMUpDown->iPos) + pNMUpDown->iDelta;
    SetWholePart(proposed >= 0 && proposed <= model::kMaxWhole ? static_cast<int>(proposed) : -1);
    ShowNewSize();
    *pResult = 0;
}
