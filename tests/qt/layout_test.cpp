// Dialogs are built from their templates: places in dialog units, stacking, tab order, focus and
// placement on the screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScreen>
#include <cmath>
#include <cstring>

#include "platform/framework/testing.h"
#include "platform/styles.h"
#include "res/templates.h"
#include "tests/qt/probe_dialog.h"

namespace qttest {
namespace {

using dlg::testing::DialogDriver;
using dlg::testing::RunDialog;

// What a template rectangle becomes on screen, from the dialog font's own metrics.
struct Units {
    double x, y;
    explicit Units(const QFont& font) {
        const QFontMetrics metrics(font);
        x = std::lround(metrics.horizontalAdvance(QStringLiteral(
                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                        52.0);
        y = metrics.height();
    }
    int X(int du) const { return static_cast<int>(std::lround(du * x / 4)); }
    int Y(int du) const { return static_cast<int>(std::lround(du * y / 8)); }
};

bool IsGroupBox(const res::ControlTemplate& c) {
    return std::strcmp(c.className, "Button") == 0 && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
}

class DialogLayout : public ::testing::TestWithParam<int> {};

TEST_P(DialogLayout, EveryControlSitsAtItsTemplatePlaceAndNothingCoversIt) {
    const res::DialogTemplate* tmpl = res::FindDialogTemplate(GetParam());
    ASSERT_NE(tmpl, nullptr);
    Probe probe(GetParam());
    RunDialog(probe, [&](DialogDriver&) {
        QWidget& window = probe.Window();
        const Units units(window.font());
        EXPECT_EQ(window.size(), QSize(units.X(tmpl->cx), units.Y(tmpl->cy)));
        EXPECT_EQ(window.minimumSize(), window.maximumSize());
        EXPECT_EQ(window.windowTitle().toStdString(), tmpl->caption);

        for (const res::ControlTemplate& c : tmpl->controls) {
            QRect expected(units.X(c.x), units.Y(c.y), units.X(c.cx), units.Y(c.cy));
            if (c.iconId != 0)
                expected.setSize({32, 32});
            bool placed = false;
            for (QObject* child : window.children()) {
                auto* widget = qobject_cast<QWidget*>(child);
                placed =
                    placed || (widget && !widget->isWindow() && widget->geometry() == expected);
            }
            EXPECT_TRUE(placed) << c.id << " \"" << c.text << "\" not at " << expected.x() << ","
                                << expected.y() << " " << expected.width() << "x"
                                << expected.height();
            if (IsGroupBox(c))
                continue;
            // A click in its middle reaches the control itself, not a box drawn around it.
            QWidget* top = window.childAt(expected.center());
            ASSERT_NE(top, nullptr) << c.id;
            EXPECT_EQ(top->geometry(), expected) << c.id << " \"" << c.text << "\" is covered";
        }
    });
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogLayout,
                         ::testing::Values(IDD_KELVANE_DIALOG, IDD_ABOUTBOX));

TEST(DialogFocus, StartsAtTheFirstTabStopAndTabFollowsTheTemplate) {
    std::vector<int> expected;
    for (const res::ControlTemplate& c : res::FindDialogTemplate(IDD_KELVANE_DIALOG)->controls) {
        if (c.style & WS_TABSTOP)
            expected.push_back(c.id);
    }
    expected.push_back(expected.front());  // and round again

    Probe probe;
    std::vector<int> visited;
    RunDialog(probe, [&](DialogDriver&) {
        dlg::qtport::DialogWindow& window = probe.Window();
        for (std::size_t i = 0; i < expected.size(); ++i) {
            visited.push_back(window.ControlId(window.focusWidget()));
            PressKey(probe, Qt::Key_Tab);
        }
    });
    EXPECT_EQ(visited, expected);
}

TEST(DialogPlacement, TheMainDialogIsCentredOnTheScreenAndASecondOneOverIt) {
    Probe main;
    QPointF mainCentre, screenCentre, aboutCentre;
    QMargins mainFrame;
    std::string aboutCaption;
    RunDialog(main, [&](DialogDriver&) {
        mainCentre = QRectF(main.Window().frameGeometry()).center();
        screenCentre = QRectF(main.Window().screen()->availableGeometry()).center();
        const QRect outer = main.Window().frameGeometry(), inner = main.Window().geometry();
        mainFrame = {inner.left() - outer.left(), inner.top() - outer.top(),
                     outer.right() - inner.right(), outer.bottom() - inner.bottom()};
        dlg::testing::CloseModalAfter(50, [&](const std::string& caption, const std::string&) {
            aboutCaption = caption;
            aboutCentre = QRectF(QApplication::activeModalWidget()->frameGeometry()).center();
        });
        Probe about(IDD_ABOUTBOX);
        EXPECT_EQ(about.DoModal(), IDOK);
    });
    EXPECT_EQ(aboutCaption, "About Kelvane");
    // The main dialog's frame is unknown until it is shown: centred up to half of it. One
    // opened over another is centred to the pixel an odd size leaves over.
    const QPointF slack(0.5 + (mainFrame.left() + mainFrame.right()) / 2.0,
                        0.5 + (mainFrame.top() + mainFrame.bottom()) / 2.0);
    EXPECT_LE(std::abs(mainCentre.x() - screenCentre.x()), slack.x());
    EXPECT_LE(std::abs(mainCentre.y() - screenCentre.y()), slack.y())
        << mainCentre.x() << "," << mainCentre.y() << " on " << screenCentre.x() << ","
        << screenCentre.y();
    EXPECT_LE((aboutCentre - mainCentre).manhattanLength(), 1.0)
        << aboutCentre.x() << "," << aboutCentre.y() << " over " << mainCentre.x() << ","
        << mainCentre.y();
}

}  // namespace
}  // namespace qttest
