#include "Platform.h"

#include <thread>

namespace Platform {

std::optional<std::filesystem::path> NearestExisting(const std::string& path) {
    std::filesystem::path probe = PathFromUtf8(path);
    std::error_code ec;
    while (!std::filesystem::exists(probe, ec)) {
        if (!probe.has_relative_path())
            return std::nullopt;
        probe = probe.parent_path();
        if (probe.empty())
            probe = ".";
    }
    return probe;
}

FileLock::FileLock(const std::string& lockFilePath, std::chrono::milliseconds wait,
                   const std::function<void()>& betweenTries) {
    Open(lockFilePath);
    if (!Opened())
        return;
    using Clock = std::chrono::steady_clock;
    constexpr auto kRetryEvery = std::chrono::milliseconds(5);
    const auto deadline = Clock::now() + wait;
    while (!TryLock()) {
        const auto now = Clock::now();
        if (now >= deadline)
            return;
        std::this_thread::sleep_for(std::min<Clock::duration>(kRetryEvery, deadline - now));
        if (betweenTries)
            betweenTries();
    }
    locked_ = true;
}

} // namespace Platform
