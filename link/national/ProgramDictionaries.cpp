#include "national/ProgramDictionaries.h"

#include "common/AppFolder.h"
#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/HerdDictionary.h"
#include "national/NationalDictionary.h"

#include <algorithm>
#include <exception>
#include <functional>

namespace modNational {
namespace {

// ASCII only: the switch names are ASCII and the result must not depend on a locale.
std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A load counts only when it read the whole file and gave a usable dictionary; a
// damaged file must not leave half a dictionary in use.
bool LoadUsable(clsAdisDataDict& dict, const std::string& path) {
    try {
        if (!dict.Load(path, "", "", ""))
            return false;
    } catch (const std::exception&) {
        return false;
    }
    return dict.Items().Count() > 0 && dict.Events().Count() > 0;
}

using Builder = std::function<bool(clsAdisDataDict&)>;

std::shared_ptr<clsAdisDataDict> MakeDictionary(bool regenerate, const std::string& path,
                                                const Builder& build) {
    if (!regenerate) {
        auto loaded = std::make_shared<clsAdisDataDict>();
        if (LoadUsable(*loaded, path))
            return loaded;
    }
    auto built = std::make_shared<clsAdisDataDict>();
    build(*built);
    if (regenerate)
        built->Save(path);
    return built;
}

} // namespace

DictionarySwitches ParseDictionarySwitches(const std::vector<std::string>& switchValues) {
    DictionarySwitches switches;
    for (const std::string& value : switchValues) {
        const std::string name = LowerCase(TrimBlanks(value));
        if (name == "mirel_dd")
            switches.herd = true;
        else if (name == "ziraz_dd")
            switches.national = true;
    }
    return switches;
}

ProgramDictionaries LoadProgramDictionaries(const DictionarySwitches& switches,
                                            const std::string& folder) {
    ProgramDictionaries dictionaries;
    dictionaries.herd = MakeDictionary(
        switches.herd, folder + std::string(HerdDictFileName), [](clsAdisDataDict& dict) {
            return modMirelCom::BuildHerdDictionary(dict, std::string(modMirelCom::HerdSenderCode));
        });
    dictionaries.national = MakeDictionary(
        switches.national, folder + std::string(NationalDictFileName), [](clsAdisDataDict& dict) {
            return BuildNationalDict(dict, std::string(NationalVersions[0]));
        });
    SetNationalNotSupported(*dictionaries.national);
    return dictionaries;
}

} // namespace modNational
