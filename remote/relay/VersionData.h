#pragma once

#include <string>

namespace Relay {

// The texts of the About box, from the program's own version data (platform
// part: its version resource on Windows, the built-in values elsewhere).
struct VersionData {
    std::string productName;
    std::string productVersion;
    std::string legalCopyright;
};
VersionData ProgramVersionData();

} // namespace Relay
