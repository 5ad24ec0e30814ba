#include "national/NationalDictionary.h"

#include "common/ProcedureError.h"
#include "dictionary/clsAdisDataDict.h"
#include "national/NationalDictionaryTables.h"

#include <exception>

namespace modNational {

bool BuildNationalDict(clsAdisDataDict& dict, const std::string& manufacturerVersion) {
    try {
        dict.Version = "2000    ";
        dict.ManufacturerVersion = manufacturerVersion;
        DictionaryTable::AddItems(dict, NationalTables::kItems);
        DictionaryTable::AddEvents(dict, NationalTables::kEvents);
        if (std::string_view(manufacturerVersion) < FirstNewCodeSetVersion)
            DictionaryTable::AddCodeSets(dict, NationalTables::kCodeSetsBefore20);
        else
            DictionaryTable::AddCodeSets(dict, NationalTables::kCodeSetsFrom20);
        return true;
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
        return false;
    }
}

bool SetNationalNotSupported(clsAdisDataDict& dict) {
    try {
        DictionaryTable::AddNotSupported(dict, NationalTables::kNotSupported);
        return true;
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
        return false;
    }
}

} // namespace modNational
