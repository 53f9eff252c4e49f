// Measures what the signature search costs over simply reading the file, through the same file
// port in the same run, and that its memory does not grow with the file:
//   scan of 1 GiB of random bytes        <= 1.25 x a plain loop of 20480-byte reads
//   scan of 1 GiB of "NKKD" repeated     <= 3 x the same loop (every fourth byte starts a near
//   miss) peak memory scanning 1 MiB and 1 GiB within 1 MiB of each other
// Exits 1 when a target is missed. The files are made in a directory under /tmp and removed.
//
// `kelvane_bench --peak FILE` is the child run once per size: it scans FILE and prints its VmHWM.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/file.h"
#include "platform/message.h"
#include "rom/page_pool.h"
#include "rom/signature.h"

extern char** environ;

namespace {

constexpr std::uint64_t kMiB = 1 << 20;
constexpr std::uint64_t kGiB = 1 << 30;
constexpr int kRounds = 9;

// Processor time of this process (user and system): the scans are bound by it once the file is
// in the cache, and it counts little of what other programs on the machine are doing meanwhile.
struct CpuClock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<CpuClock>;
    static time_point now() {
        timespec ts;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return time_point(duration(static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec));
    }
};

double Seconds(CpuClock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The directory and everything in it go when the benchmark ends, however it ends.
class ScratchDir {
public:
    ScratchDir() {
        char pattern[] = "/tmp/kelvane-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            std::perror("mkdtemp");
            std::exit(2);
        }
        m_path = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string File(const char* name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Writes `size` bytes, each 1 MiB block made by `fill`.
template <typename Fill>
bool MakeFile(const std::string& path, std::uint64_t size, Fill fill) {
    const int fd = open(path.c_str(), O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    std::vector<std::uint8_t> block(kMiB);
    bool ok = true;
    for (std::uint64_t done = 0; ok && done < size; done += block.size()) {
        fill(block);
        const std::size_t n =
            static_cast<std::size_t>(std::min<std::uint64_t>(block.size(), size - done));
        ok = write(fd, block.data(), n) == static_cast<ssize_t>(n);
    }
    return close(fd) == 0 && ok;
}

void RandomFill(std::vector<std::uint8_t>& block) {
    static std::uint64_t state = 0x9E3779B97F4A7C15u;
    for (std::size_t i = 0; i < block.size(); i += 8) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15u);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        z ^= z >> 31;
        std::memcpy(block.data() + i, &z, 8);
    }
}

void NearMissFill(std::vector<std::uint8_t>& block) {
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = "NKKD"[i % 4];
}

// Reads the whole file in chunks as the search does, and does nothing with the bytes.
double PlainRead(const std::string& path) {
    static rom::SearchWindow window;
    const auto start = CpuClock::now();
    platform::ScopedFile file(platform::Files().Open(path.c_str(), platform::OpenMode::Scan));
    std::size_t got = 0;
    while (
        platform::Files().Read(file.get(), window.data() + rom::kCarrySize, rom::kChunkSize, got) &&
        got != 0) {
    }
    file.Close();
    return Seconds(CpuClock::now() - start);
}

// The first search of a scan: the second NK marker, which these files lack, so it reads them whole.
double Scan(const std::string& path) {
    static rom::SearchWindow window;
    const auto start = CpuClock::now();
    platform::ScopedFile file(platform::Files().Open(path.c_str(), platform::OpenMode::Scan));
    std::uint64_t position = 0;
    const bool found = rom::FindSignature(file.get(), rom::kNkMarker.data(), rom::kNkMarker.size(),
                                          position, 2, window);
    file.Close();
    const double seconds = Seconds(CpuClock::now() - start);
    if (found)
        std::fprintf(stderr, "%s: unexpected marker at %llu\n", path.c_str(),
                     (unsigned long long)position);
    return seconds;
}

// Times scan and plain read alternately; the best of each, so that other load on the machine
// counts as little as it can.
bool CompareWithPlainRead(const char* what, const std::string& path, double target) {
    double plain = 1e9, scan = 1e9;
    PlainRead(path);  // warms the cache
    for (int round = 0; round < kRounds; ++round) {
        plain = std::min(plain, PlainRead(path));
        scan = std::min(scan, Scan(path));
    }
    const double ratio = scan / plain;
    std::printf(
        "%-28s plain read %6.3f s cpu (%5.2f GiB/s)  scan %6.3f s cpu (%5.2f GiB/s)  ratio %.3f  "
        "target <= "
        "%.2f  %s\n",
        what, plain, 1 / plain, scan, 1 / scan, ratio, target, ratio <= target ? "ok" : "MISSED");
    return ratio <= target;
}

// The child's side: a whole LocatePagePool scan, then the high-water mark of resident memory.
int ReportPeak(const char* path) {
    platform::InstallMessageSink([](std::string_view text) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    });
    std::uint32_t value = 0;
    rom::LocatePagePool(path, value);
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::printf("%lld\n", std::atoll(line.c_str() + 6));
            return 0;
        }
    }
    return 1;
}

// Runs this program as `--peak path` and returns the child's VmHWM in KiB, or -1.
long long PeakOfScan(const std::string& path) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::string self = "/proc/self/exe", option = "--peak", file = path;
    char* argv[] = {self.data(), option.data(), file.data(), nullptr};
    pid_t pid;
    const int spawned = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string out;
    char buffer[64];
    ssize_t n;
    while (spawned == 0 && (n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<std::size_t>(n));
    close(pipeFds[0]);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || out.empty())
        return -1;
    return std::atoll(out.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--peak") == 0)
        return ReportPeak(argv[2]);

    ScratchDir dir;
    const std::string random = dir.File("random.nb0");
    const std::string nearMisses = dir.File("nkkd.nb0");
    const std::string small = dir.File("small.nb0");
    std::printf(
        "making 1 GiB of random bytes, 1 GiB of \"NKKD\" repeated and 1 MiB of random bytes in "
        "/tmp\n");
    std::fflush(stdout);
    if (!MakeFile(random, kGiB, RandomFill) || !MakeFile(nearMisses, kGiB, NearMissFill) ||
        !MakeFile(small, kMiB, RandomFill)) {
        std::fprintf(stderr, "cannot make the files\n");
        return 2;
    }

    bool ok = CompareWithPlainRead("1 GiB random", random, 1.25);
    ok = CompareWithPlainRead("1 GiB \"NKKD\" repeated", nearMisses, 3.0) && ok;

    const long long peakSmall = PeakOfScan(small);
    const long long peakLarge = PeakOfScan(random);
    const bool flat = peakSmall > 0 && peakLarge > 0 && peakLarge - peakSmall <= 1024;
    std::printf(
        "%-28s 1 MiB file %lld KiB  1 GiB file %lld KiB  difference %lld KiB  target <= 1024  %s\n",
        "peak memory of a scan", peakSmall, peakLarge, peakLarge - peakSmall,
        flat ? "ok" : "MISSED");
    ok = flat && ok;
    return ok ? 0 : 1;
}
