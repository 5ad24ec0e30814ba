#pragma once

// The program's company name and title as its version information gives them.
namespace modMirelCom {

inline constexpr const char* ProgramCompanyName = "Kestrom";
inline constexpr const char* ProgramTitle = "Vantor Link SE";

} // namespace modMirelCom
