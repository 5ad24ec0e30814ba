#include "LanguageChoice.h"

#include "LanguageResources.h"
#include "LanguageStartup.h"
#include "LinkRegistryKeys.h"
#include "Platform.h"
#include "SharedLibrary.h"
#include "UserInterface.h"
#include "modUtils.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace modCommon {
namespace {

constexpr long kEnglishName = 182;
constexpr long kRestartMessage = 152;
constexpr long kInformationCaption = 150;

// Stored names ("Swedish.dll") of the library files in the language folder, in
// file-name order.
std::vector<std::string> LibraryNamesInFolder() {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator entries(Platform::PathFromUtf8(LanguageFolder()), ec);
    if (ec)
        return names;
    for (const auto& entry : entries) {
        if (!entry.is_regular_file(ec))
            continue;
        const std::string baseName =
            SharedLibrary::BaseNameOfPlatformFile(Platform::Utf8FromPath(entry.path().filename()));
        if (!baseName.empty() && baseName.find(".dll") == std::string::npos)
            names.push_back(baseName + ".dll");
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::vector<LanguageChoice> AvailableLanguages() {
    std::vector<LanguageChoice> choices{{ResString(kEnglishName), kEnglishLibraryName}};
    for (const std::string& name : LibraryNamesInFolder()) {
        if (auto library = LoadLanguageLibrary(name, kLanguageSubVersion, false))
            choices.push_back({library->GetLanguageName(), name});
    }
    return choices;
}

bool StoreLanguageChoice(std::string_view fileName, std::string_view previousFileName,
                         std::string_view applicationTitle) {
    modUtils::RegWriteString(fileName, modUtils::RegRoot::CurrentUser, kLinkRegistryKey,
                             kSatelliteDllValue);
    if (fileName == previousFileName)
        return false;
    LinkUi::Ui().MessageBox(modUtils::FormatStr(ResString(kRestartMessage), applicationTitle),
                            LinkUi::Buttons::Ok, LinkUi::Icon::Information,
                            ResString(kInformationCaption));
    return true;
}

} // namespace modCommon
