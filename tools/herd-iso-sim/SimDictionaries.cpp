#include "SimDictionaries.h"

#include "HerdSchema.h"

#include "dictionary/clsAdisDataDict.h"
#include "exchange/HerdDictionary.h"
#include "national/NationalDictionary.h"

#include <algorithm>
#include <stdexcept>

namespace HerdSim {

const std::int32_t kMilkStartItems[8] = {300370, 300371, 300372, 300373,
                                         300366, 300367, 300368, 300369};
const std::int32_t kMilkEndItems[8] = {300123, 300124, 300125, 300126,
                                       300119, 300120, 300121, 300122};
const std::int32_t kMilkYieldItems[8] = {300142, 300145, 300148, 300151,
                                         300130, 300133, 300136, 300139};

std::shared_ptr<clsAdisDataDict> SimHerdDictionary() {
    auto dict = std::make_shared<clsAdisDataDict>();
    if (!modMirelCom::BuildHerdDictionary(*dict, std::string(modMirelCom::HerdSenderCode)))
        throw std::runtime_error("the herd-management dictionary cannot be built");
    for (const std::int32_t ddNo : {308503, 308504, 308505})
        dict->AddEventDDNo(0, ddNo);
    dict->AddEventKeyDDNo(1, {300348});
    for (const auto& column : kAnimalColumns)
        dict->AddEventDDNo(1, column.ddNo);
    dict->AddEventKeyDDNo(2, {300348});
    dict->AddEventDDNo(2, 300348);
    dict->AddEventDDNo(2, 300001);
    for (int i = 0; i < 8; ++i) {
        dict->AddEventDDNo(2, kMilkStartItems[i]);
        dict->AddEventDDNo(2, kMilkEndItems[i]);
        dict->AddEventDDNo(2, kMilkYieldItems[i]);
    }
    dict->AddEventDDNo(2, kAverageYieldItem);
    return dict;
}

std::shared_ptr<clsAdisDataDict> SimNationalDictionary(const std::string& manufacturerVersion) {
    const auto& versions = modNational::NationalVersions;
    const bool known =
        std::find(versions.begin(), versions.end(), manufacturerVersion) != versions.end();
    auto dict = std::make_shared<clsAdisDataDict>();
    if (!modNational::BuildNationalDict(*dict, known ? manufacturerVersion
                                                     : std::string(versions.front())))
        throw std::runtime_error("the national dictionary cannot be built");
    // The request flow asks for the bull of an insemination (055031) under the
    // herd side's own DD number.
    dict->AddItem(350305, 3, 16, 0);
    return dict;
}

} // namespace HerdSim
