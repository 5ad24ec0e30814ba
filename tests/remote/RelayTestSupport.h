#pragma once

#include "common/Platform.h"
#include "common/TextStream.h"
#include "relay/ShareConnection.h"

#include <filesystem>
#include <string>
#include <vector>

// A share that is a folder, as the relay uses it outside Windows. Wine has no
// real network share either, so the Windows tests of the relay's steps use it as
// well; the network share's own calls are tested through their seam
// (NetworkShareTest_win.cpp).
class RecordingShare : public Relay::ShareConnection {
public:
    bool Connect(const std::string& remoteName, const std::string& userName,
                 const std::string& password) override {
        calls.push_back("connect " + remoteName + " as " + userName);
        return folder_.Connect(remoteName, userName, password);
    }
    void Cancel(const std::string& remoteName) override { calls.push_back("cancel " + remoteName); }

    std::vector<std::string> calls;

private:
    Relay::FolderShare folder_;
};

inline std::string ReadText(const std::string& path) {
    std::string bytes;
    return ReadFileBytes(path, bytes) ? bytes : "<missing>";
}

inline void WriteText(const std::string& path, const std::string& text) {
    WriteFileBytesAtomic(path, text);
}

inline bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(Platform::PathFromUtf8(path), ec);
}
