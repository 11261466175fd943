// Starts each program many times, alternating, and compares the time from
// process start to its window shown and idle, and its peak resident memory.
//   startup_bench RUNS PROGRAM BASELINE
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Run {
    double seconds;
    long peakKiB;
};

double monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

bool runOnce(const char* program, Run& run)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return false;
    }
    const double started = monotonicNow();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<std::size_t>(got));
    }
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty()) {
        return false;
    }
    run.seconds = std::strtod(output.c_str(), nullptr) - started;
    run.peakKiB = usage.ru_maxrss;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE [OTHER...]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::vector<const char*> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> seconds(programs.size());
    std::vector<std::vector<double>> peaks(programs.size());
    for (int i = 0; i < runs + 1; ++i) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            Run run{};
            if (!runOnce(programs[p], run)) {
                std::fprintf(stderr, "%s did not report its start\n", programs[p]);
                return 1;
            }
            if (i > 0) { // the first round only warms the caches
                seconds[p].push_back(run.seconds);
                peaks[p].push_back(static_cast<double>(run.peakKiB));
            }
        }
    }
    const double baseTime = median(seconds[1]);
    const double basePeak = median(peaks[1]);
    std::printf("%-18s %14s %10s %15s %12s\n", "", "start-up (ms)", "ratio", "peak RSS (MiB)", "difference");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::string name = programs[p];
        name = name.substr(name.find_last_of('/') + 1);
        const double time = median(seconds[p]);
        const double peak = median(peaks[p]);
        std::printf("%-18s %14.1f %9.2fx %15.1f %+8.1f MiB\n", name.c_str(), time * 1e3, time / baseTime, peak / 1024,
                    (peak - basePeak) / 1024);
    }
    std::printf("(median of %d starts each, alternating; ratios against %s)\n", runs,
                programs[1] + std::string(programs[1]).find_last_of('/') + 1);
    return 0;
}
