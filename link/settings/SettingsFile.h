#pragma once

#include <functional>

class ProfileFile;

namespace modCommon {

// Changes the settings file in one step: loads it, lets the change edit it, and
// writes it back through a temporary file. A settings file that exists but cannot
// be read is left unchanged. Returns whether the file was written.
bool UpdateSettingsFile(const std::function<void(ProfileFile&)>& change);

} // namespace modCommon
