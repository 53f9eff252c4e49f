#include "platform/qt/dialog_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "platform/qt/controls.h"
#include "platform/qt/handles.h"
#include "platform/qt/updown.h"
#include "platform/styles.h"

namespace dlg::qtport {

namespace {

constexpr UINT kSysCommandMask = 0xFFF0;  // the low four bits are the platform's own
constexpr UINT kMinimize = 0xF020;        // SC_MINIMIZE
constexpr UINT kRestore = 0xF120;         // SC_RESTORE

// The owner of a modal dialog: its parent, else the modal dialog open now, else the active window.
QWidget* OwnerFor(CDialog& dialog) {
    if (CWnd* parent = dialog.GetParentWnd(); parent && parent->m_hWnd)
        return ToWidget(parent->m_hWnd)->window();
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

}  // namespace

void SystemMenuModel::Reset() {
    entries = {{false, SC_CLOSE, QStringLiteral("&Close")}};
}

DialogWindow* DialogOf(HWND handle) {
    return handle ? dynamic_cast<DialogWindow*>(ToWidget(handle)) : nullptr;
}

INT_PTR RunModal(CDialog& dialog, const std::function<void(DialogWindow&)>& inLoop) {
    const res::DialogTemplate* tmpl =
        res::FindDialogTemplate(static_cast<int>(dialog.GetTemplateId()));
    if (tmpl == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return -1;
    QWidget* owner = OwnerFor(dialog);
    DialogWindow window(dialog, *tmpl, owner);
    dialog.m_hWnd = ToHandle(&window);
    const bool defaultFocus = dialog.OnInitDialog();
    if (!window.Ended()) {
        if (defaultFocus)
            window.FocusFirstTabStop();
        window.PlaceCentred(owner);
        if (inLoop)
            QTimer::singleShot(0, &window, [&window, &inLoop] { inLoop(window); });
        window.exec();
    }
    dialog.m_hWnd = nullptr;
    return window.EndResult();
}

QWidget* DialogWindow::Control(int id) const {
    for (const Item& item : m_items) {
        if (item.tmpl->id == id)
            return item.widget;
    }
    return nullptr;
}

int DialogWindow::ControlId(const QWidget* widget) const {
    const Item* item = Find(widget);
    return item ? item->tmpl->id : 0;
}

const DialogWindow::Item* DialogWindow::Find(const QWidget* widget) const {
    for (const Item& item : m_items) {
        if (item.widget == widget)
            return &item;
    }
    return nullptr;
}

void DialogWindow::Command(int id) {
    MessageArgs args;
    if (m_dialog.Dispatch(MessageKind::Command, BN_CLICKED, id, args))
        return;
    if (id == IDOK)
        m_dialog.OnOK();
    else if (id == IDCANCEL)
        m_dialog.OnCancel();
}

void DialogWindow::SysCommand(UINT command, LPARAM lParam) {
    MessageArgs args;
    args.sysCommand = command;
    args.lParam = lParam;
    if (!m_dialog.Dispatch(MessageKind::SysCommand, 0, 0, args))
        DefaultSysCommand(command);
}

void DialogWindow::DefaultSysCommand(UINT command) {
    switch (command & kSysCommandMask) {
        case SC_CLOSE:
            // Closing a dialog is its Cancel command.
            Command(IDCANCEL);
            break;
        case kMinimize:
            showMinimized();
            break;
        case kRestore:
            showNormal();
            break;
        default:
            break;
    }
}

void DialogWindow::PressEnter() {
    // A focused push button is the default button while it has the focus.
    QWidget* focus = focusWidget();
    if (dynamic_cast<PushButton*>(focus) && Find(focus)) {
        Command(ControlId(focus));
        return;
    }
    if (m_defaultId != 0) {
        QWidget* button = Control(m_defaultId);
        if (button == nullptr || button->isEnabled())
            Command(m_defaultId);
        return;
    }
    Command(IDOK);
}

void DialogWindow::ShowSystemMenu(const QPoint& globalPos) {
    if (!m_hasSystemMenu)
        return;
    QMenu menu(this);
    for (const SystemMenuEntry& entry : m_systemMenu.entries) {
        if (entry.separator) {
            menu.addSeparator();
            continue;
        }
        const bool close = (entry.command & kSysCommandMask) == SC_CLOSE;
        QAction* action =
            menu.addAction(close ? entry.text + QStringLiteral("\tAlt+F4") : entry.text);
        action->setData(entry.command);
        if (close) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
        }
    }
    if (QAction* chosen = menu.exec(globalPos))
        SysCommand(chosen->data().toUInt());
}

void DialogWindow::End(int result) {
    m_ended = true;
    m_result = result;
    done(result);
}

HICON DialogWindow::SetIcon(HICON icon, bool big) {
    HICON& slot = m_icons[big ? 0 : 1];
    HICON previous = slot;
    slot = icon;
    if (const QIcon* image = ToIcon(icon))
        setWindowIcon(*image);
    return previous;
}

void DialogWindow::FocusFirstTabStop() {
    for (const Item& item : m_items) {
        if ((item.tmpl->style & WS_TABSTOP) && item.widget->focusPolicy() != Qt::NoFocus &&
            item.widget->isEnabled() && item.widget->isVisibleTo(this)) {
            item.widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void DialogWindow::PlaceCentred(QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const bool overOwner = owner != nullptr && owner->isVisible();
    const QRect over = overOwner ? owner->frameGeometry() : available;
    // The platform centres the whole window. Its frame is not known before it is shown; the
    // owner's, from the same window manager, is the best guess.
    QMargins frame;
    if (overOwner) {
        const QRect outer = owner->frameGeometry();
        const QRect inner = owner->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize outerSize = size().grownBy(frame);
    QPoint topLeft(over.left() + (over.width() - outerSize.width()) / 2,
                   over.top() + (over.height() - outerSize.height()) / 2);
    topLeft.setX(std::clamp(topLeft.x(), available.left(),
                            std::max(available.left(), available.right() + 1 - outerSize.width())));
    topLeft.setY(
        std::clamp(topLeft.y(), available.top(),
                   std::max(available.top(), available.bottom() + 1 - outerSize.height())));
    move(topLeft);
}

void DialogWindow::ClearGroupRadios(const QWidget* marked) {
    const Item* markedItem = Find(marked);
    if (markedItem == nullptr)
        return;
    for (const Item& item : m_items) {
        if (item.group != markedItem->group || item.widget == marked)
            continue;
        if (auto* radio = dynamic_cast<RadioButton*>(item.widget))
            radio->setChecked(false);
    }
}

void DialogWindow::MoveInGroup(QWidget* from, bool previous) {
    const Item* current = Find(from);
    if (current == nullptr)
        return;
    std::vector<QWidget*> members;
    for (const Item& item : m_items) {
        if (item.group == current->group &&
            (item.widget == from || (item.widget->focusPolicy() != Qt::NoFocus &&
                                     item.widget->isEnabled() && item.widget->isVisibleTo(this))))
            members.push_back(item.widget);
    }
    const auto at = std::find(members.begin(), members.end(), from) - members.begin();
    const auto count = static_cast<std::ptrdiff_t>(members.size());
    QWidget* next = members[static_cast<std::size_t>((at + (previous ? count - 1 : 1)) % count)];
    if (next == from)
        return;
    next->setFocus(Qt::OtherFocusReason);
    // Moving onto an automatic radio button with the arrows marks it.
    if (auto* radio = dynamic_cast<RadioButton*>(next); radio && !radio->isChecked())
        radio->click();
}

bool DialogWindow::HandleDialogKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (mods == Qt::NoModifier && key == Qt::Key_Escape) {
        Command(IDCANCEL);
    } else if (mods == Qt::NoModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        PressEnter();
    } else if ((mods == Qt::NoModifier && key == Qt::Key_Menu) ||
               (mods == Qt::ShiftModifier && key == Qt::Key_F10) ||
               (mods == Qt::AltModifier && key == Qt::Key_Space)) {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
    } else if (mods == Qt::AltModifier && key == Qt::Key_F4) {
        SysCommand(SC_CLOSE);
    } else if (mods == Qt::NoModifier && (key == Qt::Key_Up || key == Qt::Key_Down ||
                                          key == Qt::Key_Left || key == Qt::Key_Right)) {
        // Buttons leave the arrows to the dialog, which moves within the group.
        QWidget* focus = focusWidget();
        if (!dynamic_cast<QAbstractButton*>(focus))
            return false;
        MoveInGroup(focus, key == Qt::Key_Up || key == Qt::Key_Left);
    } else {
        return false;
    }
    return true;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        Find(static_cast<QWidget*>(watched))) {
        if (HandleDialogKey(static_cast<QKeyEvent*>(event)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    // QDialog's own Escape and Enter would end the dialog behind the message map's back.
    if (!HandleDialogKey(event))
        QWidget::keyPressEvent(event);
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (m_ended) {
        event->accept();
        return;
    }
    // The close box, the window manager's Close and Alt+F4 are the system command Close; the
    // dialog ends, if at all, through EndDialog.
    event->ignore();
    SysCommand(SC_CLOSE);
}

void DialogWindow::paintEvent(QPaintEvent*) {
    m_painting = true;
    MessageArgs args;
    m_dialog.Dispatch(MessageKind::Paint, 0, 0, args);
    m_painting = false;
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        // Only the dialog's background (with its texts and frames) opens it.
        QWidget* under = childAt(event->pos());
        if (dynamic_cast<QAbstractButton*>(under) || dynamic_cast<QLineEdit*>(under) ||
            dynamic_cast<UpDownControl*>(under)) {
            event->ignore();
            return;
        }
        ShowSystemMenu(event->globalPos());
    } else {
        ShowSystemMenu(mapToGlobal(QPoint(0, 0)));
    }
}

}  // namespace dlg::qtport
