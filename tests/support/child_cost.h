// Runs a piece of work in a child process and reports what it cost there (CPU time and peak
// memory by getrusage), so that a test can hold a reader to its time and memory caps while a
// runaway stays in the child: it is stopped by an alarm and, outside the sanitizers (whose
// shadow memory needs the address space), by an address-space limit. The memory is what the
// work added to the resident size the child started with, whatever the test process held.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define HC_TEST_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define HC_TEST_UNDER_ASAN 1
#endif
#endif

namespace hc::test {

// What a reader may spend on any one file: well under a second of CPU time, stretched for the
// sanitizer build (unoptimised, every access checked: several times slower); and 200 MB.
#ifdef HC_TEST_UNDER_ASAN
inline constexpr double kCpuSecondsCap = 4.0;
#else
inline constexpr double kCpuSecondsCap = 0.5;
#endif
inline constexpr double kMegabytesCap = 200.0;

struct ChildCost {
    bool finished = false;  // the work returned (no crash, no alarm)
    std::string outcome;    // what the work returned
    double cpuSeconds = 0;
    double peakMegabytes = 0;  // peak resident size above the child's size at its start
};

inline ChildCost RunInChild(const std::function<std::string()>& work, unsigned alarmSeconds = 20) {
    ChildCost cost;
    int fds[2];
    if (pipe(fds) != 0)
        return cost;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        long pages = 0, resident = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
                resident = 0;
            std::fclose(statm);
        }
        const std::string start = std::to_string(resident * sysconf(_SC_PAGESIZE) / 1024) + "\n";
        alarm(alarmSeconds);
#ifndef HC_TEST_UNDER_ASAN
        const rlimit limit{rlim_t{4} << 30, rlim_t{4} << 30};
        setrlimit(RLIMIT_AS, &limit);
#endif
        const std::string outcome = start + work();
        ssize_t written = write(fds[1], outcome.data(), outcome.size());
        _exit(written == static_cast<ssize_t>(outcome.size()) ? 0 : 1);
    }
    close(fds[1]);
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        cost.outcome.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid)
        return cost;
    cost.finished = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const std::size_t newline = cost.outcome.find('\n');
    if (newline == std::string::npos)
        return cost;
    const double startKilobytes = std::stod(cost.outcome.substr(0, newline));
    cost.outcome.erase(0, newline + 1);
    auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    cost.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    cost.peakMegabytes = (static_cast<double>(usage.ru_maxrss) - startKilobytes) / 1024.0;
    return cost;
}

}  // namespace hc::test
