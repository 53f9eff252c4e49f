// The framework's opaque handles as this port fills them: a window or control is its QWidget,
// an icon a QIcon, a device context the QPainter of the paint in progress.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QWidget>

#include "platform/framework/types.h"

namespace dlg::qtport {

inline HWND ToHandle(QWidget* widget) {
    return static_cast<void*>(widget);
}
inline QWidget* ToWidget(HWND handle) {
    return static_cast<QWidget*>(handle);
}

inline HICON ToHandle(const QIcon* icon) {
    return const_cast<QIcon*>(icon);
}
inline const QIcon* ToIcon(HICON handle) {
    return static_cast<const QIcon*>(handle);
}

inline HDC ToHandle(QPainter* painter) {
    return painter;
}
inline QPainter* ToPainter(HDC handle) {
    return static_cast<QPainter*>(handle);
}

// The program's icon resource `id` (all its sizes), or nullptr.
const QIcon* ResourceIcon(UINT id);

}  // namespace dlg::qtport
