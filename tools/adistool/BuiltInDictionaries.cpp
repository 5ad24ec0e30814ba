#include "BuiltInDictionaries.h"

#include "dictionary/clsAdisDataDict.h"

std::shared_ptr<clsAdisDataDict> BuiltInDictionary(const std::string&, const std::string&) {
    return nullptr;
}
