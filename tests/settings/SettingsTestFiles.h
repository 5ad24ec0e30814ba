#pragma once

#include "LinkSandbox.h"
#include "common/LinkRegistryKeys.h"
#include "common/ProfileFile.h"
#include "common/TextEncoding.h"
#include "common/modUtils.h"

#include <fstream>
#include <string>
#include <vector>

// Writes "link.ini" in the sandbox's program folder from lines, ending each CR LF.
// The lines are UTF-8 and written as windows-1252.
inline void WriteSettingsFile(const LinkSandbox& sandbox, const std::vector<std::string>& lines) {
    std::ofstream file(sandbox.Path() / "link.ini", std::ios::binary);
    for (const std::string& line : lines)
        file << TextEncoding::Utf8ToCp1252(line) << "\r\n";
}

inline ProfileFile SettingsFile(const LinkSandbox& sandbox) {
    ProfileFile file;
    file.Load(sandbox.File("link.ini"));
    return file;
}

inline void SetMachineText(const char* name, const std::string& value) {
    modUtils::RegWriteString(value, modUtils::RegRoot::LocalMachine, modCommon::kLinkRegistryKey,
                             name);
}

inline void SetMachineNumber(const char* name, std::int32_t value) {
    modUtils::RegWriteLong(value, modUtils::RegRoot::LocalMachine, modCommon::kLinkRegistryKey,
                           name);
}
