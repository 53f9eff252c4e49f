#include "platform/qt/file_dialog_qt.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "platform/framework/testing.h"
#include "platform/qt/handles.h"

namespace dlg {

namespace {

testing::FileDialogResponder& Responder() {
    static testing::FileDialogResponder responder;
    return responder;
}

}  // namespace

namespace qtport {

QString NameFilter(const FileFilter& filter) {
    QStringList patterns;
    for (const QString& pattern :
         QString::fromStdString(filter.patterns).split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (!trimmed.isEmpty())
            patterns << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    if (patterns.isEmpty())
        patterns << QStringLiteral("*");
    return QString::fromStdString(filter.label) + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

}  // namespace qtport

namespace testing {

void SetFileDialogResponder(FileDialogResponder responder) {
    Responder() = std::move(responder);
}

}  // namespace testing

INT_PTR CFileDialog::DoModal() {
    if (const testing::FileDialogResponder& responder = Responder()) {
        const std::optional<std::string> answer = responder(*this);
        if (!answer)
            return IDCANCEL;
        m_path = *answer;
        return IDOK;
    }
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return IDCANCEL;

    QWidget* owner = m_parent && m_parent->m_hWnd ? qtport::ToWidget(m_parent->m_hWnd)->window()
                                                  : QApplication::activeModalWidget();
    QFileDialog dialog(owner, m_open ? QStringLiteral("Open") : QStringLiteral("Save As"));
    dialog.setAcceptMode(m_open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(m_open && (m_flags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                               : QFileDialog::AnyFile);
    // Each entry shows its label only; its patterns are already part of it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!m_open && !(m_flags & OFN_OVERWRITEPROMPT))
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const FileFilter& filter : m_filters) filters << qtport::NameFilter(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!m_defaultExtension.empty())
        dialog.setDefaultSuffix(QString::fromStdString(m_defaultExtension));
    if (!m_fileName.empty())
        dialog.selectFile(QString::fromStdString(m_fileName));

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return IDCANCEL;
    m_path = QFile::encodeName(QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath())
                 .toStdString();
    return IDOK;
}

}  // namespace dlg
