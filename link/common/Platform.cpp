#include "Platform.h"

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

} // namespace Platform
