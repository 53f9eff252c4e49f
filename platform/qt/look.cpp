#include "platform/qt/look.h"

#include <QApplication>
#include <QPainter>
#include <QString>
#include <QStyleFactory>

namespace dlg::qtport {

QPalette ClassicPalette() {
    using namespace colors;
    QPalette palette(kText, kFace, kHighlight, kShadow, kShadow, kText, kWindow);
    palette.setColor(QPalette::Midlight, kLight);
    palette.setColor(QPalette::Shadow, kDarkShadow);
    palette.setColor(QPalette::ButtonText, kText);
    palette.setColor(QPalette::Highlight, kSelection);
    palette.setColor(QPalette::HighlightedText, kWindow);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, kText);
    palette.setColor(QPalette::Link, kHotLight);
    palette.setColor(QPalette::PlaceholderText, kGrayText);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, kGrayText);
    palette.setColor(QPalette::Disabled, QPalette::Base, kFace);
    return palette;
}

void ApplyClassicLook(QApplication& app) {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(fusion);
    app.setPalette(ClassicPalette());
    app.setQuitOnLastWindowClosed(false);
}

namespace {

// Top and left in one colour, bottom and right in another, one pixel wide.
void DrawBevel(QPainter& painter, const QRect& r, const QColor& topLeft,
               const QColor& bottomRight) {
    painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

}  // namespace

void DrawSunkenEdge(QPainter& painter, const QRect& rect) {
    DrawBevel(painter, rect, colors::kShadow, colors::kHighlight);
    DrawBevel(painter, rect.adjusted(1, 1, -1, -1), colors::kDarkShadow, colors::kLight);
}

void DrawRaisedEdge(QPainter& painter, const QRect& rect) {
    DrawBevel(painter, rect, colors::kLight, colors::kDarkShadow);
    DrawBevel(painter, rect.adjusted(1, 1, -1, -1), colors::kHighlight, colors::kShadow);
}

void DrawEtchedFrame(QPainter& painter, const QRect& rect) {
    DrawFrame(painter, rect.adjusted(1, 1, 0, 0), colors::kHighlight);
    DrawFrame(painter, rect.adjusted(0, 0, -1, -1), colors::kShadow);
}

void DrawFrame(QPainter& painter, const QRect& r, const QColor& color) {
    painter.fillRect(r.left(), r.top(), r.width(), 1, color);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, color);
    painter.fillRect(r.left(), r.top(), 1, r.height(), color);
    painter.fillRect(r.right(), r.top(), 1, r.height(), color);
}

void DrawFocusRect(QPainter& painter, const QRect& r) {
    // Every other pixel, starting at the corner, as the platform draws it.
    for (int x = r.left(); x <= r.right(); x += 2) {
        painter.fillRect(x, r.top(), 1, 1, colors::kText);
        painter.fillRect(x, r.bottom(), 1, 1, colors::kText);
    }
    for (int y = r.top(); y <= r.bottom(); y += 2) {
        painter.fillRect(r.left(), y, 1, 1, colors::kText);
        painter.fillRect(r.right(), y, 1, 1, colors::kText);
    }
}

void DrawControlText(QPainter& painter, const QRect& rect, int flags, const QString& text,
                     bool enabled) {
    painter.save();
    if (enabled) {
        painter.setPen(colors::kText);
        painter.drawText(rect, flags, text);
    } else {
        painter.setPen(colors::kHighlight);
        painter.drawText(rect.translated(1, 1), flags, text);
        painter.setPen(colors::kShadow);
        painter.drawText(rect, flags, text);
    }
    painter.restore();
}

}  // namespace dlg::qtport
