#include "Platform.h"
#include "modUtils.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <unistd.h>

const char modUtils::PathSeparator = '/';

namespace Platform {

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

namespace {

// Makes the folder's entries (a rename into it) durable.
void SyncFolderOf(const std::string& path) {
    auto folder = PathFromUtf8(path).parent_path();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

bool TryLockExclusive(int fd) {
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

bool RenameReplacing(const std::string& from, const std::string& to) {
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return false;
    SyncFolderOf(to);
    return true;
}

std::FILE* CreateExclusiveFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    // The lock shows other writers that this file is in use; closing releases it.
    TryLockExclusive(fd);
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file)
        ::close(fd);
    return file;
}

bool SyncFile(std::FILE* file) {
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

void AdviseLargePages(void* block, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    ::madvise(block, bytes, MADV_HUGEPAGE); // only advice: a refusal changes nothing
#else
    (void)block;
    (void)bytes;
#endif
}

bool StartWritingOut(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#ifdef SYNC_FILE_RANGE_WRITE
    // Only a start: a refusal leaves the work to SyncFile.
    ::sync_file_range(::fileno(file), 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    return true;
}

bool RemoveAbandonedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool abandoned = TryLockExclusive(fd);
    const bool removed = abandoned && ::unlink(path.c_str()) == 0;
    ::close(fd);
    return removed;
}

bool IsWritable(const std::string& path) {
    const auto probe = NearestExisting(path);
    return probe && ::access(probe->c_str(), W_OK) == 0;
}

std::optional<std::string> EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (!value)
        return std::nullopt;
    return std::string(value);
}

void SetEnvironmentValue(const char* name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

std::tm LocalTime(std::time_t time) {
    std::tm result{};
    ::localtime_r(&time, &result);
    return result;
}

std::string ExecutablePath() {
    std::string buffer(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length <= 0)
        return {};
    buffer.resize(static_cast<std::size_t>(length));
    return buffer;
}

void FileLock::Open(const std::string& lockFilePath) {
    const int fd = ::open(lockFilePath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd >= 0)
        handle_ = fd;
}

bool FileLock::TryLock() {
    int result;
    do {
        result = ::flock(static_cast<int>(handle_), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

FileLock::FileLock(const std::string& lockFilePath) {
    Open(lockFilePath);
    if (!Opened())
        return;
    int result;
    do {
        result = ::flock(static_cast<int>(handle_), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    locked_ = result == 0;
}

FileLock::~FileLock() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_)); // closing releases the lock
}

} // namespace Platform
