// Select and Change-to on generated images, with the file compared byte for byte.
#include "platform/file.h"
#include "rom/page_pool.h"
#include "tests/dialog/dialog_fixture.h"

#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#endif

namespace dialogtest {
namespace {

using testsupport::Image;
using testsupport::ReadFile;

void MakeReadOnly(const std::string& path) {
#ifdef _WIN32
    ASSERT_EQ(_chmod(path.c_str(), _S_IREAD), 0);  // sets the read-only attribute
#else
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
#endif
}

TEST_F(DialogTest, CancellingTheOpenDialogChangesNothing) {
    Run([&](DialogDriver& d) {
        Choose(std::nullopt);
        d.Click(IDC_SELECT);
        EXPECT_EQ(d.Text(IDC_PATH), "");
        EXPECT_EQ(d.Text(IDC_STATUS), kReady);
        EXPECT_FALSE(d.IsEnabled(IDC_WHOLE_6));
        EXPECT_EQ(d.Text(IDC_DUMP), "");
    });
    EXPECT_TRUE(m_messages.texts().empty());
}

TEST_F(DialogTest, TheOpenDialogAsksForAnExistingRomFile) {
    Run([&](DialogDriver& d) {
        std::vector<dlg::FileFilter> filters;
        dlg::DWORD flags = 0;
        dlg::testing::SetFileDialogResponder([&](const dlg::CFileDialog& open) {
            filters = open.GetFilters();
            flags = open.GetFlags();
            EXPECT_TRUE(open.IsOpenDialog());
            EXPECT_NE(open.GetOwner(), nullptr);
            return std::optional<std::string>();
        });
        d.Click(IDC_SELECT);
        ASSERT_EQ(filters.size(), 2u);
        EXPECT_EQ(filters[0].label, "ROM files (.nba;.nbh;.nb;.nb0)");
        EXPECT_EQ(filters[0].patterns, "*.nba;*.nbh;*.nb;*.nb0");
        EXPECT_EQ(filters[1].label, "All files (*.*)");
        EXPECT_EQ(filters[1].patterns, "*.*");
        EXPECT_EQ(flags, static_cast<dlg::DWORD>(OFN_HIDEREADONLY | OFN_FILEMUSTEXIST));
    });
}

TEST_F(DialogTest, AScanShowsTheValueFound) {
    std::string path = Image(0x600000);
    Run([&](DialogDriver& d) {
        Select(d, path);
        EXPECT_EQ(d.Text(IDC_PATH), path);
        EXPECT_EQ(d.Text(IDC_STATUS), kFoundAt9c5b);
        EXPECT_EQ(PresetMarks(d), "010000000");
        EXPECT_EQ(Marks(d, IDC_TENTHS_0, 10), "1000000000");
        EXPECT_EQ(Marks(d, IDC_HUNDREDTHS_0, 10), "1000000000");
        EXPECT_EQ(d.Text(IDC_CUSTOM), "6");
        EXPECT_EQ(d.Text(IDC_VALUE), "6.00");
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 60 00");
        EXPECT_FALSE(d.IsEnabled(IDC_CHANGE_TO));
        for (int id : kPresetIds) EXPECT_TRUE(d.IsEnabled(id)) << id;
        EXPECT_TRUE(d.IsEnabled(IDC_SPIN));
        EXPECT_TRUE(d.IsEnabled(IDC_HUNDREDTHS_0 + 9));
    });
    EXPECT_TRUE(m_messages.texts().empty());
}

TEST_F(DialogTest, TheFilesExactValueIsKeptUntilASizeIsPicked) {
    std::string path = Image(0x600001);
    Run([&](DialogDriver& d) {
        Select(d, path);
        EXPECT_EQ(d.Text(IDC_VALUE), "6.00");
        EXPECT_EQ(d.Text(IDC_DUMP), "01 00 60 00");
        EXPECT_FALSE(d.IsEnabled(IDC_CHANGE_TO));
        d.Click(IDC_WHOLE_6);  // already marked: computes 0x600000
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 60 00");
        EXPECT_TRUE(d.IsEnabled(IDC_CHANGE_TO));
    });
}

TEST_F(DialogTest, NothingFoundDisablesTheControlsButKeepsWhatWasShown) {
    std::string good = Image(0x600000);
    std::string none = m_dir.File("none.nb");
    testsupport::WriteFile(none, testsupport::RandomImageBytes(30000, 7));
    Run([&](DialogDriver& d) {
        Select(d, good);
        d.Click(IDC_WHOLE_12);
        Select(d, none);
        EXPECT_EQ(d.Text(IDC_STATUS), kNothingFound);
        EXPECT_EQ(d.Text(IDC_PATH), none);
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 c0 00");
        EXPECT_EQ(d.Text(IDC_VALUE), "12.00");
        for (int id : kPresetIds) EXPECT_FALSE(d.IsEnabled(id)) << id;
        EXPECT_FALSE(d.IsEnabled(IDC_SPIN));
        EXPECT_FALSE(d.IsEnabled(IDC_TENTHS_0));
        EXPECT_FALSE(d.IsEnabled(IDC_CHANGE_TO));
    });
}

TEST_F(DialogTest, AZeroValueIsNothingFoundButItsBytesAreShown) {
    std::string path = Image(0);
    Run([&](DialogDriver& d) {
        Select(d, path);
        EXPECT_EQ(d.Text(IDC_STATUS), kNothingFound);
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 00 00");
        EXPECT_FALSE(d.IsEnabled(IDC_WHOLE_6));
    });
}

TEST_F(DialogTest, ChangeToWritesExactlyTheFourBytes) {
    std::string path = Image(0x600000);
    const Bytes before = ReadFile(path);
    Run([&](DialogDriver& d) {
        Select(d, path);
        d.Click(IDC_WHOLE_12);
        d.Click(IDC_TENTHS_0 + 5);
        EXPECT_EQ(d.Text(IDC_VALUE), "12.50");
        d.Click(IDC_CHANGE_TO);
        EXPECT_EQ(d.Text(IDC_STATUS), kReady);
        EXPECT_FALSE(d.IsEnabled(IDC_CHANGE_TO));

        Bytes expected = before;
        testsupport::PlantValue(expected, Image::kValueAt, 0xC80000);
        EXPECT_EQ(ReadFile(path), expected);

        Select(d, path);  // the same offset and the value just written
        EXPECT_EQ(d.Text(IDC_STATUS), kFoundAt9c5b);
        EXPECT_EQ(d.Text(IDC_VALUE), "12.50");
        EXPECT_EQ(d.Text(IDC_DUMP), "00 00 c8 00");
    });
    EXPECT_TRUE(m_messages.texts().empty());
}

// Each failure between scan and write: its message, the status after it, Change-to still
// enabled for another try, and the file untouched.
TEST_F(DialogTest, AFailedWriteLeavesTheFileAndAllowsAnotherTry) {
    struct Case {
        const char* name;
        std::function<void(const std::string& path, std::optional<platform::ScopedFile>& other)>
            breakIt;
        const char* message;
        const char* status;  // nullptr: the status keeps the scan's text
    };
    const Case cases[] = {
        {"read-only", [](const std::string& p, auto&) { MakeReadOnly(p); }, "Error opening file!",
         nullptr},
        {"held by another scan",
         [](const std::string& p, auto& other) {
             other.emplace(platform::Files().Open(p.c_str(), platform::OpenMode::Scan));
             ASSERT_TRUE(other->is_open());
         },
         "Error opening file!", nullptr},
        {"changed since the scan",
         [](const std::string& p, auto&) {
             Bytes bytes = ReadFile(p);
             bytes[Image::kSignature + 3] ^= 0xFF;
             testsupport::WriteFile(p, bytes);
         },
         "The file has changed since it was scanned. Select it again.", kReady},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = Image(0x600000, (std::string(c.name) + ".nb").c_str());
        m_messages.Clear();
        Run([&](DialogDriver& d) {
            Select(d, path);
            d.Click(IDC_WHOLE_16);
            std::optional<platform::ScopedFile> other;
            c.breakIt(path, other);
            const Bytes before = ReadFile(path);
            d.Click(IDC_CHANGE_TO);
            EXPECT_EQ(m_messages.texts(), std::vector<std::string>{c.message});
            EXPECT_EQ(d.Text(IDC_STATUS), c.status ? c.status : kFoundAt9c5b);
            EXPECT_TRUE(d.IsEnabled(IDC_CHANGE_TO));
            EXPECT_EQ(ReadFile(path), before);
        });
    }
}

TEST_F(DialogTest, AValueCutShortByTheEndOfTheFileIsNotWrittenPastIt) {
    // The file ends two bytes into the value, which reads as 0x0201.
    Bytes bytes = testsupport::MakeImage(0x600000).bytes;
    bytes.resize(Image::kValueAt + 2);
    bytes[Image::kValueAt] = 0x01;
    bytes[Image::kValueAt + 1] = 0x02;
    std::string path = m_dir.File("short.nb");
    testsupport::WriteFile(path, bytes);
    Run([&](DialogDriver& d) {
        Select(d, path);
        EXPECT_EQ(d.Text(IDC_STATUS), kFoundAt9c5b);
        EXPECT_EQ(d.Text(IDC_DUMP), "01 02 00 00");
        d.Click(IDC_WHOLE_6);
        d.Click(IDC_CHANGE_TO);
        EXPECT_EQ(m_messages.texts(), std::vector<std::string>{"Error writing file!"});
        EXPECT_EQ(d.Text(IDC_STATUS), kReady);
        EXPECT_TRUE(d.IsEnabled(IDC_CHANGE_TO));
    });
    EXPECT_EQ(ReadFile(path), bytes);
}

}  // namespace
}  // namespace dialogtest
