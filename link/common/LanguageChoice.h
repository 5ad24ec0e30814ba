#pragma once

#include <string>
#include <string_view>
#include <vector>

// The data of the language dialog, without the window.
namespace modCommon {

struct LanguageChoice {
    std::string LanguageName; // as listed
    std::string FileName;     // as stored in "SatelliteDLL", e.g. "Swedish.dll"
};

// The languages the user can choose: text 182 "English" (the built-in texts, file
// "English.dll") first, then every library in the language folder that
// LoadLanguageLibrary accepts (errors not shown), in file-name order. Files that
// are no valid language library are skipped silently.
std::vector<LanguageChoice> AvailableLanguages();

// Stores the chosen file name as "SatelliteDLL". When it differs from the value
// read when the choice began, tells the user (text 152 with the application title,
// information icon, caption 150) that the change needs a restart. Returns whether
// the choice changed.
bool StoreLanguageChoice(std::string_view fileName, std::string_view previousFileName,
                         std::string_view applicationTitle);

} // namespace modCommon
