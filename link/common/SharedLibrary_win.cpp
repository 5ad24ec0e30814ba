#include "SharedLibrary.h"

#include <windows.h>

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kSuffix = ".dll";

std::wstring Widen(const std::string& text) {
    if (text.empty())
        return {};
    int length =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size())
        return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - suffix.size(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    });
}

} // namespace

std::unique_ptr<SharedLibrary> SharedLibrary::Open(const std::string& path) {
    // No error dialog from the system for a missing or broken file.
    UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryExW(Widen(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    SetErrorMode(previousMode);
    if (!module)
        return nullptr;
    return std::unique_ptr<SharedLibrary>(new SharedLibrary(module));
}

SharedLibrary::~SharedLibrary() {
    FreeLibrary(static_cast<HMODULE>(handle_));
}

void* SharedLibrary::Symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

std::string SharedLibrary::PlatformFileName(std::string_view baseName) {
    return std::string(baseName) + std::string(kSuffix);
}

std::string SharedLibrary::BaseNameOfPlatformFile(std::string_view fileName) {
    if (fileName.size() <= kSuffix.size() || !EndsWithNoCase(fileName, kSuffix))
        return {};
    return std::string(fileName.substr(0, fileName.size() - kSuffix.size()));
}
