#pragma once

// Starting a helper program and waiting for it: the one place that uses the
// POSIX process calls (another platform replaces this file's body).

#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

namespace nubera::cli {

// How the helper is run: what goes to its standard input (nothing: it keeps
// ours) and which of its outputs is gathered.
struct HelperRun {
    std::optional<std::string> input;
    int gatheredOutput = STDERR_FILENO;
};

// Runs the program with `arguments` (the program's path first) as `how` says,
// putting the gathered output into *gathered; returns its exit status, -1
// when it could not be started or did not exit.
int RunHelper(const std::vector<std::string>& arguments, const HelperRun& how,
              std::string* gathered);

}  // namespace nubera::cli
