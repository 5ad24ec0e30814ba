// Loads the input as a dictionary file.

#include "FuzzFiles.h"
#include "dictionary/clsAdisDataDict.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = WriteFuzzFile("dd.ini", data, size);
    clsAdisDataDict dict;
    dict.Load(path, "", "", "");
    return 0;
}
