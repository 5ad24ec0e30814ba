#pragma once

#include <string_view>

// The program's own version information as it names itself in files it writes.
namespace ProgramInfo {

inline constexpr std::string_view CompanyName = "Kestrom";
inline constexpr std::string_view Title = "Vantor Link SE";

} // namespace ProgramInfo
