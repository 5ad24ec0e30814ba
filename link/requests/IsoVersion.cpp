#include "common/LinkError.h"
#include "common/modUtils.h"
#include "exchange/modMirelCom.h"
#include "requests/RequestFlow.h"

namespace modNational {

std::string GetIsoVersion() {
    std::string version;
    modUtils::RegReadString(version, modUtils::RegRoot::LocalMachine, modMirelCom::IsoRegistryKey,
                            "Version");
    return version;
}

bool IsNewIsoVersion(const std::string& version) {
    const auto point = version.find('.');
    if (point == std::string::npos)
        throw LinkError(LinkErrors::InvalidArgument,
                        "Invalid procedure call or argument (ISO application version \"" + version +
                            "\")");
    const std::string comparable = modUtils::ZeroPadTo(version.substr(0, point), 2) + "." +
                                   modUtils::ZeroPadTo(version.substr(point + 1), 2);
    return comparable >= "05.05";
}

int ExitStatus(RequestOutcome outcome) {
    switch (outcome) {
    case RequestOutcome::Answered:
    case RequestOutcome::DataFileTaken:
        return 0;
    case RequestOutcome::RequestUnreadable:
        return 3;
    case RequestOutcome::DataFileRefused:
        return 4;
    case RequestOutcome::AnswerNotWritten:
    case RequestOutcome::RunFailed:
        break;
    }
    return 1;
}

} // namespace modNational
