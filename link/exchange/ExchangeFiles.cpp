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
    // A path written with quotes around it (as command lines need them) names the
    // same program; the quotes would make it unstartable.
    const std::size_t first = path.find_first_not_of(' ');
    const std::size_t last = path.find_last_not_of(' ');
    if (first != std::string::npos && last > first && path[first] == '"' && path[last] == '"')
        return path.substr(first + 1, last - first - 1);
    return path;
}

} // namespace modMirelCom
