#pragma once

// The few operating-system services the common layer needs, each implemented in
// Platform_posix.cpp and Platform_win.cpp (what both share in Platform.cpp).
// Paths are UTF-8 text everywhere.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// Renames a file, replacing an existing target; the new name is on the disk when
// this returns true (the folder is synced, or the move is written through).
bool RenameReplacing(const std::string& from, const std::string& to);

// A new file, opened for writing by this object alone: while it is open,
// RemoveAbandonedFile leaves it alone. Nothing when it exists or cannot be made.
std::FILE* CreateExclusiveFile(const std::string& path);
// Flushes the file's buffers and makes the system write its data to the disk.
bool SyncFile(std::FILE* file);
// Flushes the file's buffers and asks the system to start writing the data
// written so far to the disk without waiting for it, so that a SyncFile to come
// has little left to do. Where the system cannot, the data are only flushed.
bool StartWritingOut(std::FILE* file);
// Removes a file that no writer has open any more; false when one still has it
// open or it cannot be removed.
bool RemoveAbandonedFile(const std::string& path);

// Whether this user may write the file; for a file that does not exist yet,
// whether the nearest existing folder on its path may be written.
bool IsWritable(const std::string& path);
// The path when it exists, else the nearest existing folder on it; nothing when
// not even its root exists.
std::optional<std::filesystem::path> NearestExisting(const std::string& path);

// The alignment a block of memory needs for AdviseLargePages to take effect.
constexpr std::size_t LargePageSize = 2 * 1024 * 1024;
// Asks the system to back a block of memory (aligned to LargePageSize, a
// multiple of it in size) with large pages, so that filling it takes one page
// fault for each LargePageSize bytes instead of one for every small page. A
// request the system cannot follow is ignored.
void AdviseLargePages(void* block, std::size_t bytes);

// Environment values as UTF-8; nothing when the variable is not set.
std::optional<std::string> EnvironmentValue(const char* name);
// Sets (or, with nothing, removes) a variable of this process and its children.
void SetEnvironmentValue(const char* name, const std::optional<std::string>& value);

// Broken-down local time.
std::tm LocalTime(std::time_t time);

// Full path of the running executable.
std::string ExecutablePath();

// The program's arguments after its own name, as UTF-8: argv where programs get
// an argument vector; on Windows the wide command line split the C runtime's
// way, since argv holds the arguments in the ANSI code page and would lose the
// characters of a path it cannot show.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// An exclusive lock held on a lock file (created when missing) for the lifetime
// of the object; other processes and other objects in this process wait for it.
class FileLock {
public:
    // Waits as long as it takes.
    explicit FileLock(const std::string& lockFilePath);
    // Waits at most `wait`, calling betweenTries while it waits; Locked() is false
    // when the time ran out.
    FileLock(const std::string& lockFilePath, std::chrono::milliseconds wait,
             const std::function<void()>& betweenTries = {});
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    // False when the lock file could not be opened or created.
    bool Opened() const { return handle_ != -1; }
    bool Locked() const { return locked_; }

private:
    void Open(const std::string& lockFilePath);
    // One attempt without waiting.
    bool TryLock();
    std::intptr_t handle_ = -1;
    bool locked_ = false;
};

} // namespace Platform
