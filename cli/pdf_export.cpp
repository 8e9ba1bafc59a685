#include "pdf_export.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "result_printout.h"

extern char** environ;

namespace nubera::cli {
namespace {

constexpr const char* kFailure = "PDFファイルを作成できませんでした: ";

// Runs the program with `arguments`, returning its exit status and what it
// wrote to its error output; -1 when it could not be started.
int Run(const std::vector<std::string>& arguments, std::string* errorOutput) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    char buffer[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        errorOutput->append(buffer, static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    if (spawned != 0) {
        *errorOutput = std::strerror(spawned);
        return -1;
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

}  // namespace

std::optional<std::filesystem::path> WriteResultPdf(const std::filesystem::path& tool,
                                                    const std::filesystem::path& workbook,
                                                    bool alsoLateral, std::string* error) {
    std::filesystem::path pdf = workbook;
    pdf.replace_extension(".pdf");
    std::vector<std::string> arguments{tool.string(), workbook.string(), pdf.string()};
    for (std::string& sheet : PrintedResultSheets(alsoLateral))
        arguments.push_back(std::move(sheet));
    std::string output;
    const int status = Run(arguments, &output);
    if (status == 0) return pdf;
    *error = kFailure + (status < 0 ? tool.string() + ": " : std::string()) + Trimmed(output);
    return std::nullopt;
}

}  // namespace nubera::cli
