// The up-down control asks before every step, moves only when the answer is 0, stays in its
// range, and writes its position into its buddy.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include "platform/framework/testing.h"
#include "tests/qt/probe_dialog.h"

namespace qttest {
namespace {

using dlg::testing::DialogDriver;
using dlg::testing::RunDialog;
using Log = std::vector<std::string>;

struct StepCase {
    const char* what;
    int start;
    int direction;
    dlg::LRESULT answer;
    const char* asked;
    int end;
};

TEST(UpDown, AsksBeforeEachStepAndMovesOnlyWhenAllowed) {
    const StepCase cases[] = {
        {"up", 6, 1, 0, "delta 6 1", 7},
        {"down", 6, -1, 0, "delta 6 -1", 5},
        {"refused", 6, 1, 1, "delta 6 1", 6},
        {"at the top it still asks", 64, 1, 0, "delta 64 1", 64},
        {"at the bottom it still asks", 0, -1, 0, "delta 0 -1", 0},
    };
    for (const StepCase& c : cases) {
        Probe probe;
        probe.deltaAnswer = c.answer;
        RunDialog(probe, [&](DialogDriver& d) {
            probe.spin.SetPos(c.start);
            EXPECT_EQ(d.Text(IDC_CUSTOM), std::to_string(c.start)) << c.what;
            d.Step(IDC_SPIN, c.direction);
            EXPECT_EQ(probe.spin.GetPos(), c.end) << c.what;
            EXPECT_EQ(d.Text(IDC_CUSTOM), std::to_string(c.end)) << c.what;
        });
        EXPECT_EQ(probe.log, (Log{c.asked})) << c.what;
    }
}

TEST(UpDown, SetPosStaysInTheRange) {
    Probe probe;
    RunDialog(probe, [&](DialogDriver& d) {
        probe.spin.SetPos(100);
        EXPECT_EQ(probe.spin.GetPos(), 64);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "64");
        probe.spin.SetPos(-3);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "0");
    });
    EXPECT_TRUE(probe.log.empty());
}

TEST(UpDown, ArrowKeysStepFromTheControlAndFromItsBuddy) {
    Probe probe;
    RunDialog(probe, [&](DialogDriver& d) {
        probe.Control(IDC_SPIN)->setFocus();
        PressKey(probe, Qt::Key_Up);
        probe.Control(IDC_CUSTOM)->setFocus();
        PressKey(probe, Qt::Key_Down);
        PressKey(probe, Qt::Key_Down);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "5");
        probe.spin.EnableWindow(false);
        PressKey(probe, Qt::Key_Down);  // a disabled control ignores its buddy's keys too
        d.Step(IDC_SPIN, 1);            // and clicks
        EXPECT_EQ(d.Text(IDC_CUSTOM), "5");
    });
    EXPECT_EQ(probe.log, (Log{"delta 6 1", "delta 7 -1", "delta 6 -1"}));
}

TEST(UpDown, HoldingAnArrowRepeatsSingleSteps) {
    Probe probe;
    RunDialog(probe, [&](DialogDriver&) {
        QWidget* spin = probe.Control(IDC_SPIN);
        QWindow* window = probe.Window().windowHandle();
        const QPointF at = spin->mapTo(&probe.Window(), QPoint(spin->width() / 2, 2));
        QMouseEvent press(QEvent::MouseButtonPress, at, at, probe.Window().mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window, &press);
        RunEventsFor(900);
        QMouseEvent release(QEvent::MouseButtonRelease, at, at, probe.Window().mapToGlobal(at),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(window, &release);
        const std::size_t held = probe.log.size();
        RunEventsFor(200);
        EXPECT_EQ(probe.log.size(), held) << "the repeat goes on after the release";
    });
    ASSERT_GE(probe.log.size(), 3u);
    for (std::size_t i = 0; i < probe.log.size(); ++i)
        EXPECT_EQ(probe.log[i], "delta " + std::to_string(6 + i) + " 1");
}

}  // namespace
}  // namespace qttest
