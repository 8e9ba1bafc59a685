#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "files/file_bytes.h"

namespace nubera::testing_support {

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

// Runs the built nubera-cli with the given (shell-quoted) arguments.
inline CliRun RunCli(const std::string& arguments) {
    const auto errPath = std::filesystem::temp_directory_path() /
                         ("nubera-cli-test-" + std::to_string(::getpid()) + ".err");
    const std::string command = std::string("'") + NUBERA_BINARY_DIR + "/bin/nubera-cli' " +
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

}  // namespace nubera::testing_support
