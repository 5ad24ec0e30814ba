#include "BuiltInDictionaries.h"

#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/HerdDictionary.h"
#include "national/NationalDictionary.h"

#include <algorithm>

std::shared_ptr<clsAdisDataDict> BuiltInDictionary(const std::string& name,
                                                   const std::string& nationalVersion) {
    auto dict = std::make_shared<clsAdisDataDict>();
    if (name == "herd") {
        const bool built =
            modMirelCom::BuildHerdDictionary(*dict, std::string(modMirelCom::HerdSenderCode));
        return built ? dict : nullptr;
    }
    if (name != "national")
        return nullptr;
    // Version texts are eight characters, blank-filled: "ZIRAZ19" means "ZIRAZ19 ".
    const std::string version = nationalVersion.empty()
                                    ? std::string(modNational::NationalVersions[0])
                                    : modUtils::PadRightTo(nationalVersion, 8);
    const auto& known = modNational::NationalVersions;
    if (std::find(known.begin(), known.end(), version) == known.end())
        return nullptr;
    if (!modNational::BuildNationalDict(*dict, version) ||
        !modNational::SetNationalNotSupported(*dict))
        return nullptr;
    return dict;
}
