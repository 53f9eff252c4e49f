#include "tests/qt/probe_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

namespace qttest {

using namespace dlg;

BEGIN_MESSAGE_MAP(Probe, CDialog)
ON_WM_SYSCOMMAND()
ON_BN_CLICKED(IDC_SELECT, &Probe::OnClicked<IDC_SELECT>)
ON_BN_CLICKED(IDC_WHOLE_4, &Probe::OnClicked<IDC_WHOLE_4>)
ON_BN_CLICKED(IDC_WHOLE_6, &Probe::OnClicked<IDC_WHOLE_6>)
ON_BN_CLICKED(IDC_WHOLE_8, &Probe::OnClicked<IDC_WHOLE_8>)
ON_BN_CLICKED(IDC_WHOLE_64, &Probe::OnClicked<IDC_WHOLE_64>)
ON_BN_CLICKED(IDC_TENTHS_0, &Probe::OnClicked<IDC_TENTHS_0>)
ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, &Probe::OnDeltaPos)
END_MESSAGE_MAP()

bool Probe::OnInitDialog() {
    CDialog::OnInitDialog();
    if (spin.m_hWnd) {
        spin.SetRange(0, 64);
        spin.SetPos(6);
    }
    if (onInit)
        onInit(*this);
    return true;
}

void Probe::OnOK() {
    log.push_back("ok");
    CDialog::OnOK();
}

void Probe::OnCancel() {
    log.push_back("cancel");
    CDialog::OnCancel();
}

void Probe::DoDataExchange(CDataExchange* pDX) {
    if (m_nIDTemplate == IDD_KELVANE_DIALOG)
        DDX_Control(pDX, IDC_SPIN, spin);
}

void Probe::OnDeltaPos(NMHDR* header, LRESULT* result) {
    const auto* request = reinterpret_cast<NMUPDOWN*>(header);
    log.push_back("delta " + std::to_string(request->iPos) + " " + std::to_string(request->iDelta));
    *result = deltaAnswer;
}

void Probe::OnSysCommand(UINT id, LPARAM lParam) {
    log.push_back("sys " + std::to_string(id));
    if (sysCommandsGoOn)
        CDialog::OnSysCommand(id, lParam);
}

void PressKey(Probe& probe, int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = probe.Window().focusWidget();
    if (target == nullptr)
        target = &probe.Window();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

void RunEventsFor(int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace qttest
