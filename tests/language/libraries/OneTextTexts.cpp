// A language library of the right version that knows one text only; the text is
// longer than the loader's first buffer.

#include "common/LanguageLibraryAbi.h"
#include "language/LanguageTable.h"

namespace {
constexpr LanguageTable::Entry kTexts[] = {
    {302, "Long text %x: 0123456789012345678901234567890123456789012345678901234567890123456789"
          "0123456789012345678901234567890123456789012345678901234567890123456789"
          "0123456789012345678901234567890123456789012345678901234567890123456789"
          "0123456789012345678901234567890123456789012345678901234567890123456789 end"},
};
} // namespace

extern "C" int LinkLangLoadResString(int number, char* buffer, int size) {
    return LanguageTable::Copy(LanguageTable::Find(kTexts, number), buffer, size);
}

extern "C" const char* LinkLangGetVersion(void) {
    return LINK_LANGUAGE_VERSION;
}

extern "C" const char* LinkLangGetLanguageName(void) {
    return "One";
}
