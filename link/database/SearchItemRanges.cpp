#include "SearchItemRanges.h"

#include "QueryBuilders.h"
#include "adis/clsAdisSearchItems.h"

namespace modNational {

DbValue ToDbValue(const AdisValue& value) {
    switch (KindOf(value)) {
    case AdisValueKind::Empty:
    case AdisValueKind::Null:
        return {};
    case AdisValueKind::Number:
        return std::get<AdisNumber>(value).ToDouble();
    case AdisValueKind::Date: {
        const auto& date = std::get<AdisDate>(value);
        return DbDateTime{date.Year, date.Month, date.Day, date.Hour, date.Minute, date.Second};
    }
    case AdisValueKind::Time: {
        const auto& time = std::get<AdisTime>(value);
        return DbDateTime::TimeOfDay(time.Hour, time.Minute, time.Second);
    }
    case AdisValueKind::Text:
        return std::get<std::string>(value);
    }
    return {};
}

AdisValue ToAdisValue(const DbValue& value) {
    struct Visitor {
        AdisValue operator()(std::monostate) const { return AdisNull{}; }
        AdisValue operator()(long long integer) const { return AdisValues::Number(integer); }
        AdisValue operator()(double number) const { return AdisValues::NumberFromDouble(number); }
        AdisValue operator()(const DbDateTime& moment) const {
            if (!moment.HasDate()) {
                if (auto time = AdisTime::Make(moment.hour, moment.minute, moment.second))
                    return *time;
            } else if (auto date = AdisDate::Make(moment.year, moment.month, moment.day,
                                                  moment.hour, moment.minute, moment.second)) {
                return *date;
            }
            return AdisNull{};
        }
        AdisValue operator()(const std::string& text) const { return AdisValues::Text(text); }
    };
    return std::visit(Visitor{}, value);
}

SearchRanges ToSearchRanges(const clsAdisSearchItems& searchItems) {
    SearchRanges ranges;
    for (const auto& item : searchItems)
        ranges.push_back({item->DDNo, ToDbValue(item->LowValue), ToDbValue(item->HighValue)});
    return ranges;
}

std::shared_ptr<Recordset> QueryMilk7DaysAvg(const clsAdisSearchItems& searchItems) {
    return QueryMilk7DaysAvg(ToSearchRanges(searchItems));
}

std::shared_ptr<Recordset> QueryMilkingSessions(const clsAdisSearchItems& searchItems) {
    return QueryMilkingSessions(ToSearchRanges(searchItems));
}

std::shared_ptr<Recordset> QueryPregChecks(const clsAdisSearchItems& searchItems) {
    return QueryPregChecks(ToSearchRanges(searchItems));
}

} // namespace modNational
