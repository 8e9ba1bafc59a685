#include "cli/helper_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "cli/helper_caller.h"

extern char** environ;

namespace nubera::cli {
namespace {

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;  // the helper stopped reading; its outcome says why
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Our environment, with our process id as the helper's caller.
std::vector<std::string> HelperEnvironment() {
    const std::string prefix = std::string(kHelperCallerVariable) + "=";
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!std::string_view(*entry).starts_with(prefix)) environment.emplace_back(*entry);
    }
    environment.push_back(prefix + std::to_string(::getpid()));
    return environment;
}

// The pointers execve takes to `strings`, ended by a null one.
std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
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

}  // namespace

int RunHelper(const std::vector<std::string>& arguments, const HelperRun& how,
              std::string* gathered) {
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
    std::vector<std::string> argumentTexts = arguments;
    std::vector<std::string> environment = HelperEnvironment();
    const std::vector<char*> argv = Pointers(argumentTexts);
    const std::vector<char*> envp = Pointers(environment);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
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

}  // namespace nubera::cli
