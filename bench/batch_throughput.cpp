// bench_batch: how much one batch call of nubera-cli saves over one call per
// project. Makes COUNT random projects with make_projects, then times, in
// one run, `nubera-cli calc FOLDER` (one call, every core) and COUNT calls
// `nubera-cli calc FILE`, each writing its workbook, and prints both with
// their ratio and the machine's core count. The programs are looked for
// beside this one.
//   bench_batch [COUNT]   (default 1000)

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Runs a program with its output dropped; false unless it exits with 0.
bool Run(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) < 0) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<fs::path> ProjectFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::ranges::sort(files);
    return files;
}

// COUNT single calls, a hundred to an output folder (a day's result names).
double TimeSingleCalls(const std::string& cli, const std::vector<fs::path>& projects,
                       const fs::path& out) {
    for (std::size_t i = 0; i < projects.size(); i += 100) {
        fs::create_directories(out / std::to_string(i / 100));
    }
    const auto start = Clock::now();
    for (std::size_t i = 0; i < projects.size(); ++i) {
        if (!Run({cli, "calc", projects[i].string(), "--out",
                  (out / std::to_string(i / 100)).string()})) {
            std::cerr << "bench_batch: nubera-cli refused " << projects[i] << '\n';
            std::exit(1);
        }
    }
    return SecondsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string cli = (bin / "nubera-cli").string();
    char pattern[] = "/tmp/nubera-bench-batch-XXXXXX";
    if (count < 1 || ::mkdtemp(pattern) == nullptr) {
        std::cerr << "usage: bench_batch [COUNT]\n";
        return 2;
    }
    const fs::path work = pattern;
    const fs::path projects = work / "projects";
    if (!Run({(bin / "make_projects").string(), projects.string(), std::to_string(count), "1"})) {
        std::cerr << "bench_batch: make_projects failed\n";
        return 1;
    }
    fs::create_directories(work / "batch");
    // Each timing starts with nothing left to write back, so that neither
    // pays for the files written before it.
    ::sync();
    const auto start = Clock::now();
    const bool batched = Run({cli, "calc", projects.string(), "--out", (work / "batch").string()});
    const double batch = SecondsSince(start);
    ::sync();
    const double singles = TimeSingleCalls(cli, ProjectFiles(projects), work / "single");
    fs::remove_all(work);
    if (!batched) {
        std::cerr << "bench_batch: the batch call failed\n";
        return 1;
    }
    std::printf("%d projects with workbooks, %u cores\n", count,
                std::thread::hardware_concurrency());
    std::printf("  one batch call:     %7.2f s  (%.2f ms per project)\n", batch,
                1000 * batch / count);
    std::printf("  one call each:      %7.2f s  (%.2f ms per project)\n", singles,
                1000 * singles / count);
    std::printf("  the batch call is %.1fx faster\n", singles / batch);
    return 0;
}
