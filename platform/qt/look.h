// The classic look of the dialogs: the palette of the 3D-face system colours and the few edges,
// marks and texts the controls draw with them. Qt's own styles round and shade what the
// dialog's flat controls draw as single dark lines, so the controls paint themselves.
#pragma once

#include <QColor>
#include <QPalette>
#include <QRect>

class QApplication;
class QPainter;
class QString;

namespace dlg::qtport {

namespace colors {
inline const QColor kFace{0xF0, 0xF0, 0xF0};
inline const QColor kLight{0xE3, 0xE3, 0xE3};
inline const QColor kHighlight{0xFF, 0xFF, 0xFF};
inline const QColor kShadow{0xA0, 0xA0, 0xA0};
inline const QColor kDarkShadow{0x69, 0x69, 0x69};
inline const QColor kFrame{0x00, 0x00, 0x00};
inline const QColor kWindow{0xFF, 0xFF, 0xFF};
inline const QColor kText{0x00, 0x00, 0x00};
inline const QColor kGrayText{0x6D, 0x6D, 0x6D};
inline const QColor kHotLight{0x00, 0x66, 0xCC};
inline const QColor kSelection{0x33, 0x99, 0xFF};
}  // namespace colors

// Fusion with the 3D-face palette; also keeps Qt from quitting when a dialog closes, since the
// modal loops, not QApplication::exec, run this program.
void ApplyClassicLook(QApplication& app);
QPalette ClassicPalette();

// The two-pixel sunken edge of an edit box and the raised edge of a button.
void DrawSunkenEdge(QPainter& painter, const QRect& rect);
void DrawRaisedEdge(QPainter& painter, const QRect& rect);
// The etched line of a group box.
void DrawEtchedFrame(QPainter& painter, const QRect& rect);
// A one-pixel rectangle.
void DrawFrame(QPainter& painter, const QRect& rect, const QColor& color);
// The dotted rectangle of the control with the keyboard focus.
void DrawFocusRect(QPainter& painter, const QRect& rect);
// Text as a control shows it: in the text colour, or embossed grey when disabled.
void DrawControlText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                     bool enabled);

}  // namespace dlg::qtport
