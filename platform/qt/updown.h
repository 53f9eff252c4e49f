// The up-down control: two stacked arrow buttons. Before every step it asks its owner with
// UDN_DELTAPOS and moves only when the answer is 0; it stays within its range and writes its
// position into its buddy.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/framework/types.h"

namespace dlg::qtport {

class UpDownControl : public QWidget {
public:
    // The owner's answer to a proposed step; 0 lets the control move by the (possibly changed)
    // iDelta.
    using Notify = std::function<LRESULT(NMUPDOWN& request)>;

    UpDownControl(int id, unsigned style, QWidget* parent);

    void SetNotify(Notify notify) { m_notify = std::move(notify); }
    // The control that shows the position (UDS_SETBUDDYINT) and passes on the arrow keys
    // (UDS_ARROWKEYS).
    void SetBuddy(QWidget* buddy);
    QWidget* Buddy() const { return m_buddy; }

    void SetRange(int lower, int upper);
    void SetPos(int pos);
    int Pos() const { return m_pos; }

    // One step up (+1) or down (-1), as a click on that arrow makes it.
    void Step(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Arrow { None, Up, Down };
    Arrow ArrowAt(const QPoint& pos) const;
    QRect ArrowRect(Arrow arrow) const;
    void PaintArrow(QPainter& painter, Arrow arrow);
    void Repeat();
    void WriteBuddy();
    bool HandleArrowKey(int key);

    int m_id;
    unsigned m_style;
    int m_lower = 0;
    int m_upper = 100;
    int m_pos = 0;
    QWidget* m_buddy = nullptr;
    Notify m_notify;
    Arrow m_hot = Arrow::None;
    Arrow m_pressed = Arrow::None;
    QTimer m_repeat;
};

}  // namespace dlg::qtport
