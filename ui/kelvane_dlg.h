// The main dialog: pick a ROM image, see its page pool size, pick another and write it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/framework/dialog.h"
#include "res/resource.h"
#include "ui/dword2hex.h"

class CKelvaneDlg : public dlg::CDialog {
public:
    enum { IDD = IDD_KELVANE_DIALOG };
    explicit CKelvaneDlg(dlg::CWnd* parent = nullptr);

protected:
    void DoDataExchange(dlg::CDataExchange* pDX) override;
    bool OnInitDialog() override;

    void OnSysCommand(dlg::UINT nID, dlg::LPARAM lParam);
    void OnPaint();
    dlg::HICON OnQueryDragIcon();

    // Size selection controls.
    void OnPreset(int n);
    template <int N>
    void OnPresetClicked() {
        OnPreset(N);
    }
    void OnSpinDeltaPos(dlg::NMHDR* pNMHDR, dlg::LRESULT* pResult);
    void OnTenths(int k);
    template <int K>
    void OnTenthsClicked() {
        OnTenths(K);
    }
    void OnHundredths(int k);
    template <int K>
    void OnHundredthsClicked() {
        OnHundredths(K);
    }

    // File commands.
    void OnSelectFile();
    void OnChangeTo();

    // The selection, mirrored in the radio buttons.
    void SetWholePart(int n);
    void ShowCurrentValue();
    void UpdateValueText();
    void RecalculateNew();
    void UpdateControls();
    // After every change of the selection: its text, the new value and its bytes, the controls.
    void ShowNewSize();
    void MarkPreset(bool checked);
    void MarkDigits(bool checked);

    dlg::HICON m_hIcon;
    dlg::CSpinButtonCtrl m_spin;
    dlg::CStatic m_status;
    DWORD2HEX m_dump;
    bool m_bFound = false;
    bool m_bDecimals = false;
    std::string m_strPath;
    int m_nWhole = 6;
    int m_nTenths = 0;
    int m_nHundredths = 0;
    std::uint32_t m_dwCurrent = 0;
    std::uint32_t m_dwNew = 0;
    std::uint64_t m_llOffset = 0;

    DECLARE_MESSAGE_MAP()
};
