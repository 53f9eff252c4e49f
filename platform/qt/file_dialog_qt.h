// The Open dialog's parts that tests look at.
#pragma once

#include <QString>

#include "platform/framework/file_dialog.h"

namespace dlg::qtport {

// A filter entry as a Qt name filter: its label, then its ';'-separated patterns in the
// parentheses Qt reads them from ("*.*" matching every file, as it does on the platform).
QString NameFilter(const FileFilter& filter);

}  // namespace dlg::qtport
