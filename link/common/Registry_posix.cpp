#include "Platform.h"
#include "RegistryStore.h"
#include "modUtils.h"

// Without a system registry the two root keys live in REGEDIT4 files: in the
// folder named by LINK_REGISTRY_DIR, else the machine's in /etc/vantorlink and
// the user's in $XDG_CONFIG_HOME/vantorlink (~/.config/vantorlink).
namespace modUtils {
namespace {

std::string UserConfigFolder() {
    const auto xdg = Platform::EnvironmentValue("XDG_CONFIG_HOME");
    if (xdg && !xdg->empty())
        return *xdg;
    const auto home = Platform::EnvironmentValue("HOME");
    if (home && !home->empty())
        return *home + "/.config";
    return {};
}

RegistryStore Store() {
    const auto folder = Platform::EnvironmentValue("LINK_REGISTRY_DIR");
    if (folder && !folder->empty())
        return RegistryStore(AddBackslash(*folder) + "HKEY_LOCAL_MACHINE.reg",
                             AddBackslash(*folder) + "HKEY_CURRENT_USER.reg");
    const std::string user = UserConfigFolder();
    return RegistryStore("/etc/vantorlink/HKEY_LOCAL_MACHINE.reg",
                         user.empty() ? std::string() : user + "/vantorlink/HKEY_CURRENT_USER.reg");
}

} // namespace

std::string UserRegistryLocation() {
    return Store().FileOf(RegRoot::CurrentUser);
}

bool RegReadString(std::string& out, RegRoot root, std::string_view key,
                   std::string_view valueName) {
    return Store().ReadString(out, root, key, valueName);
}

bool RegWriteString(std::string_view text, RegRoot root, std::string_view key,
                    std::string_view valueName) {
    return Store().WriteString(text, root, key, valueName);
}

bool RegReadLong(std::int32_t& out, RegRoot root, std::string_view key,
                 std::string_view valueName) {
    return Store().ReadLong(out, root, key, valueName);
}

bool RegWriteLong(std::int32_t value, RegRoot root, std::string_view key,
                  std::string_view valueName) {
    return Store().WriteLong(value, root, key, valueName);
}

} // namespace modUtils
