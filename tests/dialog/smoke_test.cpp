// The real modal services open and close, and the system menu reaches the dialog.
#include "platform/framework/app.h"
#include "tests/dialog/dialog_fixture.h"
#include "ui/about_dlg.h"

namespace dialogtest {
namespace {

struct Seen {
    std::string caption;
    std::string text;
    int times = 0;
};

void CloseSoon(Seen& seen) {
    dlg::testing::CloseModalAfter(300,
                                  [&seen](const std::string& caption, const std::string& text) {
                                      seen.caption = caption;
                                      seen.text = text;
                                      ++seen.times;
                                  });
}

TEST(ModalSmokeTest, TheErrorBoxShowsTheTextUnderTheProgramsName) {
    Seen seen;
    CloseSoon(seen);
    EXPECT_EQ(dlg::AfxMessageBox("Error opening file!", MB_OK), IDOK);
    EXPECT_EQ(seen.times, 1);
    EXPECT_EQ(seen.caption, dlg::AppName());
    EXPECT_EQ(seen.text, "Error opening file!");
    EXPECT_FALSE(dlg::AppName().empty());
    EXPECT_EQ(dlg::AppName().find('.'), std::string::npos);
}

TEST(ModalSmokeTest, TheAboutBoxOpensAndCloses) {
    Seen seen;
    CloseSoon(seen);
    CAboutDlg about;
    EXPECT_EQ(about.DoModal(), IDOK);
    EXPECT_EQ(seen.caption, "About Kelvane");
}

// Records the system commands that reach the dialog, then handles them as the dialog does.
class RecordingDlg : public CKelvaneDlg {
public:
    std::vector<dlg::UINT> commands;

protected:
    void OnSysCommand(dlg::UINT nID, dlg::LPARAM lParam) {
        commands.push_back(nID);
        CKelvaneDlg::OnSysCommand(nID, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RecordingDlg, CKelvaneDlg)
ON_WM_SYSCOMMAND()
END_MESSAGE_MAP()

TEST(ModalSmokeTest, TheSystemMenusAboutEntryOpensTheAboutBox) {
    RecordingDlg dialog;
    Seen seen;
    dlg::testing::RunDialog(dialog, [&](DialogDriver& d) {
        CloseSoon(seen);
        EXPECT_TRUE(d.SystemMenuCommand(IDM_ABOUTBOX));
        EXPECT_FALSE(d.HasEnded());
    });
    ASSERT_FALSE(dialog.commands.empty());
    EXPECT_EQ(dialog.commands.front() & 0xFFF0, static_cast<dlg::UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(seen.caption, "About Kelvane");
}

}  // namespace
}  // namespace dialogtest
