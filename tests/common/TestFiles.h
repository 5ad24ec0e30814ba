#pragma once

#include "common/Platform.h"
#include "common/TextStream.h"

#include <filesystem>
#include <random>
#include <string>

// A fresh folder under the system's temporary folder, removed with its content.
class TempDir {
public:
    TempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("vantorlink-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Path of a file in the folder, as UTF-8 text.
    std::string File(const std::string& name) const {
        return Platform::Utf8FromPath(path_ / Platform::PathFromUtf8(name));
    }
    std::string Folder() const { return Platform::Utf8FromPath(path_); }
    std::size_t FileCount() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_))
            ++count;
        return count;
    }

private:
    std::filesystem::path path_;
};

// Sets an environment variable for the lifetime of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value)
        : name_(name), old_(Platform::EnvironmentValue(name)) {
        Platform::SetEnvironmentValue(name, value);
    }
    ~ScopedEnvironment() { Platform::SetEnvironmentValue(name_, old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// Takes the write permission away from a file.
inline void MakeReadOnly(const std::string& path) {
    using std::filesystem::perms;
    std::filesystem::permissions(Platform::PathFromUtf8(path),
                                 perms::owner_write | perms::group_write | perms::others_write,
                                 std::filesystem::perm_options::remove);
}

inline std::string FileBytes(const std::string& path) {
    std::string bytes;
    ReadFileBytes(path, bytes);
    return bytes;
}
