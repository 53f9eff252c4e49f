// A dialog on the program's templates that records what reaches its message map, for tests of
// the port itself (the program's own dialog is tested in tests/dialog).
#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "platform/framework/dialog.h"
#include "platform/qt/dialog_window.h"
#include "res/resource.h"

namespace qttest {

class Probe : public dlg::CDialog {
public:
    explicit Probe(dlg::UINT id = IDD_KELVANE_DIALOG, dlg::CWnd* parent = nullptr)
        : CDialog(id, parent) {}

    // "click 1003", "delta 6 1", "sys 61536", "ok", "cancel".
    std::vector<std::string> log;
    dlg::LRESULT deltaAnswer = 0;
    bool sysCommandsGoOn = true;  // handled system commands reach the default handling too
    std::function<void(Probe&)> onInit;
    dlg::CSpinButtonCtrl spin;

    dlg::qtport::DialogWindow& Window() { return *dlg::qtport::DialogOf(m_hWnd); }
    QWidget* Control(int id) { return Window().Control(id); }

    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void DoDataExchange(dlg::CDataExchange* pDX) override;
    template <int Id>
    void OnClicked() {
        log.push_back("click " + std::to_string(Id));
    }
    void OnDeltaPos(dlg::NMHDR* header, dlg::LRESULT* result);
    void OnSysCommand(dlg::UINT id, dlg::LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// Key presses as the keyboard sends them: to the widget with the focus.
void PressKey(Probe& probe, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Lets the event loop run for a while (timers, repeats).
void RunEventsFor(int milliseconds);

}  // namespace qttest
