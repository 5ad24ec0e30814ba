#include "Answerer.h"

#include "HerdRows.h"
#include "SimLog.h"

#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItems.h"
#include "dictionary/clsAdisDataDict.h"

#include <string>

namespace HerdSim {
namespace {

bool IsBound(const AdisValue& value) {
    return !IsEmpty(value) && !IsNull(value);
}

// Text fields of a search line arrive filled with blanks to their width.
AdisValue Comparable(const AdisValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        const auto end = text->find_last_not_of(' ');
        return end == std::string::npos ? std::string() : text->substr(0, end + 1);
    }
    return value;
}

bool InSearchRange(const HerdRow& row, const clsAdisSearchItems& searchItems) {
    for (const auto& search : searchItems) {
        const bool low = IsBound(search->LowValue);
        const bool high = IsBound(search->HighValue);
        const auto found = row.find(search->DDNo);
        // A range on something the herd system does not keep selects nothing out.
        if ((!low && !high) || found == row.end())
            continue;
        if (!IsBound(found->second))
            return false;
        const AdisValue value = Comparable(found->second);
        if (low && AdisValues::Compare(value, Comparable(search->LowValue)).value_or(0) < 0)
            return false;
        if (high && AdisValues::Compare(value, Comparable(search->HighValue)).value_or(0) > 0)
            return false;
    }
    return true;
}

long MaxRecords(const clsAdisEvent& request) {
    if (!request.HasSearchItems())
        return 0;
    const auto number = AdisValues::AsNumber(request.SearchItems()->MaxRecords);
    return number && number->Mantissa() > 0 && number->Scale() == 0
               ? static_cast<long>(number->Mantissa())
               : 0;
}

} // namespace

void AnswerRequests(SqliteDb& db, const clsAdisDataFile& input, clsAdisDataFile& answer,
                    clsAdisEvents& answerEvents, SimLog& log) {
    for (const auto& request : input.RequestEvents) {
        const std::string eventText = request->EventNoStr();
        if (request->Key != request->EventNoStr()) {
            log.Note("Event " + eventText + " requested again: answered once");
            continue;
        }
        const auto rows = QueryRows(db, request->EventNo, answer.DataDict->Items());
        answerEvents.Add(request);
        const auto dataEvent =
            answer.DataEvents.AddItem(request->EventNo, 0, request->Items(), nullptr);
        if (!rows) {
            log.Note("Event " + eventText + " is not answered by this herd system");
            continue;
        }
        const long maxRecords = MaxRecords(*request);
        long lines = 0;
        for (const HerdRow& row : *rows) {
            if (request->HasSearchItems() && !InSearchRange(row, *request->SearchItems()))
                continue;
            if (maxRecords > 0 && lines == maxRecords)
                break;
            clsAdisItemValues values;
            for (const auto& item : *request->Items()) {
                const auto found = row.find(item->DDNo);
                values.AddItem(item->DDNo,
                               found == row.end() ? AdisValue(AdisEmpty{}) : found->second);
            }
            ++lines;
            dataEvent->DataLines()->AddItem(std::to_string(lines), "V", "N", request->EventNo,
                                            std::move(values));
        }
        log.Info("Event " + eventText + ": " + std::to_string(lines) + " lines answered");
    }
}

} // namespace HerdSim
