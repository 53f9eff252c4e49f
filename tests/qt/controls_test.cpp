// Radio buttons, push buttons and the dialog keys keep the platform's rules, not Qt's; a dialog
// closes only through its message map.
#include <gtest/gtest.h>

#include "platform/framework/testing.h"
#include "tests/qt/probe_dialog.h"

namespace qttest {
namespace {

using dlg::testing::DialogDriver;
using dlg::testing::RunDialog;
using Log = std::vector<std::string>;

constexpr int kPresets[] = {IDC_WHOLE_4,  IDC_WHOLE_6,  IDC_WHOLE_8,  IDC_WHOLE_12, IDC_WHOLE_16,
                            IDC_WHOLE_20, IDC_WHOLE_24, IDC_WHOLE_32, IDC_WHOLE_64};

std::string PresetMarks(DialogDriver& d) {
    std::string marks;
    for (int id : kPresets) marks += d.IsChecked(id) ? '1' : '0';
    return marks;
}

TEST(RadioButtons, AClickMarksTheButtonAndClearsOnlyItsOwnGroup) {
    Probe probe;
    RunDialog(probe, [&](DialogDriver& d) {
        probe.CheckDlgButton(IDC_WHOLE_4, BST_CHECKED);
        probe.CheckDlgButton(IDC_TENTHS_0, BST_CHECKED);
        d.Click(IDC_WHOLE_8);
        EXPECT_EQ(PresetMarks(d), "001000000");
        EXPECT_TRUE(d.IsChecked(IDC_TENTHS_0));
        d.Click(IDC_WHOLE_8);  // clicking the marked one keeps it marked
        EXPECT_EQ(PresetMarks(d), "001000000");
        EXPECT_EQ(probe.IsDlgButtonChecked(IDC_WHOLE_8), static_cast<dlg::UINT>(BST_CHECKED));
    });
    EXPECT_EQ(probe.log, (Log{"click 1004", "click 1004"}));
}

TEST(RadioButtons, CheckDlgButtonChangesThatButtonOnly) {
    Probe probe;
    RunDialog(probe, [&](DialogDriver& d) {
        probe.CheckDlgButton(IDC_WHOLE_4, BST_CHECKED);
        probe.CheckDlgButton(IDC_WHOLE_6, BST_CHECKED);
        EXPECT_EQ(PresetMarks(d), "110000000");
        probe.CheckDlgButton(IDC_WHOLE_4, BST_UNCHECKED);
        probe.CheckDlgButton(IDC_WHOLE_6, BST_UNCHECKED);
        EXPECT_EQ(PresetMarks(d), "000000000");  // a row may be left with no mark
    });
    EXPECT_TRUE(probe.log.empty());
}

TEST(RadioButtons, ADisabledButtonIgnoresAClick) {
    Probe probe;
    RunDialog(probe, [&](DialogDriver& d) {
        probe.GetDlgItem(IDC_WHOLE_8)->EnableWindow(false);
        d.Click(IDC_WHOLE_8);
        EXPECT_FALSE(d.IsChecked(IDC_WHOLE_8));
        EXPECT_FALSE(d.IsEnabled(IDC_WHOLE_8));
    });
    EXPECT_TRUE(probe.log.empty());
}

TEST(RadioButtons, ArrowKeysMoveWithinTheGroupAndMarkWhereTheyLand) {
    Probe probe;
    RunDialog(probe, [&](DialogDriver& d) {
        d.Click(IDC_WHOLE_64);  // the last of its group
        PressKey(probe, Qt::Key_Right);
        EXPECT_EQ(probe.Window().focusWidget(), probe.Control(IDC_WHOLE_4));
        EXPECT_EQ(PresetMarks(d), "100000000");
        PressKey(probe, Qt::Key_Up);
        EXPECT_EQ(PresetMarks(d), "000000001");
    });
    EXPECT_EQ(probe.log, (Log{"click 1015", "click 1002", "click 1015"}));
}

TEST(DialogKeys, EnterAndEscapeAsTheDialogManagerTreatsThem) {
    struct Case {
        const char* what;
        int focus;  // the control clicked first, 0 for none
        int key;
        Log log;
        dlg::INT_PTR result;
    };
    const Case cases[] = {
        {"Enter on the default button", 0, Qt::Key_Return, {"ok"}, IDOK},
        {"Enter on another push button presses that one",
         IDC_SELECT,
         Qt::Key_Enter,
         {"click 1001", "click 1001"},
         IDCANCEL},
        {"Enter elsewhere presses the default button",
         IDC_WHOLE_6,
         Qt::Key_Return,
         {"click 1003", "ok"},
         IDOK},
        {"Escape is Cancel", IDC_SELECT, Qt::Key_Escape, {"click 1001", "cancel"}, IDCANCEL},
    };
    for (const Case& c : cases) {
        Probe probe;
        const dlg::INT_PTR result = RunDialog(probe, [&](DialogDriver& d) {
            if (c.focus != 0)
                d.Click(c.focus);
            PressKey(probe, c.key);
        });
        EXPECT_EQ(probe.log, c.log) << c.what;
        EXPECT_EQ(result, c.result) << c.what;
    }
}

TEST(DialogClosing, CloseBoxAltF4AndTheMenusCloseAreTheSystemCommandClose) {
    const std::string close = "sys " + std::to_string(SC_CLOSE);
    const std::function<void(Probe&, DialogDriver&)> ways[] = {
        [](Probe& p, DialogDriver&) { p.Window().close(); },
        [](Probe& p, DialogDriver&) { PressKey(p, Qt::Key_F4, Qt::AltModifier); },
        [](Probe&, DialogDriver& d) { EXPECT_TRUE(d.SystemMenuCommand(SC_CLOSE)); },
    };
    for (const auto& closeIt : ways) {
        for (bool goesOn : {true, false}) {
            Probe probe;
            probe.sysCommandsGoOn = goesOn;
            bool ended = false;
            RunDialog(probe, [&](DialogDriver& d) {
                closeIt(probe, d);
                ended = d.HasEnded();
            });
            // Unless the handler passes it on, the window stays: it never closes by itself.
            EXPECT_EQ(ended, goesOn);
            const Log expected = goesOn ? Log{close, "cancel"} : Log{close};
            EXPECT_EQ(probe.log, expected);
        }
    }
}

TEST(SystemMenu, HoldsCloseThenWhatTheDialogAppends) {
    Probe probe;
    probe.onInit = [](Probe& p) {
        dlg::CMenu* menu = p.GetSystemMenu(false);
        ASSERT_NE(menu, nullptr);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, "&About Kelvane...");
    };
    probe.sysCommandsGoOn = false;
    RunDialog(probe, [&](DialogDriver& d) {
        const auto& entries = probe.Window().SystemMenu()->entries;
        ASSERT_EQ(entries.size(), 3u);
        EXPECT_EQ(entries[0].command, static_cast<dlg::UINT>(SC_CLOSE));
        EXPECT_TRUE(entries[1].separator);
        EXPECT_EQ(entries[2].text.toStdString(), "&About Kelvane...");
        EXPECT_TRUE(d.SystemMenuCommand(IDM_ABOUTBOX));
        EXPECT_FALSE(d.SystemMenuCommand(0x20));
        EXPECT_FALSE(d.HasEnded());
    });
    EXPECT_EQ(probe.log, (Log{"sys 16"}));

    Probe about(IDD_ABOUTBOX);
    RunDialog(about, [&](DialogDriver& d) { EXPECT_FALSE(d.SystemMenuCommand(IDM_ABOUTBOX)); });
}

}  // namespace
}  // namespace qttest
