#include "DatabaseTestSupport.h"

#include "common/WideText_win.h"

#include <windows.h>

// Under Wine the ODBC driver manager is the Linux host's (Wine's odbc32 passes
// every call to unixODBC), so the host's driver libraries serve the tests, and
// the files they open are named by their host paths. On Windows itself the
// tests would need a Windows build of SQLite's ODBC driver.
namespace {

using UnixFileName = char*(__cdecl*)(const wchar_t*);

UnixFileName WineUnixFileName() {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    return kernel ? reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
                        ::GetProcAddress(kernel, "wine_get_unix_file_name")))
                  : nullptr;
}

std::optional<std::string> HostLibrary(const char* hostPath) {
    const UnixFileName unixFileName = WineUnixFileName();
    if (!unixFileName)
        return std::nullopt;
    const std::string windowsPath = std::string("Z:") + hostPath;
    std::error_code ec;
    if (!std::filesystem::exists(Platform::PathFromUtf8(windowsPath), ec))
        return std::nullopt;
    return std::string(hostPath);
}

} // namespace

std::optional<std::string> SqliteOdbcDriverPath() {
    return HostLibrary("/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so");
}

std::optional<std::string> FreeTdsOdbcDriverPath() {
    return HostLibrary("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so");
}

std::string DriverFilePath(const std::string& path) {
    const UnixFileName unixFileName = WineUnixFileName();
    if (!unixFileName)
        return path;
    char* unixPath = unixFileName(Platform::WideFromUtf8(path).c_str());
    if (!unixPath)
        return path;
    std::string result(unixPath);
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return result;
}
