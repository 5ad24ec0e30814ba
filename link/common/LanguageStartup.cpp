#include "LanguageStartup.h"

#include "LanguageResources.h"
#include "LinkRegistryKeys.h"
#include "modUtils.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace modCommon {
namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::string ChooseStartupLanguage() {
    using modUtils::RegRoot;
    SetCurrentLanguageLibrary(nullptr);

    std::string name;
    if (!modUtils::RegReadString(name, RegRoot::CurrentUser, kLinkRegistryKey, kSatelliteDllValue))
        return {};
    if (name.empty()) {
        name = kDefaultLibraryName;
        modUtils::RegWriteString(name, RegRoot::CurrentUser, kLinkRegistryKey, kSatelliteDllValue);
    }
    // File names do not depend on case on the program's home platform.
    if (EqualsNoCase(name, kEnglishLibraryName))
        return {};

    auto library = LoadLanguageLibrary(name, kLanguageSubVersion, true);
    if (!library)
        return {};
    SetCurrentLanguageLibrary(std::move(library));
    return name;
}

} // namespace modCommon
