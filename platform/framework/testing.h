// What the dialog tests need of a port: to start it, to drive a dialog through its control
// identifiers as a user would, and to answer or close the modal services. Each port implements
// this, so one dialog suite runs unchanged on all of them.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/framework/dialog.h"
#include "platform/framework/file_dialog.h"

namespace dlg::testing {

// Starts the port for a test program (before any dialog).
void InitPort(int& argc, char** argv);

class DialogDriver {
public:
    virtual ~DialogDriver() = default;
    // A user's click on a button: nothing happens when it is disabled.
    virtual void Click(int id) = 0;
    // One press of the up-down control's up (+1) or down (-1) arrow.
    virtual void Step(int spinId, int direction) = 0;
    // Chooses the entry with `command` in the dialog's system menu; false when there is none.
    virtual bool SystemMenuCommand(UINT command) = 0;
    // Presses Escape, or Enter, in the dialog.
    virtual void PressEscape() = 0;
    virtual void PressEnter() = 0;

    virtual bool Exists(int id) = 0;
    virtual bool IsChecked(int id) = 0;
    virtual bool IsEnabled(int id) = 0;
    virtual std::string Text(int id) = 0;
    // True once the dialog has ended (its result is what RunDialog returns).
    virtual bool HasEnded() = 0;
};

// Creates `dialog` as DoModal does (OnInitDialog included), runs `script` inside its loop, and
// returns the dialog's result; a dialog the script left open is ended with IDCANCEL.
INT_PTR RunDialog(CDialog& dialog, const std::function<void(DialogDriver&)>& script);

// Answers every later Open dialog instead of showing it: the path to choose, or nullopt to
// cancel. An empty responder shows the real dialog again.
using FileDialogResponder = std::function<std::optional<std::string>(const CFileDialog&)>;
void SetFileDialogResponder(FileDialogResponder responder);

// After `milliseconds`, closes the modal window (dialog or message box) that is then active
// with its default button, and reports its caption and text (the box's message, empty for a
// dialog) to `seen`. Returns at once.
void CloseModalAfter(int milliseconds,
                     std::function<void(const std::string& caption, const std::string& text)> seen);

}  // namespace dlg::testing
