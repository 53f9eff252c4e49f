// The native window of a CDialog: a QDialog holding the template's controls, that turns what the
// user does into the messages the dialog's message map expects and keeps the platform's dialog
// manager rules (default button, Escape, groups, closing only through EndDialog).
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "platform/framework/dialog.h"
#include "res/templates.h"

namespace dlg::qtport {

// The stand-in for the system menu: Linux window managers keep the window menu to themselves,
// so the dialog shows this one as its context menu.
struct SystemMenuEntry {
    bool separator = false;
    UINT command = 0;
    QString text;
};
struct SystemMenuModel {
    std::vector<SystemMenuEntry> entries;
    void Reset();  // the standard entries only
};

class DialogWindow : public QDialog {
public:
    DialogWindow(CDialog& dialog, const res::DialogTemplate& tmpl, QWidget* owner);

    CDialog& Dialog() { return m_dialog; }
    // The control `id` (the first, for a shared identifier), or nullptr.
    QWidget* Control(int id) const;
    int ControlId(const QWidget* widget) const;

    // A click of control `id`: BN_CLICKED through the message map; OK and Cancel fall back to
    // OnOK and OnCancel.
    void Command(int id);
    // WM_SYSCOMMAND through the message map, with the default handling when nothing handles it.
    void SysCommand(UINT command, LPARAM lParam = 0);
    // What the platform does with a system command nobody handled.
    void DefaultSysCommand(UINT command);
    // Enter, as the dialog manager sees it.
    void PressEnter();
    // The default push button's identifier, 0 when there is none.
    int DefaultId() const { return m_defaultId; }

    SystemMenuModel* SystemMenu() { return m_hasSystemMenu ? &m_systemMenu : nullptr; }
    void ShowSystemMenu(const QPoint& globalPos);

    void End(int result);
    bool Ended() const { return m_ended; }
    int EndResult() const { return m_result; }

    HICON SetIcon(HICON icon, bool big);
    bool Painting() const { return m_painting; }

    // Gives the focus to the first enabled, visible tab stop.
    void FocusFirstTabStop();
    // Centres the window over `owner`, or on the screen without one.
    void PlaceCentred(QWidget* owner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Item {
        const res::ControlTemplate* tmpl;
        QWidget* widget;
        int group;  // controls from one WS_GROUP to the next share a number
    };

    void Build(const res::DialogTemplate& tmpl);  // dialog_builder.cpp
    QWidget* CreateControl(const res::ControlTemplate& control);
    void ClearGroupRadios(const QWidget* marked);
    bool HandleDialogKey(QKeyEvent* event);
    void MoveInGroup(QWidget* from, bool previous);
    const Item* Find(const QWidget* widget) const;

    CDialog& m_dialog;
    std::vector<Item> m_items;
    int m_defaultId = 0;
    bool m_hasSystemMenu = false;
    SystemMenuModel m_systemMenu;
    bool m_ended = false;
    int m_result = 0;
    bool m_painting = false;
    HICON m_icons[2] = {nullptr, nullptr};
};

// The window of a dialog handle, or nullptr.
DialogWindow* DialogOf(HWND handle);

// Creates the dialog's window from its template, calls OnInitDialog, and runs its modal loop
// until EndDialog; `inLoop` (when set) runs inside the loop once the window is shown. Returns
// EndDialog's result, or -1 when the dialog cannot be created.
INT_PTR RunModal(CDialog& dialog, const std::function<void(DialogWindow&)>& inLoop);

}  // namespace dlg::qtport
