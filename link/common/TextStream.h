#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

// Text files in windows-1252. Lines end CR LF when written; on reading, CR LF
// and LF alone both end a line. Open failures raise LinkError 3002; reading past
// the end raises LinkError 3021 (callers that loop use AtEndOfStream); a failing
// read of the device raises LinkError 57.
class TextStreamReader {
public:
    explicit TextStreamReader(const std::string& path);
    ~TextStreamReader();
    TextStreamReader(const TextStreamReader&) = delete;
    TextStreamReader& operator=(const TextStreamReader&) = delete;

    bool AtEndOfStream();
    // The next line as UTF-8 text, without its line end.
    std::string ReadLine();
    // The next line as the file's bytes (windows-1252), without its line end.
    // Returns false at the end of the data.
    bool ReadLineBytes(std::string& line);
    // 1-based number of the line last read.
    long Line() const { return line_; }

private:
    // Reads the next block of the file behind the unread data; false at the end.
    bool Fill();
    std::FILE* file_ = nullptr;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool eof_ = false;
    long line_ = 0;
};

// Writes a file to a temporary name beside the target ("<target>.<16 hex
// digits>.tmp"); Commit syncs it to the disk and renames it over the target,
// which keeps its permissions, then syncs the folder. A read-only target is not
// replaced. Without a successful Commit the target is left untouched and the
// temporary file is removed. A successful Commit also removes the temporary files
// of the same target that killed writers left behind.
class AtomicTextWriter {
public:
    explicit AtomicTextWriter(const std::string& targetPath);
    ~AtomicTextWriter();
    AtomicTextWriter(const AtomicTextWriter&) = delete;
    AtomicTextWriter& operator=(const AtomicTextWriter&) = delete;

    bool IsOpen() const { return file_ != nullptr; }
    // Writes UTF-8 text converted to windows-1252, followed by CR LF.
    bool WriteLine(std::string_view utf8Text);
    // Writes windows-1252 bytes as they are, followed by CR LF.
    bool WriteLineBytes(std::string_view bytes);
    // Writes bytes as they are.
    bool WriteBytes(std::string_view bytes);
    bool Commit();

private:
    std::string target_;
    std::string temp_;
    std::FILE* file_ = nullptr;
    bool ok_ = true;
    std::size_t unstarted_ = 0; // bytes written since the disk was last asked to take them
};

// Reads a whole file as bytes; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes);
// Writes bytes atomically (temporary file renamed over the target).
bool WriteFileBytesAtomic(const std::string& path, std::string_view bytes);
