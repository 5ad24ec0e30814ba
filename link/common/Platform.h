#pragma once

// The few operating-system services the common layer needs, each implemented in
// Platform_posix.cpp and Platform_win.cpp (what both share in Platform.cpp).
// Paths are UTF-8 text everywhere.

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace Platform {

// std::filesystem::path from UTF-8 text and back, on every platform.
inline std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// fopen with a UTF-8 path (wide-character API on Windows).
std::FILE* OpenFile(const std::string& path, const char* mode);

// Renames a file, replacing an existing target.
bool RenameReplacing(const std::string& from, const std::string& to);

// Whether this user may write the file; for a file that does not exist yet,
// whether the nearest existing folder on its path may be written.
bool IsWritable(const std::string& path);
// The path when it exists, else the nearest existing folder on it; nothing when
// not even its root exists.
std::optional<std::filesystem::path> NearestExisting(const std::string& path);

// Environment values as UTF-8; nothing when the variable is not set.
std::optional<std::string> EnvironmentValue(const char* name);
// Sets (or, with nothing, removes) a variable of this process and its children.
void SetEnvironmentValue(const char* name, const std::optional<std::string>& value);

// Broken-down local time.
std::tm LocalTime(std::time_t time);

// Full path of the running executable.
std::string ExecutablePath();

// An exclusive lock held on a lock file (created when missing) for the lifetime
// of the object; other processes and other objects in this process wait for it.
class FileLock {
public:
    explicit FileLock(const std::string& lockFilePath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Locked() const { return locked_; }

private:
    std::intptr_t handle_ = -1;
    bool locked_ = false;
};

} // namespace Platform
