#include "DatabaseTestSupport.h"

#include <filesystem>

namespace {

std::optional<std::string> Existing(const char* path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        return std::string(path);
    return std::nullopt;
}

} // namespace

std::optional<std::string> SqliteOdbcDriverPath() {
    return Existing("/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so");
}

std::optional<std::string> FreeTdsOdbcDriverPath() {
    return Existing("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so");
}

std::string DriverFilePath(const std::string& path) {
    return path;
}
