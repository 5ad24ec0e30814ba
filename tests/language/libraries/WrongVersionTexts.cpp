// A language library built for another program version.

#include "common/LanguageLibraryAbi.h"
#include "language/LanguageTable.h"

extern "C" int LinkLangLoadResString(int number, char* buffer, int size) {
    return LanguageTable::Copy(number == 168 ? "Fault" : nullptr, buffer, size);
}

extern "C" const char* LinkLangGetVersion(void) {
    return LINK_LANGUAGE_VERSION;
}

extern "C" const char* LinkLangGetLanguageName(void) {
    return "Old";
}
