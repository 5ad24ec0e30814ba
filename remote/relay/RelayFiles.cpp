#include "relay/RelayFiles.h"

#include "common/Platform.h"
#include "common/TextStream.h"
#include "common/modUtils.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace Relay {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool CopyFileReplacing(const std::string& from, const std::string& to) {
    const std::unique_ptr<std::FILE, FileCloser> source(Platform::OpenFile(from, "rb"));
    if (!source)
        return false;
    AtomicTextWriter target(to);
    if (!target.IsOpen())
        return false;
    std::array<char, 64 * 1024> buffer;
    for (;;) {
        const std::size_t count = std::fread(buffer.data(), 1, buffer.size(), source.get());
        if (count > 0 && !target.WriteBytes(std::string_view(buffer.data(), count)))
            return false;
        if (count < buffer.size())
            break;
    }
    return !std::ferror(source.get()) && target.Commit();
}

bool RemoveFile(const std::string& path) {
    modUtils::DeleteFileQuiet(path);
    std::error_code ec;
    const bool left = std::filesystem::exists(Platform::PathFromUtf8(path), ec);
    return !left && !ec;
}

} // namespace Relay
