// kelvane-cli from the outside: its lines, its exit status and what it does to the files.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/size_argument.h"
#include "platform/file.h"
#include "tests/support/temp_file.h"

extern char** environ;

namespace {

using testsupport::Bytes;
using testsupport::Image;
using testsupport::MakeImage;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

struct Outcome {
    int status;  // the exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

class Cli : public testing::Test {
protected:
    // Runs kelvane-cli with `args`, no standard input, and its two outputs caught in files.
    Outcome Invoke(const std::vector<std::string>& args) {
        const std::string out = m_dir.File("stdout");
        const std::string err = m_dir.File("stderr");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);

        std::vector<std::string> words = {KELVANE_CLI};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);

        Outcome run{-1, {}, {}};
        pid_t pid;
        const int spawned = posix_spawn(&pid, KELVANE_CLI, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            ADD_FAILURE() << "cannot start " << KELVANE_CLI;
            return run;
        }
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (WIFEXITED(status))
            run.status = WEXITSTATUS(status);
        const Bytes outBytes = ReadFile(out);
        const Bytes errBytes = ReadFile(err);
        run.out.assign(outBytes.begin(), outBytes.end());
        run.err.assign(errBytes.begin(), errBytes.end());
        return run;
    }

    std::string Put(const std::string& name, const Bytes& bytes) {
        const std::string path = m_dir.File(name);
        WriteFile(path, bytes);
        return path;
    }

    TempDir m_dir;
};

TEST_F(Cli, ShowsOffsetBytesAndSize) {
    const std::string good = Put("good.nb0", MakeImage().bytes);
    const Outcome run = Invoke({"show", good});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, good + ": offset 0x9c5b, bytes 00 00 60 00, size 6.00 MiB\n");
    EXPECT_EQ(run.err, "");

    Bytes odd = MakeImage(0x00673333).bytes;  // 6.45 MiB
    const std::string oddPath = Put("odd.nb0", odd);
    EXPECT_EQ(Invoke({"show", oddPath}).out,
              oddPath + ": offset 0x9c5b, bytes 33 33 67 00, size 6.45 MiB\n");
    const std::string huge = Put("huge.nb0", MakeImage(0xFFFFFFFE).bytes);
    EXPECT_EQ(Invoke({"show", huge}).out,
              huge + ": offset 0x9c5b, bytes fe ff ff ff, size 64.00 MiB\n");
}

TEST_F(Cli, ReportsEveryFileAndFailsIfAnyHasNoValue) {
    const std::string good = Put("good.nb0", MakeImage().bytes);
    const std::string random = Put("random.nb0", testsupport::RandomImageBytes(65536, 5));
    const std::string zero = Put("zero.nb0", MakeImage(0).bytes);
    const std::string missing = m_dir.File("missing.nb0");
    const std::string nothing = ": Nothing found. Invalid, unknown or encrypted ROM file.\n";

    const Outcome run = Invoke({"show", random, good, zero, missing});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, random + nothing + good +
                           ": offset 0x9c5b, bytes 00 00 60 00, size 6.00 MiB\n" + zero + nothing +
                           missing + nothing);
    EXPECT_EQ(run.err, "kelvane-cli: " + missing + ": Error opening file!\n");

    EXPECT_EQ(Invoke({"show", good, good}).status, 0);
}

TEST_F(Cli, SetChangesExactlyTheFourBytes) {
    const Bytes before = MakeImage().bytes;
    const std::string path = Put("image.nb0", before);
    const Outcome run = Invoke({"set", "12.5", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              path + ": offset 0x9c5b, bytes 00 00 60 00 -> 00 00 c8 00, size 6.00 -> 12.50 MiB\n");
    EXPECT_EQ(run.err, "");

    Bytes expected = before;
    testsupport::PlantValue(expected, Image::kValueAt, 0xC80000);
    EXPECT_EQ(ReadFile(path), expected);
    EXPECT_EQ(Invoke({"show", path}).out,
              path + ": offset 0x9c5b, bytes 00 00 c8 00, size 12.50 MiB\n");

    const Outcome again = Invoke({"set", "12.50", path});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, path + ": offset 0x9c5b, bytes 00 00 c8 00, size 12.50 MiB, unchanged\n");
    EXPECT_EQ(ReadFile(path), expected);
}

TEST_F(Cli, SetReportsWhatItCouldNotWrite) {
    const Bytes image = MakeImage().bytes;
    const std::string readOnly = Put("read-only.nb0", image);
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    Bytes cut = MakeImage(0x00601122).bytes;
    cut.resize(Image::kValueAt + 2);
    const std::string cutShort = Put("short.nb0", cut);
    const std::string good = Put("good.nb0", image);

    // The value cut short by the end reads with zeros, and writing it would grow the file.
    EXPECT_EQ(Invoke({"show", cutShort}).out,
              cutShort + ": offset 0x9c5b, bytes 22 11 00 00, size 0.00 MiB\n");

    const Outcome run = Invoke({"set", "8", readOnly, cutShort, good});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              good + ": offset 0x9c5b, bytes 00 00 60 00 -> 00 00 80 00, size 6.00 -> 8.00 MiB\n");
    EXPECT_EQ(run.err, "kelvane-cli: " + readOnly + ": Error opening file!\n" +
                           "kelvane-cli: " + cutShort + ": Error writing file!\n");
    EXPECT_EQ(ReadFile(readOnly), image);
    EXPECT_EQ(ReadFile(cutShort), cut);
}

TEST_F(Cli, RejectsABadCommandLineBeforeOpeningAnything) {
    const std::string path = Put("image.nb0", MakeImage().bytes);
    // Held open for writing: any scan would fail with "Error opening file!" and status 1.
    const platform::FileHandle held =
        platform::NativeFileSystem().Open(path.c_str(), platform::OpenMode::Write);
    ASSERT_NE(held, platform::kInvalidFile);
    const std::vector<std::vector<std::string>> commandLines = {
        {},
        {"show"},
        {"set"},
        {"set", "6"},
        {"set", "65", path},
        {"set", "64.5", path},
        {"set", "6.", path},
        {"set", "6.123", path},
        {"set", "-1", path},
        {"set", "abc", path},
        {"set", "", path},
        {"set", path},
        {"frobnicate", path},
        {"Show", path},
        {"--bogus", "show", path},
    };
    for (const auto& args : commandLines) {
        std::string shown;
        for (const auto& a : args) shown += " '" + a + "'";
        SCOPED_TRACE(shown);
        const Outcome run = Invoke(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("kelvane-cli: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("Try 'kelvane-cli --help'."), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Error"), std::string::npos) << run.err;
    }
    platform::NativeFileSystem().Close(held);

    // After "--" a word starting with '-' is a file.
    const Outcome run = Invoke({"show", "--", "-no-such-file"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kelvane-cli: -no-such-file: Error opening file!\n");
}

TEST_F(Cli, HelpAndVersion) {
    for (const char* option : {"--help", "-h"}) {
        const Outcome run = Invoke({"show", option});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.rfind(
                      "Usage: kelvane-cli show FILE...\n       kelvane-cli set SIZE FILE...\n", 0),
                  0u);
        EXPECT_EQ(run.err, "");
    }
    const Outcome run = Invoke({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "kelvane-cli 2.0.0\n");
    EXPECT_EQ(run.err, "");
}

// Each scan reads 4.5 GiB of hole, most of a second even from memory: run by the benchmark target.
TEST_F(Cli, DISABLED_ShowsAndSetsAnOffsetPastFourAndAHalfGiB) {
    TempDir memory(TempDir::Place::Memory);
    const std::string path = memory.File("sparse.nb0");
    const std::uint64_t base = std::uint64_t{9} << 29;  // 4.5 GiB
    testsupport::WriteSparseFile(path, base + Image::kSize,
                                 testsupport::SparseImagePieces(base, 0x600000));

    const Outcome shown = Invoke({"show", path});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, path + ": offset 0x120009c5b, bytes 00 00 60 00, size 6.00 MiB\n");
    const Outcome set = Invoke({"set", "8", path});
    EXPECT_EQ(set.status, 0);
    EXPECT_EQ(
        set.out,
        path + ": offset 0x120009c5b, bytes 00 00 60 00 -> 00 00 80 00, size 6.00 -> 8.00 MiB\n");
    EXPECT_EQ(testsupport::ReadRange(path, base + Image::kValueAt - 1, 6),
              (Bytes{0x5A, 0, 0, 0x80, 0, 0}));
    EXPECT_EQ(testsupport::FileSize(path), base + Image::kSize);
}

TEST(ParseSize, AcceptsWhatTheDialogOffers) {
    struct Case {
        const char* text;
        int whole, tenths, hundredths;
    };
    const Case valid[] = {
        {"0", 0, 0, 0},     {"6", 6, 0, 0},      {"6.5", 6, 5, 0},    {"12.75", 12, 7, 5},
        {"0.05", 0, 0, 5},  {"09", 9, 0, 0},     {"63.99", 63, 9, 9}, {"64", 64, 0, 0},
        {"64.0", 64, 0, 0}, {"64.00", 64, 0, 0}, {"0.0", 0, 0, 0},
    };
    for (const Case& c : valid) {
        const std::optional<model::SizeDigits> size = cli::ParseSize(c.text);
        ASSERT_TRUE(size.has_value()) << c.text;
        EXPECT_EQ(size->whole, c.whole) << c.text;
        EXPECT_EQ(size->tenths, c.tenths) << c.text;
        EXPECT_EQ(size->hundredths, c.hundredths) << c.text;
    }
    for (const char* text :
         {"",   "65",  "99", "100", "064", "64.5", "64.01", "6.",  ".5",  "6.123", "-1",
          "+6", "abc", "6a", "6,5", " 6",  "6 ",   "1.2.3", "6e0", "0x6", "6..5"}) {
        EXPECT_FALSE(cli::ParseSize(text).has_value()) << "'" << text << "'";
    }
}

}  // namespace
