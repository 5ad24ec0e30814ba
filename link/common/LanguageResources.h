#pragma once

#include "LanguageLibrary.h"

#include <memory>
#include <string>
#include <string_view>

// Every text the program shows to the user is fetched by number: from the chosen
// language library, or from the built-in English table when none is chosen.
namespace modCommon {

// The text given for a number without text, in any language.
inline constexpr std::string_view kMissingText = "<Missing>";

// The text of the number in the program's current language; "<Missing>" when it
// has none.
std::string ResString(long number);
// The text of the number from the given library, or from the built-in table when
// library is nullptr; "<Missing>" when it has none.
std::string ResString(long number, const LanguageLibrary* library);

// The program-wide language library, nullptr for the built-in texts. Set once at
// start-up.
std::shared_ptr<LanguageLibrary> CurrentLanguageLibrary();
void SetCurrentLanguageLibrary(std::shared_ptr<LanguageLibrary> library);

// The folder that holds the language libraries: "Language" in the program folder,
// with a trailing separator.
std::string LanguageFolder();

// The full path of the library stored under the given name. Names keep the form
// "Swedish.dll" on every platform: the first ".dll" is removed and the platform's
// library file name is formed from the rest ("Swedish.so" outside Windows). Empty
// when the name cannot name a library in the language folder (empty, or holding a
// path separator or drive).
std::string LanguageLibraryPath(std::string_view name);

// Loads and checks the library stored under the name (for example "Swedish.dll").
// An empty name gives nullptr. A library that cannot be found or loaded, or whose
// version differs from modUtils::VersionText(subVersion), gives nullptr; when
// showErrors is set the user is told by a message box first.
std::shared_ptr<LanguageLibrary> LoadLanguageLibrary(std::string_view name, int subVersion,
                                                     bool showErrors);

} // namespace modCommon
