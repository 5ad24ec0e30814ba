#include "Platform.h"
#include "TextStream.h"
#include "modUtils.h"

namespace modUtils {

bool FileExists(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(Platform::PathFromUtf8(path), ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool CopyFileReplacing(const std::string& from, const std::string& to) {
    std::string bytes;
    return ReadFileBytes(from, bytes) && WriteFileBytesAtomic(to, bytes);
}

void DeleteFileQuiet(const std::string& path) {
    const auto file = Platform::PathFromUtf8(path);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec))
        return;
    if (std::filesystem::remove(file, ec) || !std::filesystem::exists(file, ec))
        return;
    // Windows refuses to delete a read-only file: it is made writable first.
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove(file, ec);
}

std::string ProgramFilesFolder() {
    const auto x86 = Platform::EnvironmentValue("PROGRAMFILES(x86)");
    if (x86 && !x86->empty())
        return *x86;
    return Platform::EnvironmentValue("PROGRAMFILES").value_or(std::string());
}

} // namespace modUtils
