#pragma once

#include <string_view>

namespace modCommon {

// The program's registry key: read-only machine-wide settings under
// HKEY_LOCAL_MACHINE, per-user state under HKEY_CURRENT_USER.
inline constexpr std::string_view kLinkRegistryKey = "Software\\Kestrom\\Vantor Link SE";

// Per-user value naming the chosen language library.
inline constexpr std::string_view kSatelliteDllValue = "SatelliteDLL";

// Per-user values through which a command-line start hands its request to the
// request flow.
inline constexpr std::string_view kIsoClInFileValue = "IsoCLInFile";
inline constexpr std::string_view kIsoClOutFileValue = "IsoCLOutFile";
inline constexpr std::string_view kIsoClLogFileValue = "IsoCLLogFile";
inline constexpr std::string_view kIsoClDatabaseValue = "IsoCLDatabase";

} // namespace modCommon
