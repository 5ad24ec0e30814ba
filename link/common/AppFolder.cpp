#include "AppFolder.h"

#include "Platform.h"
#include "modUtils.h"

namespace modCommon {

std::string AppFolder() {
    const auto overridden = Platform::EnvironmentValue("LINK_APP_FOLDER");
    if (overridden && !overridden->empty())
        return modUtils::AddBackslash(*overridden);
    const std::string executable = ExecutablePath();
    auto folder = Platform::PathFromUtf8(executable).parent_path();
    return modUtils::AddBackslash(Platform::Utf8FromPath(folder.make_preferred()));
}

std::string ExecutablePath() {
    return Platform::ExecutablePath();
}

std::string ExecutableBaseName() {
    return Platform::Utf8FromPath(Platform::PathFromUtf8(ExecutablePath()).stem());
}

} // namespace modCommon
