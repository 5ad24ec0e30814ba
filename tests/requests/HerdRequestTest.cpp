// What the request flow asks the herd-management side for, and the version
// switch between the ISO applications.

#include "requests/HerdRequest.h"
#include "adis/clsAdisDataFile.h"
#include "adis/clsAdisSearchItems.h"
#include "adis/clsMessages.h"
#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/HerdDictionary.h"
#include "national/NationalDictionary.h"
#include "requests/RequestFlow.h"

#include "../common/TestFiles.h"

#include <gtest/gtest.h>

using namespace modNational;

namespace {

const clsAdisDataDict& HerdDict() {
    static const clsAdisDataDict dict = [] {
        clsAdisDataDict built;
        modMirelCom::BuildHerdDictionary(built, "VANTOR20");
        return built;
    }();
    return dict;
}

std::vector<std::int32_t> ItemsOf(const clsAdisEvents& events, std::int32_t eventNo) {
    std::vector<std::int32_t> ddNos;
    if (const auto event = events.ItemOf(eventNo))
        for (const auto& item : *event->Items())
            ddNos.push_back(item->DDNo);
    return ddNos;
}

bool Contains(const std::vector<std::int32_t>& ddNos, std::int32_t ddNo) {
    return std::find(ddNos.begin(), ddNos.end(), ddNo) != ddNos.end();
}

TEST(IsNewIsoVersion, ComparesTwoDigitPartsAsText) {
    for (const char* version : {"5.5", "5.10", "12.0"})
        EXPECT_TRUE(IsNewIsoVersion(version)) << version;
    for (const char* version : {"4.9", "5.4"})
        EXPECT_FALSE(IsNewIsoVersion(version)) << version;
    for (const char* version : {"55", ""})
        EXPECT_THROW(IsNewIsoVersion(version), LinkError) << version;
}

TEST(HerdRequest, ItemsFollowTheVersionsAndTheDatabaseAnswers) {
    HerdRequestOptions options;
    options.nationalManufacturerVersion = "ZIRAZ22"; // as read back from its file
    options.newIsoVersion = true;
    const clsAdisEvents full = BuildHerdRequest(HerdDict(), options, {});
    EXPECT_EQ(ItemsOf(full, 0), (std::vector<std::int32_t>{308503, 308504, 308505}));
    const auto animals = ItemsOf(full, 1);
    EXPECT_EQ(animals.size(), 23u);
    EXPECT_EQ(animals.front(), 300348);
    for (const std::int32_t ddNo : {304901, 304902, 354201, 354202})
        EXPECT_TRUE(Contains(animals, ddNo)) << ddNo;
    const auto milk = ItemsOf(full, 2);
    ASSERT_EQ(milk.size(), 27u);
    EXPECT_EQ((std::vector<std::int32_t>(milk.begin(), milk.begin() + 5)),
              (std::vector<std::int32_t>{300348, 300001, 300370, 300123, 300142}));
    EXPECT_EQ(milk.back(), 300127);
    EXPECT_TRUE(Contains(ItemsOf(full, 303085), 355075));
    EXPECT_EQ(full.ItemOf(1)->KeyItems()->Item(1)->DDNo, 300348);
    EXPECT_EQ(full.ItemOf(303085)->KeyItems()->Count(), 4);

    options.nationalManufacturerVersion = "ZIRAZ19 ";
    options.newIsoVersion = false;
    options.milkServed = true;
    const clsAdisEvents small = BuildHerdRequest(HerdDict(), options, {});
    EXPECT_EQ(ItemsOf(small, 1).size(), 19u);
    EXPECT_FALSE(small.ItemOf(2));
    EXPECT_FALSE(Contains(ItemsOf(small, 303085), 355075));
}

TEST(HerdRequest, AnimalEventsAreBoundByTheEarliestDateAndTheHerdNumbers) {
    const auto searchOf = [](const HerdRequestRanges& ranges) {
        HerdRequestOptions options;
        options.newIsoVersion = true;
        return BuildHerdRequest(HerdDict(), options, ranges).ItemOf(303085)->SearchItems();
    };
    const auto unbounded = searchOf({});
    ASSERT_EQ(unbounded->Count(), 1);
    // Without a requested date every event passes the zero date.
    EXPECT_EQ(unbounded->LineString(303085, HerdDict().Items()),
              "SN3030850035507108018991230????????");

    const auto bounded = searchOf({AdisDate{2026, 5, 1}, "12000000", ""});
    ASSERT_EQ(bounded->Count(), 2);
    EXPECT_EQ(bounded->LineString(303085, HerdDict().Items()),
              "SN3030850035507108020260501????????"
              "0035507515012000000       ???????????????");
}

TEST(HerdRequest, RangesTakeTheWidestBoundsOverTheRequests) {
    TempDir dir;
    const std::string path = dir.File("request.dat");
    const auto search = [](const std::string& event, const std::string& herdLow,
                           const std::string& dateGroup, const std::string& dates) {
        return "TN\r\nSN" + event + "00050011080" + herdLow + herdLow.substr(0, 6) + "99" +
               dateGroup + dates + "\r\nRN" + event + "00900080160\r\n";
    };
    ASSERT_TRUE(WriteFileBytesAtomic(
        path, "DH990001000000000800090000208000900003080009000040600090000624000900008080"
              "00900012080\r\n"
              "VH990001DD      2000    20261206101500National office         0422    ZIRAZ22 \r\n" +
                  search("055021", "12000000", "00900053080", "2026050120260630") +
                  search("055023", "11000000", "00050134080", "2026040120260430") +
                  search("055024", "13000000", "00050135080", "2026050120260531") +
                  "EN\r\nZN\r\n"));
    auto national = std::make_shared<clsAdisDataDict>();
    ASSERT_TRUE(BuildNationalDict(*national, "ZIRAZ22 "));
    clsAdisDataFile request;
    clsMessages messages;
    ASSERT_TRUE(request.Read(path, messages, national, nullptr, false, true));

    const HerdRequestRanges ranges = CollectHerdRequestRanges(request, true);
    EXPECT_EQ(ranges.rangeLow, "11000000");
    EXPECT_EQ(ranges.rangeHigh, "13000099");
    ASSERT_TRUE(ranges.earliestDate);
    EXPECT_EQ(*ranges.earliestDate, (AdisDate{2026, 4, 1}));

    const HerdRequestRanges old = CollectHerdRequestRanges(request, false);
    EXPECT_TRUE(old.rangeLow.empty());
    EXPECT_TRUE(old.rangeHigh.empty());
    EXPECT_EQ(*old.earliestDate, (AdisDate{2026, 4, 1}));

    // Without its start date 055024, answered from the animal events, asks for
    // their whole history.
    request.RequestEvents.ItemOf(55024)->SearchItems()->Remove("50135");
    EXPECT_FALSE(CollectHerdRequestRanges(request, true).earliestDate);
}

} // namespace
