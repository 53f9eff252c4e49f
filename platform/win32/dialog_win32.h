// What the rest of the Win32 port needs to know about the modal dialogs that CDialog runs.
#pragma once

#include "platform/win32/native.h"

#include "platform/framework/dialog.h"

namespace dlg::win32 {

// The CDialog behind a window, when the window is one of our dialogs (not a message box or a
// common dialog); nullptr otherwise.
CDialog* DialogOf(::HWND window);

// True once EndDialog has been called on one of our dialogs; its window lives on until its
// modal loop has returned.
bool DialogEnded(::HWND window);

}  // namespace dlg::win32
