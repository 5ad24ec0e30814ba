#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "adis/modADISFiles.h"
#include "common/LanguageResources.h"
#include "common/LinkError.h"
#include "common/ProcedureError.h"
#include "common/TextEncoding.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeSession.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"
#include "national/HerdRequestEvent.h"
#include "national/NationalFunctions.h"
#include "national/NationalReports.h"
#include "national/NationalShared.h"
#include "national/StatusTextScope.h"
#include "settings/LinkSettings.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <map>
#include <vector>

namespace modNational {
namespace {

constexpr std::int32_t kAnimalList = 55501;
constexpr std::int32_t kNewAnimal = 390001;
constexpr std::int32_t kAnimalData = 390002;

constexpr std::int32_t kIdentity = 900080;
constexpr std::int32_t kAnimalNo = 900070;
constexpr std::int32_t kHerdNo = 50011;
constexpr std::int32_t kPregnancyCheckDate = 900059;
constexpr std::size_t kKeyLength = 15;

// The items a national animal list must define: those the classification and
// the generated lines use, and the herd number every line is checked against.
constexpr std::int32_t kRequiredItems[] = {900070, 900080, 900053, 900028, 900035, 900030,
                                           900094, 50305,  900044, 900046, 50011};

constexpr std::int32_t kNewAnimalItems[] = {303910, 300348, 300003, 300002, 300033, 300035,
                                            300036, 300034, 300357, 300037, 303911, 351141,
                                            351142, 300194, 303912, 303926};
constexpr std::int32_t kAnimalDataItems[] = {300001, 300348, 300033, 303923,
                                             303924, 303925, 303926, 351150};

// Request event 1 with the herd's animal numbers and identities, keyed by number.
clsAdisEvents HerdAnimalsRequest() {
    clsAdisEvents events;
    AddHerdRequestEvent(events, *modMirelCom::HerdDataDict(), 1, {300001, 300348}, {300001});
    return events;
}

// Every definition of the animal list (a file may define the event more than once).
std::vector<std::shared_ptr<clsAdisDataEvent>> AnimalLists(const clsAdisDataFile& file) {
    std::vector<std::shared_ptr<clsAdisDataEvent>> lists;
    for (const auto& event : file.DataEvents)
        if (event->EventNo == kAnimalList)
            lists.push_back(event);
    return lists;
}

bool DefinesRequiredItems(const clsAdisDataEvent& event) {
    for (const std::int32_t ddNo : kRequiredItems)
        if (!event.Items()->Exists(std::to_string(ddNo)))
            return false;
    return true;
}

void ShowError(long textNo) {
    LinkUi::Ui().MessageBox(modCommon::ResString(textNo), LinkUi::Buttons::Ok,
                            LinkUi::Icon::Exclamation, modCommon::ResString(168));
}

AdisValue ValueOf(const clsAdisDataLine& line, std::int32_t ddNo) {
    return line.ItemValues.ValueOf(ddNo).value_or(AdisValue(AdisEmpty{}));
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string TextOf(const clsAdisDataLine& line, std::int32_t ddNo) {
    return TrimBlanks(AdisValues::ToText(ValueOf(line, ddNo)));
}

bool OfHerd(const clsAdisDataLine& line, const std::string& nationalHerdNo) {
    return modUtils::ZeroPadTo(TextOf(line, kHerdNo), 8) == nationalHerdNo;
}

clsAdisItemValues NewAnimalValues(const clsAdisDataLine& line, std::int16_t group,
                                  bool listsPregnancyCheckDate) {
    const AdisValue status = ValueOf(line, 50305);
    const AdisValue values[] = {
        ValueOf(line, kAnimalNo),
        ValueOf(line, kIdentity),
        AdisValues::Number(group),
        AdisNull{},
        ValueOf(line, 900053),
        ValueOf(line, 900028),
        ValueOf(line, 900035),
        AdisNull{},
        ValueOf(line, 900030),
        ValueOf(line, 900094),
        PregnantToHerd(status),
        listsPregnancyCheckDate ? ValueOf(line, kPregnancyCheckDate) : AdisValue(AdisNull{}),
        status,
        ValueOf(line, 900044),
        AdisNull{},
        SexToHerd(ValueOf(line, 900046)),
    };
    clsAdisItemValues itemValues;
    for (std::size_t i = 0; i < std::size(kNewAnimalItems); ++i)
        itemValues.AddItem(kNewAnimalItems[i], values[i]);
    return itemValues;
}

clsAdisItemValues AnimalDataValues(const clsAdisDataLine& line) {
    AdisValue name = ValueOf(line, 900045);
    if (KindOf(name) == AdisValueKind::Text && TrimBlanks(std::get<std::string>(name)).empty())
        name = AdisNull{};
    const AdisValue values[] = {
        ValueOf(line, kAnimalNo),
        ValueOf(line, kIdentity),
        ValueOf(line, 900053),
        ValueOf(line, 50084),
        ValueOf(line, 900083),
        AdisNull{},
        SexToHerd(ValueOf(line, 900046)),
        name,
    };
    clsAdisItemValues itemValues;
    for (std::size_t i = 0; i < std::size(kAnimalDataItems); ++i)
        itemValues.AddItem(kAnimalDataItems[i], values[i]);
    return itemValues;
}

// The herd side's animal numbers from the answer to the herd request, when it
// has any; every animal is new otherwise.
const clsAdisDataLines* HerdAnimals() {
    const auto& answer = modMirelCom::SharedAnswerFile();
    if (answer.DataEvents.Count() == 0)
        return nullptr;
    const auto animals = answer.DataEvents.Item("000001");
    if (!animals || animals->DataLines()->Count() == 0)
        return nullptr;
    return animals->DataLines().get();
}

// The file for the herd side: new animals and the animal data of every animal
// taken. An animal whose key repeats one already used is left out with a warning.
class AnimalFileBuilder {
public:
    AnimalFileBuilder(clsAdisDataFile& output, AddAnimalsTally& tally, clsMessages& warnings)
        : output_(output), tally_(tally), warnings_(warnings) {
        for (const std::int32_t ddNo : kNewAnimalItems)
            output_.AddDataEventItem(kNewAnimal, ddNo);
        for (const std::int32_t ddNo : kAnimalDataItems)
            output_.AddDataEventItem(kAnimalData, ddNo);
    }

    void AddList(const clsAdisDataEvent& list, const clsAdisDataLines* herdAnimals) {
        const bool listsPregnancyCheckDate =
            list.Items()->Exists(std::to_string(kPregnancyCheckDate));
        for (const auto& line : *list.DataLines()) {
            const AnimalClass animal = ClassifyAnimal(*line);
            if (animal.group == 0)
                continue;
            const std::string identity = TextOf(*line, kIdentity);
            const std::string animalNo = AdisValues::ToText(ValueOf(*line, kAnimalNo));
            const std::string key(
                TextEncoding::LeftChars(AdisValues::ToText(ValueOf(*line, kIdentity)), kKeyLength));
            const auto [first, added] = keys_.try_emplace(key, identity, animalNo);
            if (!added) {
                ++tally_.repeatedKeys;
                warnings_.Add(RepeatedKeyWarning(identity, animalNo, first->second.first,
                                                 first->second.second));
                continue;
            }
            const bool exists = herdAnimals && herdAnimals->Exists(animalNo);
            const std::string lineType(1, line->LineType);
            const std::string status(1, line->Status);
            if (!exists)
                Lines(kNewAnimal)
                    .AddItem(key, lineType, status, kNewAnimal,
                             NewAnimalValues(*line, animal.group, listsPregnancyCheckDate));
            Lines(kAnimalData).AddItem(key, lineType, status, kAnimalData, AnimalDataValues(*line));
            ++(exists ? tally_.existingAnimals : tally_.newAnimals);
            const auto kind = static_cast<std::size_t>(animal.kind);
            ++tally_.taken[kind];
            tally_.groups[kind] = animal.group;
        }
    }

private:
    clsAdisDataLines& Lines(std::int32_t eventNo) {
        return *output_.DataEvents.ItemOf(eventNo)->DataLines();
    }

    clsAdisDataFile& output_;
    AddAnimalsTally& tally_;
    clsMessages& warnings_;
    // Identity and animal number of the animal that took each key.
    std::map<std::string, std::pair<std::string, std::string>> keys_;
};

} // namespace

bool AddAnimalsFromFile(const std::string& path) {
    AddAnimalsTally tally;
    return AddAnimalsFromFile(path, tally);
}

bool AddAnimalsFromFile(const std::string& path, AddAnimalsTally& tally) {
    tally = {};
    StatusTextScope status;
    try {
        modUtils::DeleteFileQuiet(modMirelCom::LinkLogFilePath());
        status.Show(162);
        // The generated file goes where the chosen one would be: refused, so that
        // the user's file is never overwritten.
        if (IsExchangeFile(path)) {
            ShowExchangeFileRefused(path);
            return false;
        }
        const auto& settings = modCommon::Settings();
        // One exchange for both runs of the herd side: nothing may replace the
        // exchange files between the question and the file it decides.
        const modMirelCom::ExchangeSession session;
        if (!session.Active() ||
            !modMirelCom::SendIsoRequest(session, HerdAnimalsRequest(), settings.RemoteConnection))
            return false;

        clsAdisDataFile& national = SharedNationalFile();
        clsMessages& messages = modMirelCom::SharedMessages();
        if (!national.Read(path, messages, NationalDataDict(), nullptr, true, true))
            return false;
        const auto lists = AnimalLists(national);
        if (lists.empty() || !std::all_of(lists.begin(), lists.end(), [](const auto& list) {
                return DefinesRequiredItems(*list);
            })) {
            ShowError(179);
            return false;
        }
        const std::string report = modMirelCom::LinkLogFilePath();
        modMirelCom::WriteLinkReport(report, national, messages);
        if (modADIS::GetLogLevel(report) == 3)
            return false;
        const std::string herdNo = modCommon::NationalHerdNo();
        for (const auto& list : lists)
            for (const auto& line : *list->DataLines())
                if (!OfHerd(*line, herdNo)) {
                    LinkUi::Ui().SetStatusText({});
                    ShowError(178);
                    return false;
                }

        clsAdisDataFile output;
        output.Clear();
        output.DataDict = modMirelCom::HerdDataDict();
        output.FilePath = modMirelCom::IsoInFilePath();
        clsMessages warnings;
        AnimalFileBuilder builder(output, tally, warnings);
        const clsAdisDataLines* herdAnimals = HerdAnimals();
        for (const auto& list : lists)
            builder.AddList(*list, herdAnimals);
        if (warnings.Count() > 0) {
            for (const auto& warning : warnings)
                messages.Add(warning);
            modMirelCom::WriteLinkReport(report, national, messages);
        }

        clsAdisDataFile answer;
        answer.Clear();
        answer.FilePath = modMirelCom::IsoOutFilePath();
        status.Show(161);
        if (!output.WriteData(nullptr, {}))
            return false;
        tally.built = true;
        if (!modMirelCom::ExecuteIsoApp(session, settings.RemoteConnection))
            return false;
        clsMessages answerMessages;
        const bool read = answer.Read(modMirelCom::IsoOutFilePath(), answerMessages,
                                      modMirelCom::HerdDataDict(), nullptr, true, true);
        if (read && answer.DataEvents.Count() == 0)
            return true;
        // The report then is the answer's, with what this run left out.
        for (const auto& message : answerMessages)
            warnings.Add(message);
        ReportRejectedAnswer(answer, read, warnings);
        modMirelCom::WriteLinkReport(report, answer, warnings);
        return false;
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
        return false;
    }
}

} // namespace modNational
