// Reads the input as an ADIS file against a small fixed dictionary, then writes
// the model and reads the written file again: neither may crash, hang or read
// out of bounds, and a written file must read back without a failure.

#include "FuzzFiles.h"
#include "adis/clsAdisDataFile.h"
#include "common/CommandLineMode.h"
#include "dictionary/clsAdisDataDict.h"

#include <cstdlib>
#include <memory>

namespace {

std::shared_ptr<clsAdisDataDict> FixedDictionary() {
    auto dict = std::make_shared<clsAdisDataDict>();
    dict->Version = "2000    ";
    dict->ManufacturerVersion = "ZIRAZ22 ";
    dict->AddEventKeyDDNo(55021, {900080, 900070});
    dict->AddEventItem(55021, nullptr, 900080, 3, 16, 0);
    dict->AddEventItem(55021, nullptr, 900070, 1, 8, 0);
    dict->AddEventItem(55021, nullptr, 900054, 0, 4, 1);
    dict->AddEventItem(55021, nullptr, 900024, 2, 6, 0);
    dict->AddEventItem(990002, nullptr, 50151, 3, 10, 0);
    dict->AddNotSupportedItem(50151);
    return dict;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto dict = FixedDictionary();
    modCommon::SetCommandLineMode(true);
    const std::string input = WriteFuzzFile("input.dat", data, size);
    clsAdisDataFile file;
    clsMessages messages;
    const bool checkEvents = size > 0 && (data[0] & 1) != 0;
    if (!file.Read(input, messages, dict, nullptr, checkEvents, false))
        return 0;
    const std::string output = WriteFuzzFile("output.dat", nullptr, 0);
    if (!file.WriteData(nullptr, output))
        return 0;
    clsAdisDataFile again;
    clsMessages moreMessages;
    if (!again.Read(output, moreMessages, dict, nullptr, false, true))
        std::abort(); // a file the writer made must read to its end
    return 0;
}
