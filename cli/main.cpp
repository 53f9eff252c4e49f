// kelvane-cli: the page pool size of ROM images, for scripts.
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/size_argument.h"
#include "model/format_dword.h"
#include "model/pool_size.h"
#include "platform/message.h"
#include "rom/page_pool.h"

namespace {

constexpr const char* kUsage =
    "Usage: kelvane-cli show FILE...\n"
    "       kelvane-cli set SIZE FILE...\n"
    "\n"
    "Shows or sets the page pool size stored in Windows Mobile ROM images (.nb, .nba, .nbh,\n"
    ".nb0). SIZE is in MiB, 0 to 64 with up to two decimals (6, 12.5, 0.75); 64 takes none.\n"
    "A write changes exactly the four bytes of the value and nothing else.\n"
    "\n"
    "Exit status: 0 when every file held a usable value (and, for set, now holds SIZE),\n"
    "1 when any file had none or an error was reported, 2 for a bad command line.\n";

constexpr const char* kNothingFound = "Nothing found. Invalid, unknown or encrypted ROM file.";

struct Found {
    std::uint64_t offset;
    std::uint32_t value;
};

std::string Bytes(std::uint32_t value) {
    return model::FormatDword(value, 1, true);
}

std::string Size(std::uint32_t value) {
    model::SizeDigits d = model::SizeFromBytes(value);
    return model::FormatSize(d.whole, d.tenths, d.hundredths);
}

// Scans one file; prints the "nothing found" line itself.
bool Scan(const char* path, Found& found) {
    found.offset = rom::LocatePagePool(path, found.value);
    if (found.offset == 0 || found.value == 0) {
        std::printf("%s: %s\n", path, kNothingFound);
        return false;
    }
    return true;
}

int Show(const char* path) {
    Found found;
    if (!Scan(path, found))
        return 1;
    std::printf("%s: offset 0x%" PRIx64 ", bytes %s, size %s MiB\n", path, found.offset,
                Bytes(found.value).c_str(), Size(found.value).c_str());
    return 0;
}

int Set(std::uint32_t wanted, const char* path) {
    Found found;
    if (!Scan(path, found))
        return 1;
    if (found.value == wanted) {
        std::printf("%s: offset 0x%" PRIx64 ", bytes %s, size %s MiB, unchanged\n", path,
                    found.offset, Bytes(found.value).c_str(), Size(found.value).c_str());
        return 0;
    }
    if (rom::WritePoolValue(path, found.offset, wanted) != rom::WriteOutcome::Written)
        return 1;
    std::printf("%s: offset 0x%" PRIx64 ", bytes %s -> %s, size %s -> %s MiB\n", path, found.offset,
                Bytes(found.value).c_str(), Bytes(wanted).c_str(), Size(found.value).c_str(),
                Size(wanted).c_str());
    return 0;
}

int BadCommandLine(const char* why) {
    std::fprintf(stderr, "kelvane-cli: %s\nTry 'kelvane-cli --help'.\n", why);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<const char*> words;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (!optionsEnded && arg == "--version") {
            std::puts("kelvane-cli 2.0.0");
            return 0;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            return BadCommandLine(("unknown option " + std::string(arg)).c_str());
        } else {
            words.push_back(argv[i]);
        }
    }
    if (words.empty())
        return BadCommandLine("missing command: show or set");

    const std::string_view command = words[0];
    std::optional<model::SizeDigits> size;
    std::size_t firstFile = 1;
    if (command == "set") {
        if (words.size() < 2)
            return BadCommandLine("set needs a SIZE");
        size = cli::ParseSize(words[1]);
        if (!size) {
            return BadCommandLine(("bad SIZE '" + std::string(words[1]) +
                                   "': 0 to 64 MiB with up to two decimals, 64 without")
                                      .c_str());
        }
        firstFile = 2;
    } else if (command != "show") {
        return BadCommandLine(("unknown command '" + std::string(command) + "'").c_str());
    }
    std::vector<const char*> files(words.begin() + static_cast<std::ptrdiff_t>(firstFile),
                                   words.end());
    if (files.empty())
        return BadCommandLine("no FILE given");

    // The engine reports failures as it goes; name the file each belongs to.
    const char* current = nullptr;
    bool errorReported = false;
    platform::InstallMessageSink([&](std::string_view text) {
        errorReported = true;
        std::fflush(stdout);
        std::fprintf(stderr, "kelvane-cli: %s: %.*s\n", current, static_cast<int>(text.size()),
                     text.data());
    });
    const std::uint32_t wanted =
        size ? model::SizeToBytes(size->whole, size->tenths, size->hundredths) : 0;
    int status = 0;
    for (const char* path : files) {
        current = path;
        if ((size ? Set(wanted, path) : Show(path)) != 0)
            status = 1;
    }
    std::fflush(stdout);
    return errorReported ? 1 : status;
}
