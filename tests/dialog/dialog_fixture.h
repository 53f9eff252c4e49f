// Runs the real main dialog on the port, answering its Open dialog with generated images.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/framework/testing.h"
#include "res/resource.h"
#include "tests/support/temp_file.h"
#include "ui/kelvane_dlg.h"

namespace dialogtest {

using dlg::testing::DialogDriver;
using testsupport::Bytes;

inline constexpr const char* kReady = "Ready.";
inline constexpr const char* kNothingFound =
    "Nothing found. Invalid, unknown or encrypted ROM file. Select another.";
inline constexpr const char* kFoundAt9c5b =
    "Detected as ROM file. PagePool size found, offset: 9c5b";

inline constexpr int kPresetIds[] = {IDC_WHOLE_4,  IDC_WHOLE_6,  IDC_WHOLE_8,
                                     IDC_WHOLE_12, IDC_WHOLE_16, IDC_WHOLE_20,
                                     IDC_WHOLE_24, IDC_WHOLE_32, IDC_WHOLE_64};

class DialogTest : public ::testing::Test {
protected:
    ~DialogTest() override { dlg::testing::SetFileDialogResponder({}); }

    // Writes an image holding `value` and returns its path.
    std::string Image(std::uint32_t value, const char* name = "image.nb") {
        std::string path = m_dir.File(name);
        testsupport::WriteFile(path, testsupport::MakeImage(value).bytes);
        return path;
    }

    // The next Open dialog chooses `path` (nullopt: the user cancels).
    void Choose(std::optional<std::string> path) {
        dlg::testing::SetFileDialogResponder([path](const dlg::CFileDialog&) { return path; });
    }

    // Runs the main dialog with `script`.
    dlg::INT_PTR Run(const std::function<void(DialogDriver&)>& script) {
        CKelvaneDlg dialog;
        return dlg::testing::RunDialog(dialog, script);
    }

    // Selects `path` in the dialog.
    void Select(DialogDriver& d, const std::string& path) {
        Choose(path);
        d.Click(IDC_SELECT);
    }

    testsupport::TempDir m_dir;
    testsupport::MessageCapture m_messages;
};

// Which of the ids are checked, as a string of 0 and 1 (easy to read in a failure).
inline std::string Marks(DialogDriver& d, int first, int count) {
    std::string marks;
    for (int i = 0; i < count; ++i) marks += d.IsChecked(first + i) ? '1' : '0';
    return marks;
}

inline std::string PresetMarks(DialogDriver& d) {
    std::string marks;
    for (int id : kPresetIds) marks += d.IsChecked(id) ? '1' : '0';
    return marks;
}

}  // namespace dialogtest
