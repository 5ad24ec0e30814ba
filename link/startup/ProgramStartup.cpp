#include "startup/ProgramStartup.h"

#include "common/AppFolder.h"
#include "common/LanguageStartup.h"
#include "common/TraceLog.h"
#include "exchange/ExchangeShared.h"
#include "national/NationalShared.h"
#include "national/ProgramDictionaries.h"
#include "settings/LinkSettings.h"

namespace modStartup {

std::string NewSessionLine() {
    return "New session " + std::string(76, '-');
}

void InitializeProgram(const CommandLineValues& commandLine) {
    modCommon::ChooseStartupLanguage();

    const auto dictionaries = modNational::LoadProgramDictionaries(
        modNational::ParseDictionarySwitches(commandLine.dictionarySwitches),
        modCommon::AppFolder());
    modMirelCom::SetHerdDataDict(dictionaries.herd);
    modNational::SetNationalDataDict(dictionaries.national);

    modCommon::ReadSettings();
    modCommon::CurrentHerdNo() = modCommon::Settings().HerdNo;

    modUtils::WriteLog(NewSessionLine());
}

} // namespace modStartup
