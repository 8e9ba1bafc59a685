#pragma once

#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "files/file_bytes.h"
#include "text/local_date.h"

namespace nubera::test {

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// The whole file; empty when it cannot be read.
inline std::string ReadAll(const std::filesystem::path& path) {
    return ReadFileBytes(path).value_or("");
}

// Runs a shell command, putting what it prints into *out; returns its exit
// status, -1 when it could not be run or did not exit.
inline int RunCommand(const std::string& command, std::string* out) {
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return -1;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out->append(buffer, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs the built nubera-cli with the given (shell-quoted) arguments; `prefix`
// goes before the program (settings of the environment, a time limit).
inline CliRun RunCli(const std::string& arguments, const std::string& prefix = "") {
    const auto errPath = std::filesystem::temp_directory_path() /
                         ("nubera-cli-test-" + std::to_string(::getpid()) + ".err");
    const std::string command = prefix + " '" + NUBERA_BINARY_DIR + "/bin/nubera-cli' " +
                                arguments + " 2>'" + errPath.string() + "'";
    CliRun run;
    run.exitCode = RunCommand(command, &run.out);
    run.err = ReadAll(errPath);
    std::filesystem::remove(errPath);
    return run;
}

// An empty folder of the build tree for one test's output.
inline std::filesystem::path FreshFolder(const std::string& name) {
    const auto folder = std::filesystem::path(NUBERA_BINARY_DIR) / "test-output" / "cli" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string Example(const std::string& name) {
    return std::string("'") + NUBERA_SOURCE_DIR + "/examples/" + name + "'";
}

// Today's date as a single run names its workbooks: yyyymmdd.
inline std::string TodayDigits() {
    const std::chrono::year_month_day today = LocalToday();
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04d%02u%02u", static_cast<int>(today.year()),
                  static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day()));
    return digits;
}

}  // namespace nubera::test
