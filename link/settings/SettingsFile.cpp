#include "SettingsFile.h"

#include "WorkingFiles.h"
#include "common/ProfileFile.h"
#include "common/modUtils.h"

namespace modCommon {

bool UpdateSettingsFile(const std::function<void(ProfileFile&)>& change) {
    const std::string path = SettingsFilePath();
    ProfileFile file;
    if (!file.Load(path) && modUtils::FileExists(path))
        return false;
    change(file);
    return file.Save(path);
}

} // namespace modCommon
