#pragma once

#include <string_view>

namespace modCommon {

// The program's registry key: read-only machine-wide settings under
// HKEY_LOCAL_MACHINE, per-user state under HKEY_CURRENT_USER.
inline constexpr std::string_view kLinkRegistryKey = "Software\\Kestrom\\Vantor Link SE";

// Per-user value naming the chosen language library.
inline constexpr std::string_view kSatelliteDllValue = "SatelliteDLL";

} // namespace modCommon
