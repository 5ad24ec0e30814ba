#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "adis/modADISFiles.h"
#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"

#include <algorithm>

namespace modMirelCom {

bool SendIsoRequest(const ExchangeSession& session, const clsAdisEvents& events, bool useRelay) {
    if (!session.Active())
        return false;
    clsMessages& messages = SharedMessages();
    modUtils::DeleteFileQuiet(LinkLogFilePath());
    messages.Clear();

    const auto dict = HerdDataDict();
    if (!modADIS::WriteRequestFile(events, IsoInFilePath(), *dict, dict->Version,
                                   dict->NationalVersion, dict->ManufacturerVersion))
        return false;
    if (!ExecuteIsoApp(session, useRelay))
        return false;

    clsAdisDataFile& answer = SharedAnswerFile();
    const bool read = answer.Read(IsoOutFilePath(), messages, dict, &events, false, true);
    const bool anyError = std::any_of(messages.begin(), messages.end(), [](const std::string& m) {
        return m.find("Error") != std::string::npos;
    });
    if (anyError) {
        WriteLinkReport(LinkLogFilePath(), answer, messages);
        return false;
    }
    return read;
}

bool SendIsoRequest(const clsAdisEvents& events, bool useRelay) {
    const ExchangeSession session;
    return SendIsoRequest(session, events, useRelay);
}

} // namespace modMirelCom
