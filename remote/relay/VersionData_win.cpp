#include "common/Platform.h"
#include "common/WideText_win.h"
#include "relay/VersionData.h"

#include <cwchar>
#include <vector>

namespace Relay {
namespace {

// One text of the string table named by the first entry of the translation list.
std::string VersionText(const std::vector<BYTE>& data, const wchar_t* key) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                          reinterpret_cast<void**>(&translations), &length) ||
        length < sizeof(Translation))
        return {};
    wchar_t path[128];
    std::swprintf(path, sizeof path / sizeof path[0], L"\\StringFileInfo\\%04x%04x\\%ls",
                  translations[0].language, translations[0].codePage, key);
    wchar_t* text = nullptr;
    if (!::VerQueryValueW(data.data(), path, reinterpret_cast<void**>(&text), &length) ||
        length == 0)
        return {};
    return Platform::Utf8FromWide(
        std::wstring_view(text, length).substr(0, std::wstring_view(text, length).find(L'\0')));
}

} // namespace

VersionData ProgramVersionData() {
    const std::wstring path = Platform::WideFromUtf8(Platform::ExecutablePath());
    DWORD handle = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return {};
    std::vector<BYTE> data(size);
    if (!::GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        return {};
    return {VersionText(data, L"ProductName"), VersionText(data, L"ProductVersion"),
            VersionText(data, L"LegalCopyright")};
}

} // namespace Relay
