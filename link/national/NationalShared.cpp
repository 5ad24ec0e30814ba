#include "national/NationalShared.h"

#include "adis/clsAdisDataFile.h"
#include "dictionary/clsAdisDataDict.h"

namespace modNational {
namespace {

std::shared_ptr<clsAdisDataDict>& NationalDictSlot() {
    static std::shared_ptr<clsAdisDataDict> dict = std::make_shared<clsAdisDataDict>();
    return dict;
}

} // namespace

std::shared_ptr<clsAdisDataDict> NationalDataDict() {
    return NationalDictSlot();
}

void SetNationalDataDict(std::shared_ptr<clsAdisDataDict> dict) {
    NationalDictSlot() = dict ? std::move(dict) : std::make_shared<clsAdisDataDict>();
}

clsAdisDataFile& SharedNationalFile() {
    static clsAdisDataFile file;
    return file;
}

} // namespace modNational
