#include "WindowPlacement.h"

#include "common/LinkRegistryKeys.h"
#include "common/modUtils.h"

namespace Shell {
namespace {

constexpr auto kUser = modUtils::RegRoot::CurrentUser;

void ReadValue(std::int32_t& value, const char* name) {
    std::int32_t stored = 0;
    if (modUtils::RegReadLong(stored, kUser, modCommon::kLinkRegistryKey, name))
        value = stored;
}

} // namespace

WindowPlacement ReadWindowPlacement(const WindowPlacement& defaults) {
    WindowPlacement placement = defaults;
    ReadValue(placement.Left, "Left");
    ReadValue(placement.Top, "Top");
    ReadValue(placement.Width, "Width");
    ReadValue(placement.Height, "Height");
    ReadValue(placement.WindowState, "WindowState");
    return placement;
}

void WriteWindowPlacement(const WindowPlacement& placement) {
    const auto key = modCommon::kLinkRegistryKey;
    modUtils::RegWriteLong(placement.WindowState, kUser, key, "WindowState");
    modUtils::RegWriteLong(placement.Left, kUser, key, "Left");
    modUtils::RegWriteLong(placement.Top, kUser, key, "Top");
    modUtils::RegWriteLong(placement.Width, kUser, key, "Width");
    modUtils::RegWriteLong(placement.Height, kUser, key, "Height");
}

} // namespace Shell
