#pragma once

// The registry where the system has none: each root key is a text file in the
// REGEDIT4 layout, windows-1252 with CR LF:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Kestrom\Vantor Link SE]
//   "HerdNo"="12345"
//   "Left"=dword:0000000a
//   "Flag"=hex:01,00
//
// Key and value names match without regard to case. A key counts as opened with
// full access when its file (or, before the file exists, its folder) may be
// written by this user. Writes hold a lock file beside the store file, read the
// file afresh and replace it atomically, so writers in several processes lose
// nothing.

#include "modUtils.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RegistryStore {
public:
    // Whether this user may write the file at the path.
    using WritableCheck = std::function<bool(const std::string& path)>;

    RegistryStore(std::string localMachineFile, std::string currentUserFile,
                  WritableCheck writable = {});

    struct Value {
        std::uint32_t type = 0; // RegistryValue::String, DWord, Binary, ...
        std::string data;       // UTF-8 text for strings, the bytes otherwise
    };

    // The value, nothing when the file, key or value is missing, or when full
    // access is asked for and the store file may not be written.
    std::optional<Value> Read(modUtils::RegRoot root, std::string_view key,
                              std::string_view valueName, bool fullAccess) const;
    // Creates the key when missing and stores the value.
    bool Write(modUtils::RegRoot root, std::string_view key, std::string_view valueName,
               const Value& value) const;

    // The registry procedures' rules on top of Read and Write.
    bool ReadString(std::string& out, modUtils::RegRoot root, std::string_view key,
                    std::string_view valueName) const;
    bool WriteString(std::string_view text, modUtils::RegRoot root, std::string_view key,
                     std::string_view valueName) const;
    bool ReadLong(std::int32_t& out, modUtils::RegRoot root, std::string_view key,
                  std::string_view valueName) const;
    bool WriteLong(std::int32_t value, modUtils::RegRoot root, std::string_view key,
                   std::string_view valueName) const;

    const std::string& FileOf(modUtils::RegRoot root) const;

private:
    std::string localMachineFile_;
    std::string currentUserFile_;
    WritableCheck writable_;
};
