#include "requests/DatabaseAnswers.h"

#include "adis/clsAdisDataFile.h"
#include "common/TraceLog.h"
#include "database/Recordset.h"
#include "database/SearchItemRanges.h"
#include "dictionary/clsAdisDataDict.h"

#include <string>
#include <vector>

namespace modNational {
namespace {

enum class Part { Whole, Date, Time };

struct ColumnOf {
    std::int32_t ddNo;
    const char* column;
    Part part = Part::Whole;
};

struct DatabaseAnswer {
    std::int32_t eventNo;
    const char* momentColumn; // the second part of the line key
    std::vector<ColumnOf> columns;
};

const DatabaseAnswer kPregnancyChecks{55033,
                                      "PregCheckDate",
                                      {{900080, "OfficialRegNo"},
                                       {900070, "AnimalNumber"},
                                       {900059, "PregCheckDate", Part::Date},
                                       {50305, "PregCheckStatus"},
                                       {900091, "PersonID"}}};
const DatabaseAnswer kSevenDayAverages{55042,
                                       "BeginTime",
                                       {{900080, "OfficialRegNo"},
                                        {900070, "AnimalNumber"},
                                        {900054, "BeginTime", Part::Date},
                                        {900078, "BeginTime", Part::Time},
                                        {50178, "Avg7Days"},
                                        {900068, "MilkingUnitNumber"},
                                        {900024, "SampleTubeRack"},
                                        {900025, "SampleTube"}}};
const DatabaseAnswer kMilkingSessions{55043,
                                      "BeginTime",
                                      {{900080, "OfficialRegNo"},
                                       {900070, "AnimalNumber"},
                                       {900054, "BeginTime", Part::Date},
                                       {900078, "BeginTime", Part::Time},
                                       {900068, "MilkingUnitNumber"},
                                       {900024, "SampleTubeRack"},
                                       {900025, "SampleTube"},
                                       {50151, "MilkingStatus"},
                                       {900042, "TotalYield"},
                                       {900079, "MilkDuration", Part::Time}}};

const ColumnOf* ColumnFor(const DatabaseAnswer& answer, std::int32_t ddNo) {
    for (const ColumnOf& column : answer.columns)
        if (column.ddNo == ddNo)
            return &column;
    return nullptr;
}

AdisValue RowValue(const Recordset& rows, const ColumnOf& column) {
    const DbValue& value = rows.Field(column.column);
    if (const auto* moment = std::get_if<DbDateTime>(&value)) {
        if (column.part == Part::Date)
            return ToAdisValue(moment->DatePart());
        if (column.part == Part::Time)
            return ToAdisValue(moment->TimePart());
    }
    return ToAdisValue(value);
}

void Answer(const DatabaseAnswer& answerKind, const clsAdisEvent& request, Recordset* rows,
            const clsAdisDataDict& nationalDict, clsAdisDataFile& answer) {
    if (const auto earlier = answer.DataEvents.ItemOf(answerKind.eventNo))
        answer.DataEvents.Remove(earlier->Key);
    const auto event = answer.DataEvents.AddItem(answerKind.eventNo, 0, request.Items(), nullptr);
    auto& lines = *event->DataLines();
    const auto known = [&](const clsAdisItem& item) {
        return nationalDict.Items().Exists(item.DDNoStr());
    };

    if (!rows || rows->RecordCount() == 0) {
        const auto line = lines.AddItem("Null", "V", "N", answerKind.eventNo);
        for (const auto& item : *request.Items())
            line->ItemValues.AddItem(item->DDNo,
                                     known(*item) ? AdisValue(AdisNull{}) : AdisValue(AdisEmpty{}));
        return;
    }
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) {
        const std::string key = DefaultText(rows->Field("OfficialRegNo")) + "#" +
                                DefaultText(rows->Field(answerKind.momentColumn));
        // A second row of the same animal and moment is dropped.
        const auto line = lines.AddItem(key, "V", "N", answerKind.eventNo);
        if (!line)
            continue;
        for (const auto& item : *request.Items()) {
            if (!known(*item))
                continue;
            const ColumnOf* column = ColumnFor(answerKind, item->DDNo);
            line->ItemValues.AddItem(item->DDNo,
                                     column ? RowValue(*rows, *column) : AdisValue(AdisNull{}));
        }
    }
}

void AnswerEach(const DatabaseAnswer& answerKind, const clsAdisDataFile& request, Recordset* rows,
                const clsAdisDataDict& nationalDict, clsAdisDataFile& answer) {
    for (const auto& requested : request.RequestEvents)
        if (requested->EventNo == answerKind.eventNo && requested->Key == requested->EventNoStr())
            Answer(answerKind, *requested, rows, nationalDict, answer);
}

} // namespace

void AnswerPregnancyChecks(const clsAdisDataFile& request, Recordset* rows,
                           const clsAdisDataDict& nationalDict, clsAdisDataFile& answer) {
    AnswerEach(kPregnancyChecks, request, rows, nationalDict, answer);
}

void AnswerMilkings(const clsAdisDataFile& request, Recordset* sevenDayAverages,
                    Recordset* sessions, const clsAdisDataDict& nationalDict,
                    clsAdisDataFile& answer) {
    modUtils::WriteLog("HandleSqlMilkingsRequest");
    for (const auto& [answerKind, rows, name] :
         {std::tuple{&kSevenDayAverages, sevenDayAverages, "rstMilk7DaysAvg"},
          std::tuple{&kMilkingSessions, sessions, "rstMilkingSessionData"}}) {
        if (!request.RequestEvents.ItemOf(answerKind->eventNo))
            continue;
        modUtils::WriteLog(std::string(name) + ".RecordCount " +
                           std::to_string(rows ? rows->RecordCount() : 0));
        AnswerEach(*answerKind, request, rows, nationalDict, answer);
    }
}

} // namespace modNational
