#include "database/SearchItemRanges.h"
#include "adis/clsAdisSearchItems.h"
#include "database/QuerySearch.h"

#include <gtest/gtest.h>

using namespace modNational;

TEST(SearchItemRanges, RequestItemsBecomeRangeAndFilter) {
    clsAdisSearchItems items;
    items.AddItem(900080, AdisValues::Text("SK'1 "), AdisNull{});
    items.AddItem(900054, *AdisDate::Make(2024, 2, 1), *AdisDate::Make(2024, 2, 29));
    items.AddItem(900078, AdisEmpty{}, *AdisTime::Make(12, 0, 0));
    items.AddItem(900042, AdisValues::Number(125, 1), AdisValues::Number(30));

    const SearchRanges ranges = ToSearchRanges(items);
    ASSERT_EQ(ranges.size(), 4u);
    EXPECT_EQ(BuildFilterText(DatabaseQuery::MilkingSessions, ranges),
              "OfficialRegNo >= 'SK''1 ' AND TotalYield >= '12.5' AND TotalYield <= '30'");
    const QueryRange range = ReadQueryRange(DatabaseQuery::MilkingSessions, ranges);
    EXPECT_EQ(range.fromDate, DbDateTime::Date(2024, 2, 1));
    EXPECT_EQ(range.toDate, DbDateTime::Date(2024, 2, 29));
    EXPECT_EQ(range.fromTime, std::nullopt);
    EXPECT_EQ(range.toTime, DbDateTime::TimeOfDay(12, 0, 0));
    // Pregnancy checks take their dates from another item.
    EXPECT_EQ(ReadQueryRange(DatabaseQuery::PregChecks, ranges).fromDate, std::nullopt);
}

TEST(SearchItemRanges, RowValuesAsItemValues) {
    EXPECT_EQ(ToAdisValue(DbValue{}), AdisValue(AdisNull{}));
    EXPECT_EQ(ToAdisValue(DbValue(42LL)), AdisValues::Number(42));
    EXPECT_EQ(ToAdisValue(DbValue(12.5)), AdisValues::Number(125, 1));
    EXPECT_EQ(ToAdisValue(DbValue(DbDateTime{2024, 3, 1, 5, 6, 7})),
              AdisValue(*AdisDate::Make(2024, 3, 1, 5, 6, 7)));
    EXPECT_EQ(ToAdisValue(DbValue(DbDateTime::TimeOfDay(0, 6, 30))),
              AdisValue(*AdisTime::Make(0, 6, 30)));
    EXPECT_EQ(ToAdisValue(DbValue(std::string("Dödfödd"))), AdisValues::Text("Dödfödd"));
}
