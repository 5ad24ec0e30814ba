#pragma once

// UTF-8 and UTF-16 conversion for the Windows platform files.

#include <string>
#include <string_view>
#include <windows.h>

namespace Platform {

inline std::wstring WideFromUtf8(std::string_view text) {
    if (text.empty())
        return {};
    const int length =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
    return wide;
}

inline std::string Utf8FromWide(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                          length, nullptr, nullptr);
    return text;
}

// Text in the system's ANSI code page, as the ANSI registry functions take it.
inline std::string AnsiFromUtf8(std::string_view text) {
    const std::wstring wide = WideFromUtf8(text);
    if (wide.empty())
        return {};
    const int length = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                             nullptr, 0, "?", nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), ansi.data(),
                          length, "?", nullptr);
    return ansi;
}

inline std::string Utf8FromAnsi(std::string_view ansi) {
    if (ansi.empty())
        return {};
    const int length =
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                          length);
    return Utf8FromWide(wide);
}

} // namespace Platform
