#include "exchange/modMirelCom.h"

#include "common/AppFolder.h"
#include "common/modUtils.h"

namespace modMirelCom {

std::string HerdDictFilePath() {
    return modCommon::AppFolder() + "dd.ini";
}

std::string IsoInFilePath() {
    return modCommon::AppFolder() + "~isoin.dat";
}

std::string IsoOutFilePath() {
    return modCommon::AppFolder() + "~isoout.dat";
}

std::string IsoLogFilePath() {
    return modCommon::AppFolder() + "~iso.log";
}

std::string LinkLogFilePath() {
    return modCommon::AppFolder() + "~link.log";
}

std::string ExchangeLockFilePath() {
    return modCommon::AppFolder() + "~iso.lck";
}

std::string IsoApplicationPath(bool useRelay) {
    if (useRelay)
        return modCommon::AppFolder() + RelayProgramName();
    std::string path;
    if (!modUtils::RegReadString(path, modUtils::RegRoot::LocalMachine, IsoRegistryKey,
                                 IsoApplicationValue))
        return {};
    return path;
}

} // namespace modMirelCom
