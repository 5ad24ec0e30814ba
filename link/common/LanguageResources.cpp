#include "LanguageResources.h"

#include "AppFolder.h"
#include "BuiltInStrings.h"
#include "SharedLibrary.h"
#include "UserInterface.h"
#include "modUtils.h"

#include <utility>

namespace modCommon {
namespace {

constexpr long kErrorCaption = 168;

std::shared_ptr<LanguageLibrary>& ProgramLanguageLibrary() {
    static std::shared_ptr<LanguageLibrary> library;
    return library;
}

void ShowLoadError(std::string_view prefix, std::string_view name) {
    std::string text(prefix);
    text += name;
    text += "'";
    LinkUi::Ui().MessageBox(text, LinkUi::Buttons::Ok, LinkUi::Icon::Critical,
                            ResString(kErrorCaption));
}

} // namespace

std::string ResString(long number) {
    return ResString(number, ProgramLanguageLibrary().get());
}

std::string ResString(long number, const LanguageLibrary* library) {
    if (!library) {
        const char* text = BuiltInString(number);
        return text ? std::string(text) : std::string(kMissingText);
    }
    try {
        if (auto text = library->LoadResString(number))
            return *text;
    } catch (...) {
        // A failing library gives the same text as a missing number.
    }
    return std::string(kMissingText);
}

std::shared_ptr<LanguageLibrary> CurrentLanguageLibrary() {
    return ProgramLanguageLibrary();
}

void SetCurrentLanguageLibrary(std::shared_ptr<LanguageLibrary> library) {
    ProgramLanguageLibrary() = std::move(library);
}

std::string LanguageFolder() {
    return modUtils::AddBackslash(AppFolder() + "Language");
}

std::string LanguageLibraryPath(std::string_view name) {
    if (name.empty() || name.find_first_of("/\\:") != std::string_view::npos)
        return {};
    std::string baseName(name);
    if (auto dll = baseName.find(".dll"); dll != std::string::npos)
        baseName.erase(dll, 4);
    if (baseName.empty())
        return {};
    return LanguageFolder() + SharedLibrary::PlatformFileName(baseName);
}

std::shared_ptr<LanguageLibrary> LoadLanguageLibrary(std::string_view name, int subVersion,
                                                     bool showErrors) {
    if (name.empty())
        return nullptr;
    std::string path = LanguageLibraryPath(name);
    auto library = path.empty() ? nullptr : LanguageLibrary::Open(path);
    if (!library) {
        if (showErrors)
            ShowLoadError("Couldn't find/load dll for '", name);
        return nullptr;
    }
    if (library->GetVersion() != modUtils::VersionText(subVersion)) {
        if (showErrors)
            ShowLoadError("Wrong version of dll for '", name);
        return nullptr;
    }
    return library;
}

} // namespace modCommon
