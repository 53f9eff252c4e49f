// What every source of the Win32 port includes first: the platform's headers, then our framework's.
// windows.h turns several of our member names (SetWindowText, LoadIcon, ...) into their ANSI or
// wide names; those macros go before our headers are read, and the port calls the ...A functions
// by name.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>  // before the others, which build on it

#include <commctrl.h>
#include <commdlg.h>

#undef AppendMenu
#undef GetWindowText
#undef LoadIcon
#undef SendMessage
#undef SetWindowText

#include "platform/framework/types.h"

namespace dlg::win32 {

// Our framework keeps native handles opaque; these give them back their types.
inline ::HWND Native(dlg::HWND window) {
    return static_cast<::HWND>(window);
}
inline ::HMENU NativeMenu(dlg::HMENU menu) {
    return static_cast<::HMENU>(menu);
}
inline ::HICON NativeIcon(dlg::HICON icon) {
    return static_cast<::HICON>(icon);
}

inline ::HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

}  // namespace dlg::win32
