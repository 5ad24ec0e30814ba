#include "RegistryValue.h"
#include "WideText_win.h"
#include "modUtils.h"

#include <windows.h>

// The system registry through its ANSI functions; names and texts are converted
// between UTF-8 and the ANSI code page. Every key is opened in the 32-bit view:
// the program this one replaces and the herd-management product are 32-bit
// programs, so on 64-bit Windows their machine-wide keys lie under WOW6432Node.
namespace modUtils {
namespace {

HKEY RootKey(RegRoot root) {
    return root == RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

class OpenKey {
public:
    OpenKey(RegRoot root, std::string_view key, REGSAM access, bool create) {
        const std::string name = Platform::AnsiFromUtf8(key);
        access |= KEY_WOW64_32KEY;
        const LONG result =
            create ? ::RegCreateKeyExA(RootKey(root), name.c_str(), 0, nullptr,
                                       REG_OPTION_NON_VOLATILE, access, nullptr, &key_, nullptr)
                   : ::RegOpenKeyExA(RootKey(root), name.c_str(), 0, access, &key_);
        if (result != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~OpenKey() {
        if (key_)
            ::RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

bool QueryValue(HKEY key, std::string_view valueName, DWORD& type, std::string& data) {
    const std::string name = Platform::AnsiFromUtf8(valueName);
    DWORD size = 0;
    if (::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    data.assign(size, '\0');
    if (size > 0 &&
        ::RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                           &size) != ERROR_SUCCESS)
        return false;
    data.resize(size);
    return true;
}

bool SetValue(HKEY key, std::string_view valueName, DWORD type, const std::string& data) {
    const std::string name = Platform::AnsiFromUtf8(valueName);
    return ::RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                            static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

} // namespace

std::string UserRegistryLocation() {
    return {};
}

bool RegReadString(std::string& out, RegRoot root, std::string_view key,
                   std::string_view valueName) {
    OpenKey opened(root, key, KEY_READ, false);
    DWORD type = 0;
    std::string data;
    if (!opened.get() || !QueryValue(opened.get(), valueName, type, data))
        return false;
    const auto text = RegistryValue::AsText(type, data);
    if (!text)
        return false;
    out = type == REG_BINARY ? *text : Platform::Utf8FromAnsi(*text);
    return true;
}

bool RegWriteString(std::string_view text, RegRoot root, std::string_view key,
                    std::string_view valueName) {
    OpenKey opened(root, key, KEY_ALL_ACCESS, true);
    if (!opened.get())
        return false;
    // Stored with its terminating NUL, as the system expects of a REG_SZ.
    std::string data = Platform::AnsiFromUtf8(text.substr(0, text.find('\0')));
    data += '\0';
    return SetValue(opened.get(), valueName, REG_SZ, data);
}

bool RegReadLong(std::int32_t& out, RegRoot root, std::string_view key,
                 std::string_view valueName) {
    // Full access on purpose: where the user may only read the key, this fails.
    OpenKey opened(root, key, KEY_ALL_ACCESS, false);
    DWORD type = 0;
    std::string data;
    if (!opened.get() || !QueryValue(opened.get(), valueName, type, data))
        return false;
    const auto number = RegistryValue::AsLong(type, data);
    if (!number)
        return false;
    out = *number;
    return true;
}

bool RegWriteLong(std::int32_t value, RegRoot root, std::string_view key,
                  std::string_view valueName) {
    OpenKey opened(root, key, KEY_ALL_ACCESS, true);
    return opened.get() &&
           SetValue(opened.get(), valueName, REG_DWORD, RegistryValue::DWordBytes(value));
}

} // namespace modUtils
