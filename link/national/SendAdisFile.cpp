#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "common/LanguageResources.h"
#include "common/Platform.h"
#include "common/ProcedureError.h"
#include "common/TextStream.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"
#include "national/NationalFunctions.h"
#include "national/NationalReports.h"
#include "national/StatusTextScope.h"
#include "settings/LinkSettings.h"

#include <exception>
#include <filesystem>

namespace modNational {
namespace {

void ShowFileError(long textNo, const std::string& path) {
    LinkUi::Ui().MessageBox(modCommon::ResString(textNo) + "\n" + path, LinkUi::Buttons::Ok,
                            LinkUi::Icon::Critical, modCommon::ResString(168));
}

// The chosen file's bytes become the request file of the ISO application. The
// exchange files themselves are refused: the run replaces them, and the user's
// file would be lost.
bool CopyToRequestFile(const std::string& path) {
    if (IsExchangeFile(path)) {
        ShowExchangeFileRefused(path);
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(Platform::PathFromUtf8(path), ec)) {
        ShowFileError(170, path);
        return false;
    }
    std::string bytes;
    if (!ReadFileBytes(path, bytes)) {
        ShowFileError(171, path);
        return false;
    }
    modUtils::DeleteFileQuiet(modMirelCom::IsoInFilePath());
    if (!WriteFileBytesAtomic(modMirelCom::IsoInFilePath(), bytes)) {
        ShowFileError(169, modMirelCom::IsoInFilePath());
        return false;
    }
    return true;
}

} // namespace

bool IsExchangeFile(const std::string& path) {
    const auto chosen = Platform::PathFromUtf8(path);
    for (const std::string& exchange :
         {modMirelCom::IsoInFilePath(), modMirelCom::IsoOutFilePath()}) {
        std::error_code ec;
        if (std::filesystem::equivalent(chosen, Platform::PathFromUtf8(exchange), ec))
            return true;
    }
    return false;
}

bool SendAdisFile(const std::string& path) {
    StatusTextScope status;
    try {
        clsAdisDataFile answer;
        answer.Clear();
        answer.FilePath = modMirelCom::IsoOutFilePath();
        status.Show(161);
        // A report of an earlier function must never pass for this one's.
        modUtils::DeleteFileQuiet(modMirelCom::LinkLogFilePath());
        const modMirelCom::ExchangeSession session;
        if (!session.Active() || !CopyToRequestFile(path))
            return false;
        if (!modMirelCom::ExecuteIsoApp(session, modCommon::Settings().RemoteConnection,
                                        modMirelCom::IsoInFilePath()))
            return false;
        clsMessages& messages = modMirelCom::SharedMessages();
        messages.Clear();
        const bool read = answer.Read(modMirelCom::IsoOutFilePath(), messages,
                                      modMirelCom::HerdDataDict(), nullptr, true, true);
        if (read && answer.DataEvents.Count() == 0)
            return true;
        ReportRejectedAnswer(answer, read, messages);
        modMirelCom::WriteLinkReport(modMirelCom::LinkLogFilePath(), answer, messages);
        return false;
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
        return false;
    }
}

} // namespace modNational
