// The main dialog before a scan and its size controls after one.
#include "tests/dialog/dialog_fixture.h"

namespace dialogtest {
namespace {

TEST_F(DialogTest, OpensReadyWithSixMarkedAndEverySizeControlDisabled) {
    dlg::INT_PTR result = Run([](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_STATUS), kReady);
        EXPECT_EQ(PresetMarks(d), "010000000");
        EXPECT_EQ(Marks(d, IDC_TENTHS_0, 10), "1000000000");
        EXPECT_EQ(Marks(d, IDC_HUNDREDTHS_0, 10), "1000000000");
        EXPECT_EQ(d.Text(IDC_CUSTOM), "6");
        EXPECT_EQ(d.Text(IDC_PATH), "");
        EXPECT_EQ(d.Text(IDC_DUMP), "");
        EXPECT_EQ(d.Text(IDC_VALUE), "");
        for (int id : kPresetIds) EXPECT_FALSE(d.IsEnabled(id)) << id;
        for (int k = 0; k < 10; ++k) {
            EXPECT_FALSE(d.IsEnabled(IDC_TENTHS_0 + k));
            EXPECT_FALSE(d.IsEnabled(IDC_HUNDREDTHS_0 + k));
        }
        EXPECT_FALSE(d.IsEnabled(IDC_SPIN));
        EXPECT_FALSE(d.IsEnabled(IDC_CHANGE_TO));
        for (int id : {IDOK, IDC_PATH, IDC_SELECT, IDC_CUSTOM, IDC_DUMP, IDC_VALUE, IDC_STATUS})
            EXPECT_TRUE(d.IsEnabled(id)) << id;

        // Disabled controls take no clicks.
        d.Click(IDC_WHOLE_16);
        d.Step(IDC_SPIN, +1);
        EXPECT_EQ(PresetMarks(d), "010000000");
        EXPECT_EQ(d.Text(IDC_CUSTOM), "6");
        EXPECT_EQ(d.Text(IDC_VALUE), "");
        d.PressEscape();
        EXPECT_TRUE(d.HasEnded());
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(DialogTest, ClosesWithTheCloseButtonAndTheCloseCommand) {
    EXPECT_EQ(Run([](DialogDriver& d) { d.Click(IDOK); }), IDOK);
    EXPECT_EQ(Run([](DialogDriver& d) { EXPECT_TRUE(d.SystemMenuCommand(SC_CLOSE)); }), IDCANCEL);
}

TEST_F(DialogTest, PresetsComposeTheSizeAndEnableChangeToOnlyWhenItDiffers) {
    std::string path = Image(0x600000);
    Run([&](DialogDriver& d) {
        Select(d, path);
        d.Click(IDC_WHOLE_16);
        EXPECT_EQ(PresetMarks(d), "000010000");
        EXPECT_EQ(d.Text(IDC_CUSTOM), "16");
        EXPECT_EQ(d.Text(IDC_VALUE), "16.00");
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 00 01");
        EXPECT_TRUE(d.IsEnabled(IDC_CHANGE_TO));

        d.Click(IDC_WHOLE_6);
        EXPECT_EQ(PresetMarks(d), "010000000");
        EXPECT_FALSE(d.IsEnabled(IDC_CHANGE_TO));

        d.Click(IDC_TENTHS_0 + 4);
        d.Click(IDC_HUNDREDTHS_0 + 5);
        EXPECT_EQ(d.Text(IDC_VALUE), "6.45");
        EXPECT_EQ(d.Text(IDC_DUMP), "33 33 67 00");
        EXPECT_EQ(Marks(d, IDC_TENTHS_0, 10), "0000100000");
        EXPECT_EQ(Marks(d, IDC_HUNDREDTHS_0, 10), "0000010000");
    });
}

TEST_F(DialogTest, SixtyFourTakesNoDecimalsAndTheSpinStopsThere) {
    std::string path = Image(0x600000);
    Run([&](DialogDriver& d) {
        Select(d, path);
        d.Click(IDC_TENTHS_0 + 7);
        d.Click(IDC_WHOLE_64);
        EXPECT_EQ(d.Text(IDC_VALUE), "64.00");
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 00 04");
        EXPECT_EQ(Marks(d, IDC_TENTHS_0, 10), "1000000000");
        EXPECT_EQ(Marks(d, IDC_HUNDREDTHS_0, 10), "1000000000");
        for (int k = 0; k < 10; ++k) {
            EXPECT_FALSE(d.IsEnabled(IDC_TENTHS_0 + k));
            EXPECT_FALSE(d.IsEnabled(IDC_HUNDREDTHS_0 + k));
        }

        d.Step(IDC_SPIN, +1);  // proposes 65
        EXPECT_EQ(d.Text(IDC_CUSTOM), "64");
        EXPECT_EQ(d.Text(IDC_VALUE), "64.00");
        EXPECT_EQ(PresetMarks(d), "000000001");

        d.Step(IDC_SPIN, -1);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "63");
        EXPECT_EQ(d.Text(IDC_VALUE), "63.00");
        EXPECT_EQ(PresetMarks(d), "000000000");
        EXPECT_TRUE(d.IsEnabled(IDC_TENTHS_0 + 3));
        EXPECT_TRUE(d.IsEnabled(IDC_HUNDREDTHS_0 + 3));
    });
}

TEST_F(DialogTest, SpinningMarksPresetsOnlyWhereThereIsOne) {
    std::string path = Image(0x600000);
    Run([&](DialogDriver& d) {
        Select(d, path);
        d.Step(IDC_SPIN, +1);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "7");
        EXPECT_EQ(d.Text(IDC_VALUE), "7.00");
        EXPECT_EQ(PresetMarks(d), "000000000");
        d.Step(IDC_SPIN, +1);
        EXPECT_EQ(PresetMarks(d), "001000000");

        for (int i = 0; i < 9; ++i) d.Step(IDC_SPIN, -1);  // the last step proposes -1
        EXPECT_EQ(d.Text(IDC_CUSTOM), "0");
        EXPECT_EQ(d.Text(IDC_VALUE), "0.00");
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 00 00");
        EXPECT_TRUE(d.IsEnabled(IDC_CHANGE_TO));
    });
}

TEST_F(DialogTest, SixtyFourPointNinetyNineFromAFileKeepsItsDigits) {
    std::string path = Image(68157438);
    Run([&](DialogDriver& d) {
        Select(d, path);
        EXPECT_EQ(d.Text(IDC_VALUE), "64.99");
        EXPECT_EQ(PresetMarks(d), "000000001");
        EXPECT_EQ(Marks(d, IDC_TENTHS_0, 10), "0000000001");
        EXPECT_EQ(Marks(d, IDC_HUNDREDTHS_0, 10), "0000000001");
        EXPECT_FALSE(d.IsEnabled(IDC_TENTHS_0 + 9));
        EXPECT_FALSE(d.IsEnabled(IDC_CHANGE_TO));

        d.Step(IDC_SPIN, +1);  // 65 is refused, but the value is recomputed from 64.99
        EXPECT_EQ(d.Text(IDC_VALUE), "64.99");
        EXPECT_EQ(d.Text(IDC_DUMP), "0a d7 0f 04");  // 68146954
        EXPECT_TRUE(d.IsEnabled(IDC_CHANGE_TO));

        d.Step(IDC_SPIN, -1);
        EXPECT_EQ(d.Text(IDC_VALUE), "63.99");
        EXPECT_TRUE(d.IsEnabled(IDC_TENTHS_0 + 9));
    });
}

TEST_F(DialogTest, AValueBeyondWhatCanBePickedShowsAsSixtyFour) {
    std::string path = Image(80 * 1048576);
    Run([&](DialogDriver& d) {
        Select(d, path);
        EXPECT_EQ(d.Text(IDC_STATUS), kFoundAt9c5b);
        EXPECT_EQ(d.Text(IDC_VALUE), "64.00");
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 00 05");
        EXPECT_EQ(PresetMarks(d), "000000001");
        EXPECT_EQ(Marks(d, IDC_TENTHS_0, 10), "1000000000");
        EXPECT_EQ(Marks(d, IDC_HUNDREDTHS_0, 10), "1000000000");
        EXPECT_FALSE(d.IsEnabled(IDC_CHANGE_TO));
        d.Click(IDC_WHOLE_64);
        EXPECT_TRUE(d.IsEnabled(IDC_CHANGE_TO));
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 00 04");
    });
}

}  // namespace
}  // namespace dialogtest
