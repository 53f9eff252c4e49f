// The Open dialog: the common dialog, unless a test has installed a responder to answer it.
#include "platform/win32/native.h"

#include <vector>

#include "platform/framework/file_dialog.h"
#include "platform/framework/testing.h"

namespace dlg {

namespace {

testing::FileDialogResponder& Responder() {
    static testing::FileDialogResponder responder;
    return responder;
}

// "label\0patterns\0...\0\0", as the common dialog reads its filter.
std::string NativeFilter(const std::vector<FileFilter>& filters) {
    std::string native;
    for (const FileFilter& filter : filters) {
        native += filter.label;
        native += '\0';
        native += filter.patterns;
        native += '\0';
    }
    native += '\0';
    return native;
}

}  // namespace

void testing::SetFileDialogResponder(FileDialogResponder responder) {
    Responder() = std::move(responder);
}

INT_PTR CFileDialog::DoModal() {
    if (Responder()) {
        std::optional<std::string> chosen = Responder()(*this);
        if (!chosen)
            return IDCANCEL;
        m_path = *chosen;
        return IDOK;
    }

    const std::string filter = NativeFilter(m_filters);
    std::vector<char> file(32768, '\0');
    m_fileName.copy(file.data(), file.size() - 1);
    OPENFILENAMEA open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = m_parent != nullptr && m_parent->m_hWnd != nullptr
                         ? win32::Native(m_parent->m_hWnd)
                         : GetActiveWindow();
    open.lpstrFilter = m_filters.empty() ? nullptr : filter.c_str();
    open.nFilterIndex = 1;
    open.lpstrFile = file.data();
    open.nMaxFile = static_cast<DWORD>(file.size());
    open.lpstrDefExt = m_defaultExtension.empty() ? nullptr : m_defaultExtension.c_str();
    open.Flags = m_flags;
    const BOOL chosen = m_open ? GetOpenFileNameA(&open) : GetSaveFileNameA(&open);
    if (!chosen)
        return IDCANCEL;
    m_path = file.data();
    return IDOK;
}

}  // namespace dlg
