// SPDX-License-Identifier: MIT
// Start-up to the first painted frame and resident memory after start-up: the
// program's window against an empty Qt window of the same size (and that window
// with one label), each launched as its own process many times in turn. Prints
// Markdown table rows.
//   quorvane_bench_startup [runs, default 20]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double startupMs = 0;
    double rssMb = 0;
};

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Launches the probe, reads what it prints and waits for it to end.
bool Launch(const std::string& path, Sample& sample)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    // Qt's notes about the session (no runtime folder and the like) are not wanted here.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};

    const long long launched = MonotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return false;
    }
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) {
        output.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);

    long long painted = 0;
    long rssKb = 0;
    if (std::sscanf(output.c_str(), "painted_ns=%lld\nrss_kb=%ld", &painted, &rssKb) != 2) {
        std::fprintf(stderr, "%s printed: %s\n", path.c_str(), output.c_str());
        return false;
    }
    sample.startupMs = static_cast<double>(painted - launched) / 1e6;
    sample.rssMb = static_cast<double>(rssKb) / 1024;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    // Without a display the probes paint offscreen, as the tests do.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    const std::filesystem::path here = std::filesystem::canonical("/proc/self/exe").parent_path();
    constexpr int kProbes = 3;
    const std::string probes[kProbes] = {(here / "quorvane_probe_bare").string(),
                                         (here / "quorvane_probe_label").string(),
                                         (here / "quorvane_probe_window").string()};
    std::vector<double> startup[kProbes], rss[kProbes];
    Sample sample;
    for (const std::string& probe : probes) {
        if (!Launch(probe, sample)) return 1; // warm the file cache first
    }
    for (int run = 0; run < runs; ++run) {
        // Rotate the order, so no probe always runs right after the same other one.
        for (int k = 0; k < kProbes; ++k) {
            const int which = (run + k) % kProbes;
            if (!Launch(probes[which], sample)) return 1;
            startup[which].push_back(sample.startupMs);
            rss[which].push_back(sample.rssMb);
        }
    }

    double start[kProbes], memory[kProbes];
    for (int i = 0; i < kProbes; ++i) {
        start[i] = Median(startup[i]);
        memory[i] = Median(rss[i]);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const auto row = [&](const char* what, int i, double value, const char* unit, double reference,
                         bool target) {
        std::printf("| %s: %s (%s; median of %d) | %.2f %s | | | ", what,
                    i == 0   ? "empty QWidget 457x505"
                    : i == 1 ? "same with one QLabel"
                             : "Quorvane",
                    platform, runs, value, unit);
        if (i == 0) {
            std::printf("reference |\n");
        } else {
            const double ratio = value / reference;
            std::printf("x%.2f of empty%s |\n", ratio,
                        target ? (ratio <= 1.15 ? ", <= x1.15: met" : ", <= x1.15: MISSED") : "");
        }
    };
    for (int i = 0; i < kProbes; ++i)
        row("start-up to first frame", i, start[i], "ms", start[0], i == 2);
    for (int i = 0; i < kProbes; ++i)
        row("resident memory after start-up", i, memory[i], "MiB", memory[0], i == 2);
    return 0;
}
