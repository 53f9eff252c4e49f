// The Win32 port of the dialog framework on a probe dialog of its own, built on the main dialog's
// template: the behaviour of the system's controls that the program relies on, the message map
// plumbing, where the dialogs open, and the real Open dialog.
#include "platform/win32/native.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/framework/app.h"
#include "platform/framework/dialog.h"
#include "platform/framework/file_dialog.h"
#include "platform/framework/testing.h"
#include "res/resource.h"
#include "tests/support/temp_file.h"

namespace {

using dlg::testing::DialogDriver;

class ProbeDlg : public dlg::CDialog {
public:
    ProbeDlg() : CDialog(IDD_KELVANE_DIALOG) {}

    std::vector<int> clicks;
    std::vector<std::pair<int, int>> steps;  // iPos and iDelta of each UDN_DELTAPOS
    dlg::LRESULT answer = 0;                 // what the owner answers to a step
    std::vector<dlg::UINT> sysCommands;
    int paints = 0;
    std::function<void()> onAbout;
    dlg::CSpinButtonCtrl m_spin;
    dlg::HICON m_hIcon = nullptr;

protected:
    void DoDataExchange(dlg::CDataExchange* pDX) override { DDX_Control(pDX, IDC_SPIN, m_spin); }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        std::string about;
        if (dlg::CMenu* menu = GetSystemMenu(false);
            menu && dlg::LoadResourceString(IDS_ABOUTBOX, about)) {
            menu->AppendMenu(MF_SEPARATOR);
            menu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
        m_hIcon = dlg::AfxGetApp()->LoadIcon(IDR_MAINFRAME);
        m_spin.SetRange(0, 64);
        m_spin.SetPos(6);
        return true;
    }
    void OnSix() { clicks.push_back(IDC_WHOLE_6); }
    void OnTwelve() { clicks.push_back(IDC_WHOLE_12); }
    void OnSelect() { clicks.push_back(IDC_SELECT); }
    void OnDelta(dlg::NMHDR* header, dlg::LRESULT* result) {
        const auto* step = reinterpret_cast<dlg::NMUPDOWN*>(header);
        steps.emplace_back(step->iPos, step->iDelta);
        *result = answer;
    }
    void OnSysCommand(dlg::UINT id, dlg::LPARAM lParam) {
        sysCommands.push_back(id);
        if ((id & 0xFFF0) == IDM_ABOUTBOX && onAbout) {
            onAbout();
        } else {
            CDialog::OnSysCommand(id, lParam);
        }
    }
    void OnPaint() {
        ++paints;
        CDialog::OnPaint();
    }
    dlg::HICON OnQueryDragIcon() { return m_hIcon; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ProbeDlg, dlg::CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_WHOLE_6, &ProbeDlg::OnSix)
ON_BN_CLICKED(IDC_WHOLE_12, &ProbeDlg::OnTwelve)
ON_BN_CLICKED(IDC_SELECT, &ProbeDlg::OnSelect)
ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, &ProbeDlg::OnDelta)
END_MESSAGE_MAP()

std::string Marks(DialogDriver& d, int first, int count) {
    std::string marks;
    for (int id = first; id < first + count; ++id) marks += d.IsChecked(id) ? '1' : '0';
    return marks;
}

TEST(Win32Port, RadioButtonsMarkTheirGroupOnAClickButCheckDlgButtonOnlyTheOne) {
    ProbeDlg probe;
    dlg::testing::RunDialog(probe, [&](DialogDriver& d) {
        d.Click(IDC_WHOLE_6);
        d.Click(IDC_WHOLE_12);
        EXPECT_EQ(Marks(d, IDC_WHOLE_4, 4), "0001");  // 1002 to 1005
        EXPECT_EQ(probe.clicks, (std::vector<int>{IDC_WHOLE_6, IDC_WHOLE_12}));

        probe.CheckDlgButton(IDC_WHOLE_4, BST_CHECKED);
        EXPECT_EQ(Marks(d, IDC_WHOLE_4, 4), "1001");
        probe.CheckDlgButton(IDC_WHOLE_12, BST_UNCHECKED);
        probe.CheckDlgButton(IDC_WHOLE_4, BST_UNCHECKED);
        EXPECT_EQ(Marks(d, IDC_WHOLE_4, 4), "0000");

        d.Click(IDC_TENTHS_0 + 2);  // another group
        EXPECT_EQ(Marks(d, IDC_TENTHS_0, 3), "001");
        EXPECT_EQ(Marks(d, IDC_WHOLE_4, 4), "0000");

        probe.GetDlgItem(IDC_WHOLE_6)->EnableWindow(false);
        d.Click(IDC_WHOLE_6);
        EXPECT_FALSE(d.IsChecked(IDC_WHOLE_6));
        EXPECT_EQ(probe.clicks.size(), 2u);
    });
}

TEST(Win32Port, TheUpDownControlAsksBeforeEveryStepAndMovesOnlyWhenAllowed) {
    ProbeDlg probe;
    dlg::testing::RunDialog(probe, [&](DialogDriver& d) {
        EXPECT_EQ(d.Text(IDC_CUSTOM), "6");
        d.Step(IDC_SPIN, +1);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "7");
        probe.answer = 1;
        d.Step(IDC_SPIN, +1);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "7");
        EXPECT_EQ(probe.m_spin.GetPos(), 7);

        probe.answer = 0;
        probe.m_spin.SetPos(64);
        d.Step(IDC_SPIN, +1);  // asked, but the range ends there
        EXPECT_EQ(d.Text(IDC_CUSTOM), "64");
        d.Step(IDC_SPIN, -1);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "63");
        EXPECT_EQ(probe.steps,
                  (std::vector<std::pair<int, int>>{{6, 1}, {7, 1}, {64, 1}, {64, -1}}));

        probe.m_spin.EnableWindow(false);
        d.Step(IDC_SPIN, -1);
        EXPECT_EQ(probe.steps.size(), 4u);
        EXPECT_EQ(d.Text(IDC_CUSTOM), "63");
    });
}

TEST(Win32Port, KeysButtonsAndTheCloseCommandEndTheDialogAsTheSystemDoes) {
    struct Case {
        const char* what;
        std::function<void(DialogDriver&)> script;
        dlg::INT_PTR result;
        bool endsIt;  // before the script returns
    };
    const Case cases[] = {
        {"Escape", [](DialogDriver& d) { d.PressEscape(); }, IDCANCEL, true},
        {"Enter on the default button", [](DialogDriver& d) { d.PressEnter(); }, IDOK, true},
        {"the Close button", [](DialogDriver& d) { d.Click(IDOK); }, IDOK, true},
        {"the Close command", [](DialogDriver& d) { EXPECT_TRUE(d.SystemMenuCommand(SC_CLOSE)); },
         IDCANCEL, true},
        {"nothing: the test ends it", [](DialogDriver&) {}, IDCANCEL, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ProbeDlg probe;
        bool ended = false;
        EXPECT_EQ(dlg::testing::RunDialog(probe,
                                          [&](DialogDriver& d) {
                                              c.script(d);
                                              ended = d.HasEnded();
                                          }),
                  c.result);
        EXPECT_EQ(ended, c.endsIt);
    }

    ProbeDlg probe;
    dlg::testing::RunDialog(probe, [&](DialogDriver& d) {
        // Tab there, as the dialog manager moves the focus: the button becomes the default one.
        const HWND main = static_cast<HWND>(probe.m_hWnd);
        SendMessageA(main, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(main, IDC_SELECT)),
                     TRUE);
        d.PressEnter();  // on another push button: that one is pressed
        EXPECT_FALSE(d.HasEnded());
        EXPECT_EQ(probe.clicks, std::vector<int>{IDC_SELECT});
        EXPECT_FALSE(d.SystemMenuCommand(0x1230));  // no such entry
    });
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

void ExpectCentredOver(const RECT& box, const RECT& over) {
    EXPECT_NEAR((box.left + box.right) / 2, (over.left + over.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (over.top + over.bottom) / 2, 1);
}

TEST(Win32Port, TheMainDialogOpensMidScreenAndTheAboutBoxOverItAndOwnedByIt) {
    ProbeDlg probe;
    HWND aboutOwner = nullptr;
    RECT aboutRect = {};
    probe.onAbout = [&] {
        dlg::CDialog about(IDD_ABOUTBOX);
        dlg::testing::RunDialog(about, [&](DialogDriver&) {
            aboutOwner = GetWindow(static_cast<HWND>(about.m_hWnd), GW_OWNER);
            aboutRect = WindowRect(static_cast<HWND>(about.m_hWnd));
        });
    };
    dlg::testing::RunDialog(probe, [&](DialogDriver& d) {
        const HWND main = static_cast<HWND>(probe.m_hWnd);
        RECT work = {};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        ExpectCentredOver(WindowRect(main), work);

        EXPECT_TRUE(d.SystemMenuCommand(IDM_ABOUTBOX));
        EXPECT_EQ(aboutOwner, main);
        ExpectCentredOver(aboutRect, WindowRect(main));
        EXPECT_FALSE(d.HasEnded());
    });
    EXPECT_EQ(probe.sysCommands, std::vector<dlg::UINT>{IDM_ABOUTBOX});
}

TEST(Win32Port, WindowMessagesReachTheMessageMap) {
    ProbeDlg probe;
    dlg::testing::RunDialog(probe, [&](DialogDriver&) {
        const HWND main = static_cast<HWND>(probe.m_hWnd);
        ASSERT_NE(probe.m_hIcon, nullptr);
        EXPECT_EQ(reinterpret_cast<dlg::HICON>(SendMessageA(main, WM_QUERYDRAGICON, 0, 0)),
                  probe.m_hIcon);
        probe.SetIcon(probe.m_hIcon, true);
        EXPECT_EQ(reinterpret_cast<dlg::HICON>(SendMessageA(main, WM_GETICON, ICON_BIG, 0)),
                  probe.m_hIcon);
        const int before = probe.paints;
        InvalidateRect(main, nullptr, TRUE);
        UpdateWindow(main);
        EXPECT_EQ(probe.paints, before + 1);
    });
}

// The common dialog's own controls: the file name box and the file type list.
constexpr int kFileNameCombo = 0x47C;  // cmb13
constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFileTypes = 0x470;      // cmb1

struct OpenDialogVisit {
    std::string path;
    std::vector<std::string> types;
    bool visited = false;
};
OpenDialogVisit* g_visit = nullptr;

void CALLBACK AnswerOpenDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND open = GetActiveWindow();
    if (open == nullptr || GetDlgItem(open, kFileTypes) == nullptr)
        return;  // not open yet
    KillTimer(nullptr, timer);
    g_visit->visited = true;
    HWND types = GetDlgItem(open, kFileTypes);
    for (LRESULT i = 0, n = SendMessageA(types, CB_GETCOUNT, 0, 0); i < n; ++i) {
        char text[256] = {};
        SendMessageA(types, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        g_visit->types.emplace_back(text);
    }
    const int box = GetDlgItem(open, kFileNameCombo) ? kFileNameCombo : kFileNameEdit;
    std::string typed = g_visit->path;  // as a user types it: '/' is no separator to the dialog
    for (char& c : typed) c = c == '/' ? '\\' : c;
    SetDlgItemTextA(open, box, typed.c_str());
    SendMessageA(open, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

std::string Normalised(std::string path) {
    for (char& c : path)
        c = c == '/' ? '\\' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return path;
}

TEST(Win32Port, TheRealOpenDialogOpensAndGivesTheChosenPath) {
    testsupport::TempDir dir;
    OpenDialogVisit visit;
    visit.path = dir.File("image.nb");
    testsupport::WriteFile(visit.path, {1, 2, 3});
    g_visit = &visit;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, AnswerOpenDialog);

    dlg::CFileDialog open(
        true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
        "ROM files (.nba;.nbh;.nb;.nb0)|*.nba;*.nbh;*.nb;*.nb0|All files (*.*)|*.*||");
    EXPECT_EQ(open.DoModal(), IDOK);
    KillTimer(nullptr, timer);
    g_visit = nullptr;

    EXPECT_TRUE(visit.visited);
    EXPECT_EQ(visit.types,
              (std::vector<std::string>{"ROM files (.nba;.nbh;.nb;.nb0)", "All files (*.*)"}));
    EXPECT_EQ(Normalised(open.GetPathName()), Normalised(visit.path));
}

}  // namespace
