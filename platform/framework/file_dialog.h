// The Open dialog.
#pragma once

#include <string>
#include <vector>

#include "platform/framework/window.h"

namespace dlg {

struct FileFilter {
    std::string label;     // "ROM files (.nba;.nbh;.nb;.nb0)"
    std::string patterns;  // "*.nba;*.nbh;*.nb;*.nb0"
};

// "label|patterns|label|patterns||" as the platform's filter strings are written.
std::vector<FileFilter> ParseFileFilter(const char* filter);

class CFileDialog {
public:
    CFileDialog(bool openFileDialog, const char* defaultExtension = nullptr,
                const char* fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK when a file was chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();
    std::string GetPathName() const { return m_path; }

    bool IsOpenDialog() const { return m_open; }
    DWORD GetFlags() const { return m_flags; }
    const std::vector<FileFilter>& GetFilters() const { return m_filters; }
    CWnd* GetOwner() const { return m_parent; }
    const std::string& GetDefaultExtension() const { return m_defaultExtension; }
    const std::string& GetInitialFileName() const { return m_fileName; }

private:
    bool m_open;
    std::string m_defaultExtension;
    std::string m_fileName;
    DWORD m_flags;
    std::vector<FileFilter> m_filters;
    CWnd* m_parent;
    std::string m_path;
};

}  // namespace dlg
