#pragma once

#include <string>

namespace modCommon {

// The library name stored for the built-in English texts.
inline constexpr const char* kEnglishLibraryName = "English.dll";
// The library chosen when the stored choice is present but empty.
inline constexpr const char* kDefaultLibraryName = "Swedish.dll";
// The sub-version of the version text a language library must report.
inline constexpr int kLanguageSubVersion = 4;

// Chooses the program's language at start-up from the per-user value
// "SatelliteDLL" and installs it as the program-wide language library:
// - absent, or "English.dll": the built-in texts;
// - present but empty: "Swedish.dll", which is also stored in the value;
// - any other name: that library, loaded with errors shown; the built-in texts
//   when it cannot be used.
// Returns the name of the library in use, empty for the built-in texts.
std::string ChooseStartupLanguage();

} // namespace modCommon
