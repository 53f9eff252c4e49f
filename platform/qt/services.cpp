// Start-up services, the program's resources and the error box.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <filesystem>

#include "platform/framework/app.h"
#include "platform/qt/handles.h"
#include "res/resource.h"
#include "res/strings.h"

// The icons live in this static library; nothing else references them, so they are pulled in
// by name. The registration must be called from the global namespace.
static void RegisterIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace dlg {

namespace qtport {

const QIcon* ResourceIcon(UINT id) {
    if (id != IDR_MAINFRAME || QCoreApplication::instance() == nullptr)
        return nullptr;
    // Built once and kept for the life of the process; windows keep copies of it.
    static const QIcon* icon = [] {
        RegisterIconResources();
        auto* images = new QIcon;
        for (int size : {16, 32, 48})
            images->addFile(QStringLiteral(":/kelvane/kelvane-%1.png").arg(size),
                            QSize(size, size));
        return images;
    }();
    return icon;
}

}  // namespace qtport

HICON CWinApp::LoadIcon(UINT id) const {
    return qtport::ToHandle(qtport::ResourceIcon(id));
}

// Qt's widgets need no registration of control classes.
bool InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    return init != nullptr;
}

bool LoadResourceString(UINT id, std::string& text) {
    text = id == IDS_ABOUTBOX ? IDS_ABOUTBOX_TEXT : "";
    return !text.empty();
}

std::string AppName() {
    if (QCoreApplication::instance() != nullptr)
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : self.stem().string();
}

int AfxMessageBox(const char* text, UINT type) {
    const QString message = QString::fromUtf8(text ? text : "");
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        return IDOK;
    }
    // An OK box whose caller names no icon gets the exclamation mark.
    QMessageBox::Icon icon = QMessageBox::Warning;
    switch (type & 0xF0) {
        case 0x10:
            icon = QMessageBox::Critical;
            break;
        case 0x20:
            icon = QMessageBox::Question;
            break;
        case 0x40:
            icon = QMessageBox::Information;
            break;
        default:
            break;
    }
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr)
        owner = QApplication::activeWindow();
    QMessageBox box(icon, QString::fromStdString(AppName()), message, QMessageBox::Ok, owner);
    box.exec();
    return IDOK;
}

}  // namespace dlg
