#include "TextStream.h"

#include "LinkError.h"
#include "Platform.h"
#include "TextEncoding.h"

#include <chrono>
#include <cstring>
#include <random>
#include <string_view>

namespace {

constexpr std::size_t kBlockSize = 64 * 1024;
constexpr long kDeviceIoError = 57;
constexpr std::size_t kWriteOutEvery = 8 * 1024 * 1024;

// Temporary files are named "<target>.<16 hex digits>.tmp".
constexpr std::size_t kTempDigits = 16;
constexpr std::string_view kTempExtension = ".tmp";
// A temporary file younger than this may belong to a writer that is just starting.
constexpr auto kAbandonedAfter = std::chrono::seconds(2);

std::string UniqueTempPath(const std::string& target) {
    static const char digits[] = "0123456789abcdef";
    std::random_device random;
    std::string suffix;
    for (std::size_t i = 0; i < kTempDigits / 8; ++i) {
        unsigned value = random();
        for (int d = 0; d < 8; ++d, value >>= 4)
            suffix += digits[value & 0xF];
    }
    return target + "." + suffix + std::string(kTempExtension);
}

bool IsTempNameOf(const std::string& name, const std::string& targetName) {
    if (name.size() != targetName.size() + 1 + kTempDigits + kTempExtension.size() ||
        name.compare(0, targetName.size(), targetName) != 0 || name[targetName.size()] != '.' ||
        name.compare(name.size() - kTempExtension.size(), kTempExtension.size(), kTempExtension) !=
            0)
        return false;
    const std::string_view digits(name.data() + targetName.size() + 1, kTempDigits);
    return digits.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// Removes the temporary files of the target that writers killed before their
// commit left behind; those of writers still at work stay.
void RemoveAbandonedTempFiles(const std::string& target) {
    std::error_code ec;
    const auto targetPath = Platform::PathFromUtf8(target);
    auto folder = targetPath.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string targetName = Platform::Utf8FromPath(targetPath.filename());
    const auto oldEnough = std::filesystem::file_time_type::clock::now() - kAbandonedAfter;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = Platform::Utf8FromPath(it->path().filename());
        if (!IsTempNameOf(name, targetName))
            continue;
        std::error_code timeError;
        const auto written = std::filesystem::last_write_time(it->path(), timeError);
        if (!timeError && written < oldEnough)
            Platform::RemoveAbandonedFile(Platform::Utf8FromPath(it->path()));
    }
}

// A read-only target stays as it is; a writable one keeps its permissions.
bool KeepsTargetRules(const std::string& temp, const std::string& target) {
    std::error_code ec;
    const auto targetPath = Platform::PathFromUtf8(target);
    if (!std::filesystem::exists(targetPath, ec))
        return true;
    if (!Platform::IsWritable(target))
        return false;
    const auto permissions = std::filesystem::status(targetPath, ec).permissions();
    if (!ec)
        std::filesystem::permissions(Platform::PathFromUtf8(temp), permissions, ec);
    return true;
}

} // namespace

TextStreamReader::TextStreamReader(const std::string& path) {
    file_ = Platform::OpenFile(path, "rb");
    if (!file_)
        throw LinkError(LinkErrors::CannotOpenFile, "Cannot open file '" + path + "'");
}

TextStreamReader::~TextStreamReader() {
    if (file_)
        std::fclose(file_);
}

bool TextStreamReader::Fill() {
    if (eof_)
        return false;
    if (pos_ > 0) {
        buffer_.erase(0, pos_);
        pos_ = 0;
    }
    const std::size_t old = buffer_.size();
    buffer_.resize(old + kBlockSize);
    const std::size_t got = std::fread(buffer_.data() + old, 1, kBlockSize, file_);
    buffer_.resize(old + got);
    if (got < kBlockSize) {
        if (std::ferror(file_))
            throw LinkError(kDeviceIoError, "Device I/O error");
        eof_ = true;
    }
    return got > 0;
}

bool TextStreamReader::AtEndOfStream() {
    while (pos_ >= buffer_.size()) {
        if (!Fill())
            return true;
    }
    return false;
}

bool TextStreamReader::ReadLineBytes(std::string& line) {
    std::size_t searchFrom = pos_;
    for (;;) {
        const char* start = buffer_.data() + searchFrom;
        const void* found = std::memchr(start, '\n', buffer_.size() - searchFrom);
        if (found) {
            std::size_t end =
                static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
            const std::size_t next = end + 1;
            if (end > pos_ && buffer_[end - 1] == '\r')
                --end;
            line.assign(buffer_, pos_, end - pos_);
            pos_ = next;
            ++line_;
            return true;
        }
        const std::size_t scanned = buffer_.size() - pos_;
        if (!Fill())
            break;
        searchFrom = pos_ + scanned; // only the new block is searched again
    }
    if (pos_ >= buffer_.size())
        return false;
    std::size_t end = buffer_.size();
    if (buffer_[end - 1] == '\r')
        --end; // a CR just before the end of the file ends the last line as well
    line.assign(buffer_, pos_, end - pos_);
    pos_ = buffer_.size();
    ++line_;
    return true;
}

std::string TextStreamReader::ReadLine() {
    std::string bytes;
    if (!ReadLineBytes(bytes))
        throw LinkError(LinkErrors::EndOfData, "Input past end of file");
    return TextEncoding::Cp1252ToUtf8(bytes);
}

AtomicTextWriter::AtomicTextWriter(const std::string& targetPath)
    : target_(targetPath), temp_(UniqueTempPath(targetPath)) {
    file_ = Platform::CreateExclusiveFile(temp_);
    ok_ = file_ != nullptr;
}

AtomicTextWriter::~AtomicTextWriter() {
    if (file_) {
        std::fclose(file_);
        std::error_code ec;
        std::filesystem::remove(Platform::PathFromUtf8(temp_), ec);
    }
}

bool AtomicTextWriter::WriteBytes(std::string_view bytes) {
    if (!file_ || !ok_)
        return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        ok_ = false;
    // A large file goes to the disk while the rest is written, so that Commit's
    // sync waits for little more than the last part.
    unstarted_ += bytes.size();
    if (ok_ && unstarted_ >= kWriteOutEvery) {
        unstarted_ = 0;
        ok_ = Platform::StartWritingOut(file_);
    }
    return ok_;
}

bool AtomicTextWriter::WriteLineBytes(std::string_view bytes) {
    return WriteBytes(bytes) && WriteBytes("\r\n");
}

bool AtomicTextWriter::WriteLine(std::string_view utf8Text) {
    return WriteLineBytes(TextEncoding::Utf8ToCp1252(utf8Text));
}

bool AtomicTextWriter::Commit() {
    if (!file_)
        return false;
    // The data reach the disk before the new name does, so that a power cut leaves
    // either the old file or the whole new one.
    const bool written = ok_ && !std::ferror(file_) && Platform::SyncFile(file_);
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (written && closed && KeepsTargetRules(temp_, target_) &&
        Platform::RenameReplacing(temp_, target_)) {
        RemoveAbandonedTempFiles(target_);
        return true;
    }
    std::error_code ec;
    std::filesystem::remove(Platform::PathFromUtf8(temp_), ec);
    ok_ = false;
    return false;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::FILE* file = Platform::OpenFile(path, "rb");
    if (!file)
        return false;
    std::string content;
    std::size_t got;
    do {
        const std::size_t old = content.size();
        content.resize(old + kBlockSize);
        got = std::fread(content.data() + old, 1, kBlockSize, file);
        content.resize(old + got);
    } while (got == kBlockSize);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    if (ok)
        bytes = std::move(content);
    return ok;
}

bool WriteFileBytesAtomic(const std::string& path, std::string_view bytes) {
    AtomicTextWriter writer(path);
    return writer.WriteBytes(bytes) && writer.Commit();
}
