#include "adis/clsAdisDataFile.h"
#include "common/LanguageResources.h"
#include "common/LinkError.h"
#include "common/ProcedureError.h"
#include "common/UserInterface.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"
#include "national/HerdRequestEvent.h"
#include "national/NationalFunctions.h"
#include "national/StatusTextScope.h"
#include "settings/LinkSettings.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <optional>
#include <unordered_set>

namespace modNational {
namespace {

constexpr std::int32_t kAnimalNoItem = 300001;
constexpr std::int32_t kOfficialIdItem = 300348;
constexpr std::int32_t kMotherIdItem = 303924;

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](unsigned char c) { return std::isdigit(c) != 0; });
}

// Request event 1: every animal's number, identity and mother, keyed by number.
clsAdisEvents AnimalIdentityRequest() {
    clsAdisEvents events;
    AddHerdRequestEvent(events, *modMirelCom::HerdDataDict(), 1,
                        {kAnimalNoItem, kOfficialIdItem, kMotherIdItem}, {kAnimalNoItem});
    return events;
}

// The identity as the check reads it: nothing when the herd side holds none
// (Null, a field left empty or blank), else its text without the blanks around
// it (a text field comes filled with blanks to its width).
std::optional<std::string> IdentityOf(const clsAdisDataLine& line) {
    const auto value = line.ItemValues.ValueOf(kOfficialIdItem);
    if (!value || IsNull(*value) || IsEmpty(*value))
        return std::nullopt;
    std::string identity = TrimBlanks(AdisValues::ToText(*value));
    if (identity.empty())
        return std::nullopt;
    return identity;
}

} // namespace

bool IsValidOfficialId(const std::string& identity) {
    const std::string id = TrimBlanks(identity);
    if (id.size() != 14 || std::count(id.begin(), id.end(), '-') != 2)
        return false;
    const auto first = id.find('-');
    const auto second = id.find('-', first + 1);
    const std::string_view view(id);
    const auto number = view.substr(first + 1, second - first - 1);
    const auto check = view.substr(second + 1);
    return view.substr(0, first) == "SE" && number.size() == 6 && AllDigits(number) &&
           check.size() == 4 && AllDigits(check);
}

bool ValidateOfficialIds(const clsAdisDataLines& lines) {
    std::vector<modMirelCom::CheckEntry> invalid;
    std::vector<modMirelCom::CheckEntry> duplicates;
    std::unordered_set<std::string> seen;
    for (const auto& line : lines) {
        const auto number = line->ItemValues.ValueOf(kAnimalNoItem);
        const std::string animalNo = number ? TrimBlanks(AdisValues::ToText(*number)) : "";
        const auto identity = IdentityOf(*line);
        if (!identity) {
            invalid.emplace_back(animalNo, "");
            continue;
        }
        if (!seen.insert(*identity).second)
            duplicates.emplace_back(animalNo, *identity);
        if (!IsValidOfficialId(*identity))
            invalid.emplace_back(animalNo, *identity);
    }
    modMirelCom::WriteCheckReport(invalid, duplicates);
    return invalid.empty() && duplicates.empty();
}

bool CheckAnimalIds() {
    StatusTextScope status;
    try {
        status.Show(162);
        const clsAdisEvents request = AnimalIdentityRequest();
        {
            const modMirelCom::ExchangeSession session;
            if (!modMirelCom::SendIsoRequest(session, request,
                                             modCommon::Settings().RemoteConnection))
                return false;
        }
        // An answer without the animal event, or with no animal in it, has
        // nothing to check: that is no proof that every identity is right.
        const auto animals = modMirelCom::SharedAnswerFile().DataEvents.Item("000001");
        if (!animals || animals->DataLines()->Count() == 0) {
            LinkUi::Ui().SetStatusText({});
            LinkUi::Ui().MessageBox(modCommon::ResString(159), LinkUi::Buttons::Ok,
                                    LinkUi::Icon::Information, modCommon::ResString(150));
            return false;
        }
        return ValidateOfficialIds(*animals->DataLines());
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
        return false;
    }
}

} // namespace modNational
