// The error box, the Open dialog and the program's resources.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "platform/framework/app.h"
#include "platform/framework/testing.h"
#include "platform/qt/file_dialog_qt.h"
#include "platform/qt/handles.h"
#include "tests/qt/probe_dialog.h"

namespace qttest {
namespace {

using dlg::testing::DialogDriver;
using dlg::testing::RunDialog;

constexpr const char* kRomFilter =
    "ROM files (.nba;.nbh;.nb;.nb0)|*.nba;*.nbh;*.nb;*.nb0|All files (*.*)|*.*||";

// Runs `inspect` on the modal window of that kind once it is open (the first file dialog takes
// a while); one that `inspect` left open is failed and closed rather than left to hang the test.
template <class Window>
void WhenOpen(std::function<void(Window&)> inspect, int triesLeft = 500) {
    QTimer::singleShot(10, [inspect, triesLeft] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (window == nullptr || !window->isVisible()) {
            if (triesLeft > 0)
                WhenOpen<Window>(inspect, triesLeft - 1);
            else
                ADD_FAILURE() << "the modal window did not open";
            return;
        }
        inspect(*window);
        QTimer::singleShot(2000, [open = QPointer<Window>(window)] {
            if (open.isNull() || !open->isVisible())
                return;
            ADD_FAILURE() << "the modal window stayed open";
            static_cast<QDialog*>(open.data())->done(0);
        });
    });
}

TEST(ErrorBox, IsAWarningWithOneOkButtonUnderTheProgramsName) {
    WhenOpen<QMessageBox>([](QMessageBox& box) {
        EXPECT_EQ(box.icon(), QMessageBox::Warning);
        EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box.windowTitle().toStdString(), "qt_port_tests");
        EXPECT_EQ(box.text().toStdString(), "Error opening file!");
        box.button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(dlg::AfxMessageBox("Error opening file!"), IDOK);
}

TEST(OpenDialog, ATestResponderAnswersInsteadOfTheDialog) {
    dlg::testing::SetFileDialogResponder(
        [](const dlg::CFileDialog&) { return std::optional<std::string>("/some/where.nb"); });
    dlg::CFileDialog chosen(true, nullptr, nullptr, OFN_FILEMUSTEXIST, kRomFilter);
    EXPECT_EQ(chosen.DoModal(), IDOK);
    EXPECT_EQ(chosen.GetPathName(), "/some/where.nb");

    dlg::testing::SetFileDialogResponder(
        [](const dlg::CFileDialog&) { return std::optional<std::string>(); });
    dlg::CFileDialog cancelled(true, nullptr, nullptr, OFN_FILEMUSTEXIST, kRomFilter);
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
    dlg::testing::SetFileDialogResponder({});
}

TEST(OpenDialog, TheRealOneAsksTheOwnerForAnExistingFileOfTheFilteredKinds) {
    QTemporaryDir dir;
    const QString image = dir.filePath(QStringLiteral("OS.NB"));
    std::ofstream(image.toStdString()) << "rom";

    for (bool accept : {true, false}) {
        Probe owner;
        RunDialog(owner, [&](DialogDriver&) {
            WhenOpen<QFileDialog>([&](QFileDialog& open) {
                EXPECT_EQ(open.parentWidget(), &owner.Window());
                EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
                EXPECT_EQ(open.acceptMode(), QFileDialog::AcceptOpen);
                EXPECT_EQ(open.nameFilters(),
                          (QStringList{"ROM files (.nba;.nbh;.nb;.nb0) (*.nba *.nbh *.nb *.nb0)",
                                       "All files (*.*) (*)"}));
                if (!accept)
                    return open.reject();
                open.setDirectory(dir.path());
                open.selectFile(QStringLiteral("OS.NB"));    // upper case matches as well
                QMetaObject::invokeMethod(&open, "accept");  // as its Open button does
            });
            dlg::CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                                    kRomFilter, &owner);
            EXPECT_EQ(dialog.DoModal(), accept ? IDOK : IDCANCEL);
            EXPECT_EQ(dialog.GetPathName(), accept ? image.toStdString() : "");
        });
    }
}

TEST(OpenDialog, FiltersBecomeQtNameFilters) {
    const struct {
        dlg::FileFilter filter;
        const char* shown;
    } cases[] = {
        {{"ROM files", "*.nba;*.nb"}, "ROM files (*.nba *.nb)"},
        {{"All files (*.*)", "*.*"}, "All files (*.*) (*)"},
        {{"Images", " *.nb0 ; ;*.nbh"}, "Images (*.nb0 *.nbh)"},
        {{"Anything", ""}, "Anything (*)"},
    };
    for (const auto& c : cases) EXPECT_EQ(dlg::qtport::NameFilter(c.filter).toStdString(), c.shown);
}

TEST(Resources, TheIconIsEmbeddedInAllItsSizes) {
    const dlg::HICON icon = dlg::AfxGetApp()->LoadIcon(IDR_MAINFRAME);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(dlg::qtport::ToIcon(icon)->availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
    EXPECT_EQ(dlg::AfxGetApp()->LoadIcon(1), nullptr);

    Probe probe;
    RunDialog(probe, [&](DialogDriver&) {
        EXPECT_EQ(probe.SetIcon(icon, true), nullptr);
        EXPECT_EQ(probe.SetIcon(icon, true), icon);
        EXPECT_FALSE(probe.Window().windowIcon().isNull());
    });
}

}  // namespace
}  // namespace qttest
