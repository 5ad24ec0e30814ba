#include "ProfileFile.h"
#include "modUtils.h"

// The single-value profile procedures: each reads the whole file, and each write
// replaces it. Callers with many values use ProfileFile directly.
namespace modUtils {
namespace {

ProfileFile LoadProfile(const std::string& file) {
    ProfileFile profile;
    profile.Load(file);
    return profile;
}

} // namespace

bool ReadProfileString(std::string& out, std::string_view section, std::string_view key,
                       std::string_view defaultValue, const std::string& file) {
    out = LoadProfile(file).GetString(section, key, defaultValue);
    return !out.empty();
}

std::int32_t ReadProfileInt(std::string_view section, std::string_view key,
                            std::int32_t defaultValue, const std::string& file) {
    return LoadProfile(file).GetInt(section, key, defaultValue);
}

bool ReadProfileBool(std::string_view section, std::string_view key, bool defaultValue,
                     const std::string& file) {
    return ReadProfileInt(section, key, defaultValue ? 1 : 0, file) != 0;
}

bool WriteProfileString(std::string_view text, std::string_view section, std::string_view key,
                        const std::string& file) {
    if (key.empty() || section.empty())
        return false;
    ProfileFile profile;
    if (!profile.Load(file) && FileExists(file))
        return false; // a file that cannot be read is not replaced by one value
    profile.SetString(section, key, text);
    return profile.Save(file);
}

bool WriteProfileInt(std::int32_t value, std::string_view section, std::string_view key,
                     const std::string& file) {
    return WriteProfileString(std::to_string(value), section, key, file);
}

bool WriteProfileBool(bool value, std::string_view section, std::string_view key,
                      const std::string& file) {
    return WriteProfileString(value ? "1" : "0", section, key, file);
}

bool DeleteProfileKey(std::string_view section, std::string_view key, const std::string& file) {
    ProfileFile profile;
    if (!profile.Load(file) || !profile.DeleteKey(section, key))
        return false;
    return profile.Save(file);
}

bool DeleteProfileSection(std::string_view section, const std::string& file) {
    ProfileFile profile;
    if (!profile.Load(file) || !profile.DeleteSection(section))
        return false;
    return profile.Save(file);
}

} // namespace modUtils
