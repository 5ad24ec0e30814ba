#include "ServeFolder.h"

#include "Faults.h"
#include "SimOptions.h"
#include "SimRun.h"

#include "common/Platform.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

namespace HerdSim {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// How often the folder is looked at, and how long a request must keep its size
// and time before it counts as completely written.
constexpr auto kPoll = 50ms;
constexpr auto kSettle = 150ms;

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void RequestStop(int) {
    stopRequested = 1;
}

// What tells one request file from another: its size and modification time.
struct FileState {
    std::uintmax_t size = 0;
    fs::file_time_type time;
    bool operator==(const FileState&) const = default;
};

std::optional<FileState> StateOf(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    FileState state{fs::file_size(path, ec), {}};
    if (ec)
        return std::nullopt;
    state.time = fs::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    return state;
}

bool ShouldRun(const fs::path& folder) {
    std::error_code ec;
    return !stopRequested && fs::is_directory(folder, ec);
}

// Waits in small steps so that a stop is noticed meanwhile; false when stopped.
bool Pause(std::chrono::milliseconds time, const fs::path& folder) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < end) {
        if (!ShouldRun(folder))
            return false;
        std::this_thread::sleep_for(std::min<std::chrono::milliseconds>(
            kPoll, std::chrono::duration_cast<std::chrono::milliseconds>(
                       end - std::chrono::steady_clock::now())));
    }
    return ShouldRun(folder);
}

// The request once its writer has finished: size and time unchanged for a while.
std::optional<FileState> CompleteRequest(const fs::path& request, const fs::path& folder) {
    auto state = StateOf(request);
    while (state) {
        if (!Pause(kSettle, folder))
            return std::nullopt;
        const auto later = StateOf(request);
        if (later == state)
            return state;
        state = later;
    }
    return std::nullopt;
}

std::string InFolder(const fs::path& folder, const char* name) {
    return Platform::Utf8FromPath(folder / name);
}

} // namespace

int ServeFolder(const SimOptions& options) {
    const fs::path folder = Platform::PathFromUtf8(options.serveFolder);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        std::fprintf(stderr, "herd-iso-sim: not a folder: %s\n", options.serveFolder.c_str());
        return ExitUsage;
    }
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    const Faults faults = FaultsFromEnvironment();

    SimOptions run = options;
    run.inFile = InFolder(folder, "isoin.dat");
    run.outFile = InFolder(folder, "isoout.dat");
    run.logFile = InFolder(folder, "iso.log");
    const fs::path request = Platform::PathFromUtf8(run.inFile);
    std::fprintf(stderr, "herd-iso-sim: serving %s\n", options.serveFolder.c_str());

    // A request left in place after its answer is not answered again.
    std::optional<FileState> answered;
    while (ShouldRun(folder)) {
        const auto waiting = StateOf(request);
        if (!waiting || waiting != answered) {
            answered.reset();
            if (waiting && (faults.slowServeMs <= 0 ||
                            Pause(std::chrono::milliseconds(faults.slowServeMs), folder))) {
                if (const auto complete = CompleteRequest(request, folder)) {
                    const int exitCode = RunExchange(run);
                    std::fprintf(stderr, "herd-iso-sim: answered %s (exit code %d)\n",
                                 run.inFile.c_str(), exitCode);
                    answered = complete;
                    if (!faults.keepRequest && fs::remove(request, ec))
                        answered.reset();
                }
            }
        }
        std::this_thread::sleep_for(kPoll);
    }
    std::fprintf(stderr, "herd-iso-sim: stopped serving %s\n", options.serveFolder.c_str());
    return ExitOk;
}

} // namespace HerdSim
