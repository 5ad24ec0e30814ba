#pragma once

#include <string>

namespace modCommon {

// The program folder with a trailing separator. The environment variable
// LINK_APP_FOLDER overrides it.
std::string AppFolder();

// Full path of the running executable, and its name without folder and extension.
std::string ExecutablePath();
std::string ExecutableBaseName();

} // namespace modCommon
