#pragma once

#include "common/Platform.h"
#include "common/TextStream.h"
#include "common/modUtils.h"
#include "relay/ShareConnection.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
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

// A herd server in a thread of the test: whenever "isoin.dat" is on the share it
// writes "answer to " and the request into "isoout.dat", "log" into "iso.log",
// and takes the request away.
class FolderServer {
public:
    explicit FolderServer(std::string share)
        : share_(std::move(share)), thread_([this] { Serve(); }) {}
    ~FolderServer() {
        stop_ = true;
        thread_.join();
    }
    FolderServer(const FolderServer&) = delete;
    FolderServer& operator=(const FolderServer&) = delete;

    std::string OnShare(const char* name) const { return modUtils::AddBackslash(share_) + name; }

private:
    void Serve() {
        while (!stop_) {
            std::string request;
            if (Exists(OnShare("isoin.dat")) && ReadFileBytes(OnShare("isoin.dat"), request)) {
                WriteText(OnShare("isoout.dat"), "answer to " + request);
                WriteText(OnShare("iso.log"), "log");
                std::error_code ec;
                std::filesystem::remove(Platform::PathFromUtf8(OnShare("isoin.dat")), ec);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    std::string share_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
