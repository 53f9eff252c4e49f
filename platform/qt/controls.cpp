#include "platform/qt/controls.h"

#include <QPainter>

#include "platform/qt/look.h"

namespace dlg::qtport {

namespace {

constexpr int kRadioBox = 13;  // the platform's radio mark, at 96 dpi

}  // namespace

PushButton::PushButton(const QString& text, bool flat, QWidget* parent)
    : QPushButton(text, parent), m_flat(flat) {}

void PushButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    painter.fillRect(r, colors::kFace);
    // The default button (the one Enter presses, which follows the focus among push buttons)
    // wears an extra black frame.
    if (isDefault()) {
        DrawFrame(painter, r, colors::kFrame);
        r.adjust(1, 1, -1, -1);
    }
    const bool down = isDown();
    if (m_flat) {
        DrawFrame(painter, r, colors::kFrame);
    } else if (down) {
        DrawFrame(painter, r, colors::kShadow);
    } else {
        DrawRaisedEdge(painter, r);
    }
    QRect textRect = r.adjusted(2, 2, -2, -2);
    if (down)
        textRect.translate(1, 1);
    DrawControlText(painter, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, text(), isEnabled());
    if (hasFocus())
        DrawFocusRect(painter, r.adjusted(3, 3, -3, -3));
}

RadioButton::RadioButton(const QString& text, bool flat, QWidget* parent)
    : QAbstractButton(parent), m_flat(flat) {
    setText(text);
    setCheckable(true);
    setAutoExclusive(false);
}

void RadioButton::nextCheckState() {
    setChecked(true);
    if (m_onMark)
        m_onMark(*this);
}

void RadioButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect box(0, (height() - kRadioBox) / 2, kRadioBox, kRadioBox);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ring = QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setBrush(isEnabled() ? colors::kWindow : colors::kFace);
    if (m_flat) {
        painter.setPen(QPen(colors::kFrame, 1));
        painter.drawEllipse(ring);
    } else {
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(ring);
        painter.setBrush(Qt::NoBrush);
        const QRectF inner = ring.adjusted(1, 1, -1, -1);
        painter.setPen(QPen(colors::kShadow, 1));
        painter.drawArc(ring, 45 * 16, 180 * 16);
        painter.setPen(QPen(colors::kHighlight, 1));
        painter.drawArc(ring, 225 * 16, 180 * 16);
        painter.setPen(QPen(colors::kDarkShadow, 1));
        painter.drawArc(inner, 45 * 16, 180 * 16);
        painter.setPen(QPen(colors::kLight, 1));
        painter.drawArc(inner, 225 * 16, 180 * 16);
    }
    if (isChecked()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(isEnabled() ? colors::kText : colors::kGrayText);
        painter.drawEllipse(QRectF(box).adjusted(4, 4, -4, -4));
    }
    painter.restore();

    const int gap = qMax(3, fontMetrics().averageCharWidth() / 2);
    const QRect textArea = rect().adjusted(kRadioBox + gap, 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
    DrawControlText(painter, textArea, flags, text(), isEnabled());
    if (hasFocus()) {
        QRect used = fontMetrics().boundingRect(textArea, flags, text());
        DrawFocusRect(painter, used.adjusted(-1, 0, 1, 0).intersected(rect()));
    }
}

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), m_title(title) {}

void GroupFrame::SetTitle(const QString& title) {
    m_title = title;
    update();
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    QRect frame = rect();
    frame.setTop(metrics.height() / 2 - 1);
    DrawEtchedFrame(painter, frame);
    if (m_title.isEmpty())
        return;
    // The title interrupts the top line, with a pixel of face colour on either side.
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic;
    const QRect text =
        metrics.boundingRect(QRect(7, 0, width() - 14, metrics.height()), flags, m_title);
    painter.fillRect(text.adjusted(-1, 0, 1, 0), colors::kFace);
    DrawControlText(painter, text, flags, m_title, isEnabled());
}

EditBox::EditBox(bool sunkenBorder, bool readOnly, QWidget* parent)
    : QLineEdit(parent), m_border(sunkenBorder) {
    setFrame(false);
    if (m_border)
        setTextMargins(2, 2, 2, 2);
    setReadOnly(readOnly);
    // A read-only box shows the face colour behind its text, as the platform paints it.
    QPalette shown = palette();
    if (readOnly)
        shown.setColor(QPalette::Base, colors::kFace);
    setPalette(shown);
    setAutoFillBackground(true);
}

void EditBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (m_border) {
        QPainter painter(this);
        DrawSunkenEdge(painter, rect());
    }
}

StaticText::StaticText(bool noPrefix, QWidget* parent) : QLabel(parent), m_noPrefix(noPrefix) {
    setTextFormat(Qt::PlainText);
}

void StaticText::SetRawText(const QString& text) {
    m_raw = text;
    setText(m_noPrefix ? text : StripMnemonics(text));
}

QString StripMnemonics(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

QString ControlText(const QWidget* widget) {
    if (widget == nullptr)
        return {};
    if (widget->isWindow())
        return widget->windowTitle();
    if (auto* label = dynamic_cast<const StaticText*>(widget))
        return label->RawText();
    if (auto* button = dynamic_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* edit = dynamic_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* frame = dynamic_cast<const GroupFrame*>(widget))
        return frame->Title();
    return {};
}

void SetControlText(QWidget* widget, const QString& text) {
    if (widget == nullptr)
        return;
    if (widget->isWindow()) {
        widget->setWindowTitle(text);
    } else if (auto* label = dynamic_cast<StaticText*>(widget)) {
        label->SetRawText(text);
        // A static control repaints at once, so a status text shows even while a long
        // operation keeps the loop from running.
        if (label->isVisible())
            label->repaint();
    } else if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        button->setText(text);
    } else if (auto* edit = dynamic_cast<QLineEdit*>(widget)) {
        edit->setText(text);
        edit->setCursorPosition(0);  // show the start of a long text, not its end
    } else if (auto* frame = dynamic_cast<GroupFrame*>(widget)) {
        frame->SetTitle(text);
    }
}

}  // namespace dlg::qtport
