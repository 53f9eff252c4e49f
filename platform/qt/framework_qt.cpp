// The framework's windows, controls, menus, painting and modal dialogs on Qt widgets.
#include <QAbstractButton>

#include "platform/framework/dialog.h"
#include "platform/framework/port.h"
#include "platform/framework/window.h"
#include "platform/qt/controls.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/handles.h"
#include "platform/qt/updown.h"

namespace dlg {

using qtport::DialogOf;
using qtport::ToWidget;

namespace {

qtport::UpDownControl* SpinOf(HWND handle) {
    return handle ? dynamic_cast<qtport::UpDownControl*>(ToWidget(handle)) : nullptr;
}

}  // namespace

void CWnd::EnableWindow(bool enable) {
    if (QWidget* widget = ToWidget(m_hWnd))
        widget->setEnabled(enable);
}

bool CWnd::IsWindowEnabled() const {
    // The window's own state, whatever its parent's.
    const QWidget* widget = ToWidget(m_hWnd);
    return widget != nullptr && !widget->testAttribute(Qt::WA_ForceDisabled);
}

void CWnd::SetWindowText(const std::string& text) {
    qtport::SetControlText(ToWidget(m_hWnd), QString::fromStdString(text));
}

std::string CWnd::GetWindowText() const {
    return qtport::ControlText(ToWidget(m_hWnd)).toStdString();
}

void CWnd::CheckDlgButton(int id, UINT check) {
    auto* button = dynamic_cast<QAbstractButton*>(ToWidget(port::DlgItem(m_hWnd, id)));
    if (button != nullptr && button->isCheckable())
        button->setChecked(check != BST_UNCHECKED);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    auto* button = dynamic_cast<QAbstractButton*>(ToWidget(port::DlgItem(m_hWnd, id)));
    return button != nullptr && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

HICON CWnd::SetIcon(HICON icon, bool big) {
    if (qtport::DialogWindow* window = DialogOf(m_hWnd))
        return window->SetIcon(icon, big);
    if (QWidget* widget = ToWidget(m_hWnd); widget && qtport::ToIcon(icon))
        widget->setWindowIcon(*qtport::ToIcon(icon));
    return nullptr;
}

bool CWnd::IsIconic() const {
    const QWidget* widget = ToWidget(m_hWnd);
    return widget != nullptr && widget->isMinimized();
}

void CWnd::GetClientRect(CRect* rect) const {
    if (rect == nullptr)
        return;
    const QWidget* widget = ToWidget(m_hWnd);
    *rect = widget ? CRect{0, 0, widget->width(), widget->height()} : CRect{};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM) {
    QWidget* widget = ToWidget(m_hWnd);
    if (widget == nullptr)
        return 0;
    if (message == WM_ICONERASEBKGND) {
        if (QPainter* painter = qtport::ToPainter(reinterpret_cast<HDC>(wParam))) {
            painter->fillRect(widget->rect(), widget->palette().window());
            return 1;
        }
    }
    return 0;
}

void CSpinButtonCtrl::SetRange(int lower, int upper) {
    if (qtport::UpDownControl* spin = SpinOf(m_hWnd))
        spin->SetRange(lower, upper);
}

void CSpinButtonCtrl::SetPos(int pos) {
    if (qtport::UpDownControl* spin = SpinOf(m_hWnd))
        spin->SetPos(pos);
}

int CSpinButtonCtrl::GetPos() const {
    const qtport::UpDownControl* spin = SpinOf(m_hWnd);
    return spin ? spin->Pos() : 0;
}

bool CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text) {
    auto* menu = static_cast<qtport::SystemMenuModel*>(m_hMenu);
    if (menu == nullptr)
        return false;
    qtport::SystemMenuEntry entry;
    entry.separator = (flags & MF_SEPARATOR) != 0;
    entry.command = static_cast<UINT>(id);
    entry.text = QString::fromUtf8(text ? text : "");
    menu->entries.push_back(entry);
    return true;
}

// Painting happens only inside the window's paint event, as between BeginPaint and EndPaint.
CPaintDC::CPaintDC(CWnd* wnd) : m_wnd(wnd) {
    qtport::DialogWindow* window = wnd ? DialogOf(wnd->m_hWnd) : nullptr;
    if (window == nullptr || !window->Painting())
        return;
    auto* painter = new QPainter(window);
    m_state = painter;
    m_hDC = qtport::ToHandle(painter);
}

CPaintDC::~CPaintDC() {
    delete static_cast<QPainter*>(m_state);
}

bool CPaintDC::DrawIcon(int x, int y, HICON icon) {
    QPainter* painter = qtport::ToPainter(m_hDC);
    const QIcon* image = qtport::ToIcon(icon);
    if (painter == nullptr || image == nullptr)
        return false;
    const int size = GetSystemMetrics(SM_CXICON);
    painter->drawPixmap(x, y, image->pixmap(size, size));
    return true;
}

int GetSystemMetrics(int index) {
    constexpr int kSmallIconX = 49;  // SM_CXSMICON
    constexpr int kSmallIconY = 50;  // SM_CYSMICON
    switch (index) {
        case SM_CXICON:
        case SM_CYICON:
            return 32;
        case kSmallIconX:
        case kSmallIconY:
            return 16;
        default:
            return 0;
    }
}

INT_PTR CDialog::DoModal() {
    return qtport::RunModal(*this, nullptr);
}

void CDialog::EndDialog(int result) {
    if (qtport::DialogWindow* window = DialogOf(m_hWnd))
        window->End(result);
}

void CDialog::OnSysCommand(UINT id, LPARAM) {
    if (qtport::DialogWindow* window = DialogOf(m_hWnd))
        window->DefaultSysCommand(id);
}

// Qt has painted the background already; there is nothing more to a dialog's own painting.
void CDialog::OnPaint() {}

namespace port {

HWND DlgItem(HWND dialog, int id) {
    qtport::DialogWindow* window = DialogOf(dialog);
    return window ? qtport::ToHandle(window->Control(id)) : nullptr;
}

HMENU SystemMenu(HWND window, bool revert) {
    qtport::DialogWindow* dialog = DialogOf(window);
    qtport::SystemMenuModel* menu = dialog ? dialog->SystemMenu() : nullptr;
    if (menu != nullptr && revert)
        menu->Reset();
    return menu;
}

}  // namespace port

}  // namespace dlg
