// The test driver: real mouse and key events through the dialog's window, so a disabled or
// covered control ignores a click as it would for a user.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QWindow>

#include "platform/framework/testing.h"
#include "platform/qt/controls.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/look.h"

#if defined(__SANITIZE_ADDRESS__)
#define KELVANE_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVANE_LEAK_CHECKED 1
#endif
#endif
#ifdef KELVANE_LEAK_CHECKED
// With the application still running at exit, the font library's state is reported as lost;
// it is the library's own, allocated when Qt first looks up a font.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif

namespace dlg::testing {

namespace {

class QtDialogDriver final : public DialogDriver {
public:
    explicit QtDialogDriver(qtport::DialogWindow& window) : m_window(window) {}

    void Click(int id) override {
        if (QWidget* control = m_window.Control(id))
            ClickAt(control, control->rect().center());
    }

    void Step(int spinId, int direction) override {
        QWidget* spin = m_window.Control(spinId);
        if (spin == nullptr)
            return;
        const int y = direction > 0 ? spin->height() / 4 : spin->height() * 3 / 4;
        ClickAt(spin, QPoint(spin->width() / 2, y));
    }

    bool SystemMenuCommand(UINT command) override {
        const qtport::SystemMenuModel* menu = m_window.SystemMenu();
        if (menu == nullptr)
            return false;
        for (const qtport::SystemMenuEntry& entry : menu->entries) {
            if (!entry.separator && entry.command == command) {
                m_window.SysCommand(command);
                return true;
            }
        }
        return false;
    }

    void PressEscape() override { PressKey(Qt::Key_Escape); }
    void PressEnter() override { PressKey(Qt::Key_Return); }

    bool Exists(int id) override { return m_window.Control(id) != nullptr; }
    bool IsChecked(int id) override {
        auto* button = dynamic_cast<QAbstractButton*>(m_window.Control(id));
        return button != nullptr && button->isChecked();
    }
    bool IsEnabled(int id) override {
        const QWidget* control = m_window.Control(id);
        return control != nullptr && !control->testAttribute(Qt::WA_ForceDisabled);
    }
    std::string Text(int id) override {
        return qtport::ControlText(m_window.Control(id)).toStdString();
    }
    bool HasEnded() override { return m_window.Ended(); }

private:
    void ClickAt(QWidget* control, const QPoint& local) {
        QWindow* window = m_window.windowHandle();
        if (window == nullptr)
            return;
        const QPointF at = control->mapTo(&m_window, local);
        const QPointF global = m_window.mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(window, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, global, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &release);
    }

    void PressKey(int key) {
        QWidget* target = m_window.focusWidget();
        if (target == nullptr)
            target = &m_window;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }

    qtport::DialogWindow& m_window;
};

}  // namespace

void InitPort(int& argc, char** argv) {
    if (QCoreApplication::instance() != nullptr)
        return;
    // Tests never open windows on a desktop unless asked to.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept until the process ends: the tests have no hook to end the port, and Qt cannot be
    // torn down from an exit handler once its own statics are gone.
    static QApplication* app = new QApplication(argc, argv);
    qtport::ApplyClassicLook(*app);
}

INT_PTR RunDialog(CDialog& dialog, const std::function<void(DialogDriver&)>& script) {
    return qtport::RunModal(dialog, [&dialog, &script](qtport::DialogWindow& window) {
        QtDialogDriver driver(window);
        if (script)
            script(driver);
        if (!window.Ended())
            dialog.EndDialog(IDCANCEL);
    });
}

void CloseModalAfter(
    int milliseconds,
    std::function<void(const std::string& caption, const std::string& text)> seen) {
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), [seen = std::move(seen)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        const std::string caption = modal->windowTitle().toStdString();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (seen)
                seen(caption, box->text().toStdString());
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            if (ok == nullptr && !box->buttons().isEmpty())
                ok = box->buttons().constFirst();
            if (ok != nullptr)
                ok->click();
            else
                box->done(QMessageBox::Ok);
        } else if (auto* window = dynamic_cast<qtport::DialogWindow*>(modal)) {
            if (seen)
                seen(caption, {});
            window->Command(window->DefaultId() != 0 ? window->DefaultId() : IDOK);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            if (seen)
                seen(caption, {});
            dialog->reject();
        } else {
            if (seen)
                seen(caption, {});
            modal->close();
        }
    });
}

}  // namespace dlg::testing
