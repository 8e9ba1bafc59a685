#pragma once

// Runs a program as a benchmark does: its output dropped, its time and its
// peak memory taken.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace nubera::bench {

struct ChildRun {
    bool succeeded = false;  // exited with 0
    double seconds = 0;      // wall-clock, from start to exit
    long peakKiB = 0;        // its largest resident set
};

inline ChildRun RunChild(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    struct rusage usage {};
    ChildRun run;
    if (spawned != 0 || ::wait4(child, &status, 0, &usage) < 0) return run;
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    run.peakKiB = usage.ru_maxrss;
    return run;
}

// The smallest and the middle of some timings.
struct Spread {
    double min = 0;
    double median = 0;
};

inline Spread SpreadOf(std::vector<double> values) {
    if (values.empty()) return {};
    std::ranges::sort(values);
    return {values.front(), values[values.size() / 2]};
}

}  // namespace nubera::bench
