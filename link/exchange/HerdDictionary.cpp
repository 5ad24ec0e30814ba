#include "exchange/HerdDictionary.h"

#include "common/ProcedureError.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/HerdDictionaryTables.h"

#include <exception>

namespace modMirelCom {

bool BuildHerdDictionary(clsAdisDataDict& dict, const std::string& manufacturerVersion) {
    try {
        dict.Version = "2000";
        dict.NationalVersion.clear();
        dict.ManufacturerVersion = manufacturerVersion;
        DictionaryTable::AddItems(dict, HerdTables::kItems);
        DictionaryTable::AddEvents(dict, HerdTables::kEvents);
        return true;
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
        return false;
    }
}

} // namespace modMirelCom
