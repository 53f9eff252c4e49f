#include "platform/qt/updown.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "platform/qt/controls.h"
#include "platform/qt/handles.h"
#include "platform/qt/look.h"
#include "platform/styles.h"

namespace dlg::qtport {

namespace {

// The platform's timing while an arrow is held: a pause, then a steady repeat. Every repeated
// step is a single step; nothing accelerates.
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatMs = 50;

}  // namespace

UpDownControl::UpDownControl(int id, unsigned style, QWidget* parent)
    : QWidget(parent), m_id(id), m_style(style) {
    setMouseTracking((style & UDS_HOTTRACK) != 0);
    m_repeat.setSingleShot(true);
    QObject::connect(&m_repeat, &QTimer::timeout, this, [this] { Repeat(); });
}

void UpDownControl::SetBuddy(QWidget* buddy) {
    if (m_buddy != nullptr)
        m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy != nullptr && (m_style & UDS_ARROWKEYS))
        m_buddy->installEventFilter(this);
}

void UpDownControl::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
}

void UpDownControl::SetPos(int pos) {
    m_pos = std::clamp(pos, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
    WriteBuddy();
}

void UpDownControl::Step(int direction) {
    // "Up" moves towards the upper limit, even when it is the smaller number.
    const int towardsUpper = m_upper < m_lower ? -1 : 1;
    NMUPDOWN request{{ToHandle(this), static_cast<UINT_PTR>(m_id), UDN_DELTAPOS},
                     m_pos,
                     direction * towardsUpper};
    const LRESULT answer = m_notify ? m_notify(request) : 0;
    if (answer != 0)
        return;
    const int low = std::min(m_lower, m_upper);
    const int high = std::max(m_lower, m_upper);
    long long next = static_cast<long long>(m_pos) + request.iDelta;
    if (next < low || next > high) {
        if (m_style & UDS_WRAP)
            next = next > high ? low : high;
        else
            next = std::clamp<long long>(next, low, high);
    }
    if (next == m_pos)
        return;
    m_pos = static_cast<int>(next);
    WriteBuddy();
}

void UpDownControl::WriteBuddy() {
    if (m_buddy == nullptr || !(m_style & UDS_SETBUDDYINT))
        return;
    const QString text =
        (m_style & UDS_NOTHOUSANDS) ? QString::number(m_pos) : QLocale::system().toString(m_pos);
    SetControlText(m_buddy, text);
}

UpDownControl::Arrow UpDownControl::ArrowAt(const QPoint& pos) const {
    if (!rect().contains(pos))
        return Arrow::None;
    return pos.y() < height() / 2 ? Arrow::Up : Arrow::Down;
}

QRect UpDownControl::ArrowRect(Arrow arrow) const {
    const int half = height() / 2;
    return arrow == Arrow::Up ? QRect(0, 0, width(), half)
                              : QRect(0, half, width(), height() - half);
}

void UpDownControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintArrow(painter, Arrow::Up);
    PaintArrow(painter, Arrow::Down);
}

void UpDownControl::PaintArrow(QPainter& painter, Arrow arrow) {
    const QRect r = ArrowRect(arrow);
    const bool pressed = m_pressed == arrow && m_hot == arrow;
    painter.fillRect(r, colors::kFace);
    if (pressed)
        DrawFrame(painter, r, colors::kShadow);
    else
        DrawRaisedEdge(painter, r);

    // A solid triangle of horizontal lines, pixel-exact at these small sizes.
    const QRect inner = r.adjusted(2, 2, -2, -2);
    const int tall = std::max(1, std::min((inner.width() + 1) / 4, inner.height() - 1));
    int cx = inner.left() + (inner.width() - 1) / 2;
    int top = inner.top() + (inner.height() - tall) / 2;
    if (pressed) {
        ++cx;
        ++top;
    }
    auto draw = [&](int dx, int dy, const QColor& color) {
        for (int i = 0; i < tall; ++i) {
            const int spread = arrow == Arrow::Up ? i : tall - 1 - i;
            painter.fillRect(cx - spread + dx, top + i + dy, 2 * spread + 1, 1, color);
        }
    };
    if (!isEnabled()) {
        draw(1, 1, colors::kHighlight);
        draw(0, 0, colors::kShadow);
    } else {
        draw(0, 0, m_hot == arrow && (m_style & UDS_HOTTRACK) ? colors::kHotLight : colors::kText);
    }
}

void UpDownControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_pressed != Arrow::None)
        return;
    m_pressed = m_hot = ArrowAt(event->position().toPoint());
    if (m_pressed == Arrow::None)
        return;
    update();
    Step(m_pressed == Arrow::Up ? 1 : -1);
    m_repeat.start(kFirstRepeatMs);
}

void UpDownControl::Repeat() {
    if (m_pressed == Arrow::None)
        return;
    // Held outside its arrow, the press waits instead of stepping.
    if (m_hot == m_pressed)
        Step(m_pressed == Arrow::Up ? 1 : -1);
    m_repeat.start(kRepeatMs);
}

void UpDownControl::mouseMoveEvent(QMouseEvent* event) {
    const Arrow hot = ArrowAt(event->position().toPoint());
    if (hot == m_hot)
        return;
    m_hot = hot;
    update();
}

void UpDownControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = Arrow::None;
    m_repeat.stop();
    update();
}

void UpDownControl::leaveEvent(QEvent*) {
    if (m_hot == Arrow::None)
        return;
    m_hot = Arrow::None;
    update();
}

void UpDownControl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_pressed = Arrow::None;
        m_repeat.stop();
    }
    QWidget::changeEvent(event);
}

bool UpDownControl::HandleArrowKey(int key) {
    if (!(m_style & UDS_ARROWKEYS) || !isEnabled())
        return false;
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    Step(key == Qt::Key_Up ? 1 : -1);
    return true;
}

void UpDownControl::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) == 0 && HandleArrowKey(event->key()))
        return;
    QWidget::keyPressEvent(event);
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == 0 && HandleArrowKey(key->key()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace dlg::qtport
