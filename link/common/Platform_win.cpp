#include "Platform.h"
#include "WideText_win.h"
#include "modUtils.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

const char modUtils::PathSeparator = '\\';

namespace Platform {

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return ::_wfopen(WideFromUtf8(path).c_str(), WideFromUtf8(mode).c_str());
}

bool RenameReplacing(const std::string& from, const std::string& to) {
    const std::wstring source = WideFromUtf8(from);
    const std::wstring target = WideFromUtf8(to);
    // A reader that has the target open for a moment makes the replace fail with a
    // sharing violation; a few short retries ride that out.
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (::MoveFileExW(source.c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = ::GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
            error != ERROR_LOCK_VIOLATION)
            return false;
        ::Sleep(10);
    }
    return false;
}

// Files opened by the C runtime share reading and writing but not deleting, so a
// writer's file cannot be removed while it is open.
std::FILE* CreateExclusiveFile(const std::string& path) {
    const int fd =
        ::_wopen(WideFromUtf8(path).c_str(),
                 _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* file = ::_fdopen(fd, "wb");
    if (!file)
        ::_close(fd);
    return file;
}

void AdviseLargePages(void*, std::size_t) {
    // Large pages need a privilege a user rarely has: small pages are used.
}

bool StartWritingOut(std::FILE* file) {
    return std::fflush(file) == 0; // the system writes out on its own
}

bool SyncFile(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && ::FlushFileBuffers(handle);
}

bool RemoveAbandonedFile(const std::string& path) {
    return ::DeleteFileW(WideFromUtf8(path).c_str()) != 0;
}

bool IsWritable(const std::string& path) {
    const auto probe = NearestExisting(path);
    if (!probe)
        return false;
    std::error_code ec;
    if (std::filesystem::is_directory(*probe, ec))
        return ::_waccess(probe->c_str(), 2) == 0;
    const DWORD attributes = ::GetFileAttributesW(probe->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
}

std::optional<std::string> EnvironmentValue(const char* name) {
    const wchar_t* value = ::_wgetenv(WideFromUtf8(name).c_str());
    if (!value)
        return std::nullopt;
    return Utf8FromWide(value);
}

void SetEnvironmentValue(const char* name, const std::optional<std::string>& value) {
    // An empty value removes a variable on Windows; the process keeps the same
    // view through the runtime and through the system.
    ::_wputenv_s(WideFromUtf8(name).c_str(), value ? WideFromUtf8(*value).c_str() : L"");
}

std::tm LocalTime(std::time_t time) {
    std::tm result{};
    ::localtime_s(&result, &time);
    return result;
}

std::string ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return Utf8FromWide(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

void FileLock::Open(const std::string& lockFilePath) {
    HANDLE file = ::CreateFileW(WideFromUtf8(lockFilePath).c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        handle_ = reinterpret_cast<std::intptr_t>(file);
}

bool FileLock::TryLock() {
    OVERLAPPED whole{};
    return ::LockFileEx(reinterpret_cast<HANDLE>(handle_),
                        LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                        &whole) != 0;
}

FileLock::FileLock(const std::string& lockFilePath) {
    Open(lockFilePath);
    if (!Opened())
        return;
    OVERLAPPED whole{};
    locked_ = ::LockFileEx(reinterpret_cast<HANDLE>(handle_), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD,
                           MAXDWORD, &whole) != 0;
}

FileLock::~FileLock() {
    if (handle_ == -1)
        return;
    HANDLE file = reinterpret_cast<HANDLE>(handle_);
    if (locked_) {
        OVERLAPPED whole{};
        ::UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
    }
    ::CloseHandle(file);
}

} // namespace Platform
