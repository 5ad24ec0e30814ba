#include "modUtils.h"

#include <cerrno>
#include <chrono>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

// Programs start from an argument vector, never through a shell. Window show
// modes and creation flags have no meaning here and are ignored.
namespace modUtils {
namespace {

constexpr std::int32_t kStillActive = 259;

std::optional<pid_t> Spawn(const std::vector<std::string>& argv) {
    if (argv.empty() || argv.front().empty())
        return std::nullopt;
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    // posix_spawnp reports a program that cannot be executed as its error.
    if (::posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0)
        return std::nullopt;
    return pid;
}

std::int32_t ExitCode(int status) {
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

// The exit status, or nothing while the program runs.
std::optional<std::int32_t> Poll(pid_t pid) {
    int status = 0;
    pid_t result;
    do {
        result = ::waitpid(pid, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == 0)
        return std::nullopt;
    return result == pid ? ExitCode(status) : -1;
}

std::int32_t WaitFor(pid_t pid, int pollMs, const EventPump& pump) {
    const auto step = std::chrono::milliseconds(pollMs > 0 ? pollMs : 1);
    for (;;) {
        if (const auto code = Poll(pid))
            return *code;
        std::this_thread::sleep_for(step);
        if (pump)
            pump();
    }
}

} // namespace

std::int32_t RunProgram(const std::vector<std::string>& argv, int, int) {
    const auto pid = Spawn(argv);
    if (!pid)
        return -1;
    if (const auto code = Poll(*pid))
        return *code;
    // Nobody waits for this program: a thread collects its end so that it leaves
    // no zombie process behind.
    std::thread([child = *pid] {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return kStillActive;
}

std::int32_t RunProgramAndWait(const std::vector<std::string>& argv, int pollMs,
                               const EventPump& pump, int, int) {
    const auto pid = Spawn(argv);
    if (!pid)
        return -1;
    return WaitFor(*pid, pollMs, pump);
}

// The argument vector is the program and its arguments; the text is for Windows.
std::int32_t RunCallAndWait(const ProgramCall& call, int pollMs, const EventPump& pump, int, int) {
    std::vector<std::string> argv = {call.program};
    argv.insert(argv.end(), call.arguments.begin(), call.arguments.end());
    const auto pid = Spawn(argv);
    if (!pid)
        return -1;
    return WaitFor(*pid, pollMs, pump);
}

} // namespace modUtils
