// The few native lookups that the port-neutral part of the framework needs from a port.
#pragma once

#include "platform/framework/types.h"

namespace dlg::port {

// The child control `id` of a dialog, or nullptr.
HWND DlgItem(HWND dialog, int id);
// The window's system menu (restored first when `revert`), or nullptr.
HMENU SystemMenu(HWND window, bool revert);

}  // namespace dlg::port
