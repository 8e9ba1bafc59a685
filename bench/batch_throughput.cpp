// bench_batch: how much one batch call of nubera-cli saves over one call per
// project. Makes COUNT random projects with make_projects, then times, in
// one run, `nubera-cli calc FOLDER` on every core and on one, and COUNT calls
// `nubera-cli calc FILE`, each writing its workbook, and prints them with
// their ratios. A batch of a tenth as many projects then shows how its peak
// memory grows with their number. The programs are looked for beside this
// one.
//   bench_batch [COUNT]   (default 1000)

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "bench/child_process.h"

namespace {

namespace fs = std::filesystem;
using nubera::bench::ChildRun;
using nubera::bench::RunChild;

[[noreturn]] void Fail(const std::string& what) {
    std::cerr << "bench_batch: " << what << '\n';
    std::exit(1);
}

std::vector<fs::path> ProjectFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::ranges::sort(files);
    return files;
}

fs::path MakeProjects(const fs::path& bin, const fs::path& folder, int count) {
    if (!RunChild({(bin / "make_projects").string(), folder.string(), std::to_string(count), "1"})
             .succeeded) {
        Fail("make_projects failed");
    }
    return folder;
}

// One batch call over `projects` on `jobs` threads, into a new folder `out`.
// It starts with nothing left to write back, so that it does not pay for
// the files written before it.
ChildRun TimeBatch(const std::string& cli, const fs::path& projects, const fs::path& out,
                   unsigned jobs) {
    fs::create_directories(out);
    ::sync();
    const ChildRun run = RunChild(
        {cli, "calc", projects.string(), "--out", out.string(), "--jobs", std::to_string(jobs)});
    if (!run.succeeded) Fail("the batch call failed");
    return run;
}

// One call per project, a hundred to an output folder (a day's result names).
double TimeSingleCalls(const std::string& cli, const std::vector<fs::path>& projects,
                       const fs::path& out) {
    ::sync();
    double seconds = 0;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        const fs::path folder = out / std::to_string(i / 100);
        fs::create_directories(folder);
        const ChildRun run =
            RunChild({cli, "calc", projects[i].string(), "--out", folder.string()});
        if (!run.succeeded) Fail("nubera-cli refused " + projects[i].string());
        seconds += run.seconds;
    }
    return seconds;
}

void PrintCall(const char* what, double seconds, int count) {
    std::printf("  %-26s %7.2f s  (%.2f ms per project)\n", what, seconds, 1000 * seconds / count);
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    const std::string cli = (bin / "nubera-cli").string();
    char pattern[] = "/tmp/nubera-bench-batch-XXXXXX";
    if (count < 10 || ::mkdtemp(pattern) == nullptr) {
        std::cerr << "usage: bench_batch [COUNT]   (COUNT at least 10)\n";
        return 2;
    }
    const fs::path work = pattern;
    const unsigned cores = std::max(2u, std::thread::hardware_concurrency());
    const fs::path projects = MakeProjects(bin, work / "projects", count);
    const ChildRun parallel = TimeBatch(cli, projects, work / "parallel", cores);
    const ChildRun serial = TimeBatch(cli, projects, work / "serial", 1);
    const double singles = TimeSingleCalls(cli, ProjectFiles(projects), work / "single");
    const int fewer = count / 10;
    const ChildRun small =
        TimeBatch(cli, MakeProjects(bin, work / "fewer", fewer), work / "fewer-out", cores);
    fs::remove_all(work);

    std::printf("%d projects with workbooks, %u cores\n", count,
                std::thread::hardware_concurrency());
    const std::string jobs = "one batch call, --jobs " + std::to_string(cores) + ":";
    PrintCall(jobs.c_str(), parallel.seconds, count);
    PrintCall("one batch call, --jobs 1:", serial.seconds, count);
    PrintCall("one call each:", singles, count);
    std::printf("  the batch call is %.1fx faster than one call each (goal: at least 8x)\n",
                singles / parallel.seconds);
    std::printf("  --jobs %u is %.2fx faster than --jobs 1 (goal: at least 1.9x)\n", cores,
                serial.seconds / parallel.seconds);
    std::printf(
        "  peak memory: %.1f MiB for %d projects, %.1f MiB for %d: %+.2f KiB per project "
        "more (goal: none beyond the summary)\n",
        small.peakKiB / 1024.0, fewer, parallel.peakKiB / 1024.0, count,
        static_cast<double>(parallel.peakKiB - small.peakKiB) / (count - fewer));
    return 0;
}
