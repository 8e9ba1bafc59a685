#include "pdf_export.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "result_printout.h"

extern char** environ;

namespace nubera::cli {
namespace {

constexpr const char* kFailure = "PDFファイルを作成できませんでした: ";

// How the helper is run: what goes to its standard input (nothing: it keeps
// ours) and which of its outputs is gathered.
struct HelperRun {
    std::optional<std::string> input;
    int gatheredOutput = STDERR_FILENO;
};

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;  // the helper stopped reading; its outcome says why
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

std::string ReadAll(int fd) {
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
}

// Runs the program with `arguments` as `how` says, putting the gathered
// output into *gathered; returns its exit status, -1 when it could not be
// started or did not exit.
int Run(const std::vector<std::string>& arguments, const HelperRun& how, std::string* gathered) {
    int output[2];
    int input[2] = {-1, -1};
    if (::pipe2(output, O_CLOEXEC) != 0) {
        *gathered = std::strerror(errno);
        return -1;
    }
    if (how.input && ::pipe2(input, O_CLOEXEC) != 0) {
        *gathered = std::strerror(errno);
        ::close(output[0]);
        ::close(output[1]);
        return -1;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], how.gatheredOutput);
    if (how.input) posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (how.input) {
        ::close(input[0]);
        if (spawned == 0) WriteAll(input[1], *how.input);
        ::close(input[1]);
    }
    *gathered = ReadAll(output[0]);
    ::close(output[0]);
    if (spawned != 0) {
        *gathered = std::strerror(spawned);
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

std::filesystem::path PdfBeside(const std::filesystem::path& workbook) {
    std::filesystem::path pdf = workbook;
    return pdf.replace_extension(".pdf");
}

// The helper's list: for each workbook its path, the PDF's and its sheets,
// each ended by a NUL byte, and an empty field after the last sheet.
std::string PdfList(const std::vector<PdfRequest>& requests) {
    std::string list;
    for (const PdfRequest& request : requests) {
        list += request.workbook.string() + '\0' + PdfBeside(request.workbook).string() + '\0';
        for (const std::string& sheet : PrintedResultSheets(request.alsoLateral)) {
            list += sheet + '\0';
        }
        list += '\0';
    }
    return list;
}

}  // namespace

std::optional<std::filesystem::path> WriteResultPdf(const std::filesystem::path& tool,
                                                    const std::filesystem::path& workbook,
                                                    bool alsoLateral, std::string* error) {
    const std::filesystem::path pdf = PdfBeside(workbook);
    std::vector<std::string> arguments{tool.string(), workbook.string(), pdf.string()};
    for (std::string& sheet : PrintedResultSheets(alsoLateral))
        arguments.push_back(std::move(sheet));
    std::string output;
    const int status = Run(arguments, {}, &output);
    if (status == 0) return pdf;
    *error = kFailure + (status < 0 ? tool.string() + ": " : std::string()) + Trimmed(output);
    return std::nullopt;
}

std::vector<PdfOutcome> WriteResultPdfs(const std::filesystem::path& tool,
                                        const std::vector<PdfRequest>& requests) {
    std::string answers;
    const int status = Run({tool.string(), "--list"}, {PdfList(requests), STDOUT_FILENO}, &answers);
    // One answer per workbook, each ended by a NUL byte: empty when written,
    // else why not. Workbooks left unanswered share the run's failure.
    std::vector<PdfOutcome> outcomes;
    std::size_t at = 0;
    for (const PdfRequest& request : requests) {
        const std::size_t end = answers.find('\0', at);
        if (end == std::string::npos) {
            outcomes.push_back({std::nullopt, kFailure + tool.string() + ": " +
                                                  (status < 0 ? answers : "途中で終了しました")});
            continue;
        }
        const std::string answer = answers.substr(at, end - at);
        at = end + 1;
        if (answer.empty()) {
            outcomes.push_back({PdfBeside(request.workbook), {}});
        } else {
            outcomes.push_back({std::nullopt, kFailure + Trimmed(answer)});
        }
    }
    return outcomes;
}

}  // namespace nubera::cli
