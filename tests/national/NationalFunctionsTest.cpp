// The parts of the national functions that need no herd side: the
// classification of a national animal line, the identity test and its report,
// and the code tables with the lookup statements.
#include "LinkSandbox.h"

#include "../common/TestFiles.h"
#include "adis/clsAdisDataFile.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/HerdDictionary.h"
#include "national/NationalDictionary.h"
#include "national/NationalFunctions.h"
#include "national/NationalLookups.h"
#include "settings/LinkSettings.h"

#include <gmock/gmock.h>

using namespace modNational;
using ::testing::ElementsAre;

namespace {

struct Animal {
    const char* sex;
    AdisValue lactation;
    AdisValue insemination;
    AdisValue pregnancy;
};

clsAdisDataLine NationalLine(const Animal& animal) {
    clsAdisDataLine line;
    line.ItemValues.AddItem(900046, AdisValues::Text(animal.sex));
    line.ItemValues.AddItem(900035, animal.lactation);
    line.ItemValues.AddItem(900030, animal.insemination);
    line.ItemValues.AddItem(50305, animal.pregnancy);
    return line;
}

TEST(AddAnimals, EachKindGoesIntoTheGroupOfItsSettingOrIsPassedOver) {
    const AdisValue none = AdisNull{};
    const AdisValue inseminated = AdisDate{2026, 10, 1};
    const Animal firstCalver{"F", AdisValues::Number(1), none, none};
    const Animal cow{"F", AdisValues::Number(3), none, none};
    const Animal openHeifer{"F", AdisValues::Number(0), none, AdisValues::Number(1)};
    const Animal unknownLactation{"F", none, none, none};
    const Animal bredHeifer{"F", AdisValues::Number(0), inseminated, AdisValues::Number(21)};
    const Animal pregnantHeifer{"F", AdisValues::Number(0), inseminated, AdisValues::Number(22)};
    const Animal pregnantByCode2{"F", AdisValues::Number(0), none, AdisValues::Number(2)};
    const Animal bull{"M", AdisValues::Number(0), none, none};
    const Animal unknownSex{"X", AdisValues::Number(2), none, none};
    const std::vector<Animal> animals{firstCalver,      cow,        openHeifer,
                                      unknownLactation, bredHeifer, pregnantHeifer,
                                      pregnantByCode2,  bull,       unknownSex};

    modCommon::SettingsValues all;
    all.AddCows = all.AddHeifers = all.AddInseminatedHeifers = all.AddPregnantHeifers =
        all.AddBulls = true;
    all.AddCowsGroup1 = 11, all.AddCowsGroup2 = 12, all.AddHeifersGroup1 = 21;
    all.AddHeifersGroup2 = 22, all.AddHeifersGroup3 = 23, all.AddBullsGroup = 31;
    modCommon::SettingsValues heifersOnly = all;
    heifersOnly.AddCows = heifersOnly.AddBulls = false;
    heifersOnly.AddInseminatedHeifers = heifersOnly.AddPregnantHeifers = false;
    modCommon::SettingsValues steersOnly;
    steersOnly.AddSteers = true;
    steersOnly.AddSteersGroup = 41;
    modCommon::SettingsValues bredWithoutHeifers = all;
    bredWithoutHeifers.AddHeifers = false;

    const struct {
        const char* name;
        modCommon::SettingsValues settings;
        std::vector<std::int16_t> groups;
    } cases[] = {
        {"all kinds", all, {11, 12, 21, 21, 22, 23, 23, 31, 0}},
        {"heifers, not bred ones", heifersOnly, {0, 0, 21, 21, 0, 0, 0, 0, 0}},
        {"steers never", steersOnly, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"bred heifers need heifers", bredWithoutHeifers, {11, 12, 0, 0, 0, 0, 0, 31, 0}},
    };
    LinkSandbox sandbox;
    for (const auto& c : cases) {
        modCommon::Settings() = c.settings;
        std::vector<std::int16_t> groups;
        for (const Animal& animal : animals)
            groups.push_back(AnimalGroup(NationalLine(animal)));
        EXPECT_EQ(groups, c.groups) << c.name;
    }
}

TEST(AddAnimals, PregnancyAndSexBecomeTheHerdsCodes) {
    const AdisValue zero = AdisValues::Number(0), one = AdisValues::Number(1), null = AdisNull{};
    const std::pair<AdisValue, AdisValue> pregnancy[] = {
        {AdisValues::Number(1), zero}, {AdisValues::Number(21), zero}, {AdisValues::Number(2), one},
        {AdisValues::Number(22), one}, {AdisValues::Number(3), null},  {null, null}};
    for (const auto& [status, expected] : pregnancy)
        EXPECT_EQ(PregnantToHerd(status), expected) << AdisValues::KeyText(status);
    const std::pair<AdisValue, AdisValue> sex[] = {{AdisValues::Text("M"), zero},
                                                   {AdisValues::Text("F"), one},
                                                   {AdisValues::Text("K"), null},
                                                   {null, null}};
    for (const auto& [value, expected] : sex)
        EXPECT_EQ(SexToHerd(value), expected) << AdisValues::KeyText(value);
}

TEST(CheckAnimalIds, AnIdentityIsSeAndSixAndFourDigits) {
    for (const char* valid : {"SE-123456-1234", "  SE-000000-0000 "})
        EXPECT_TRUE(IsValidOfficialId(valid)) << valid;
    for (const char* invalid : {"SE-12345-12345", "DK-123456-1234", "SE 123456 1234",
                                "SE-123456-123", "SE-12345a-1234", "SE-123456-1234-", ""})
        EXPECT_FALSE(IsValidOfficialId(invalid)) << invalid;
}

TEST(CheckAnimalIds, TheReportListsInvalidThenRepeatedIdentitiesInLineOrder) {
    LinkSandbox sandbox;
    clsAdisDataLines lines;
    const auto add = [&](int animalNo, const AdisValue& identity) {
        clsAdisItemValues values;
        values.AddItem(300001, AdisValues::Number(animalNo));
        values.AddItem(300348, identity);
        lines.AddItem(std::to_string(animalNo), "V", "N", 1, std::move(values));
    };
    add(1, AdisValues::Text("SE-111111-1111 "));
    add(2, AdisNull{});
    add(3, AdisValues::Text("SE-111111-1111"));
    add(4, AdisValues::Text("SE 22222-2222"));
    add(5, AdisValues::Text("SE-111111-1111"));
    add(6, AdisEmpty{});
    add(7, AdisValues::Text("SE 22222-2222"));
    EXPECT_FALSE(ValidateOfficialIds(lines));
    const std::string report = FileBytes(sandbox.File("~link.log"));
    EXPECT_EQ(report.substr(report.find("\r\n") + 2),
              "Invalid id's was found for the following cows:\r\n"
              "Cow 2 with id: ''\r\n"
              "Cow 4 with id: 'SE 22222-2222'\r\n"
              "Cow 6 with id: ''\r\n"
              "Cow 7 with id: 'SE 22222-2222'\r\n"
              "Duplicate id's was found for the following cows:\r\n"
              "Cow 3 with id: 'SE-111111-1111'\r\n"
              "Cow 5 with id: 'SE-111111-1111'\r\n"
              "Cow 7 with id: 'SE 22222-2222'\r\n");

    std::filesystem::remove(sandbox.Path() / "~link.log");
    clsAdisDataLines valid;
    valid.AddItem("1", "V", "N", 1)->ItemValues.AddItem(300348, AdisValues::Text("SE-1-1"));
    valid.AddItem("2", "V", "N", 1)->ItemValues.AddItem(300348, AdisValues::Text("SE-123456-1234"));
    EXPECT_FALSE(ValidateOfficialIds(valid));
    valid.Remove("1");
    EXPECT_TRUE(ValidateOfficialIds(valid));
}

// The code-table file of a national dictionary version, with long or short texts.
struct CodeTables {
    CodeTables(const char* version, bool shortTexts) {
        auto herd = std::make_shared<clsAdisDataDict>();
        EXPECT_TRUE(modMirelCom::BuildHerdDictionary(*herd, "VANTOR20"));
        EXPECT_TRUE(BuildNationalDict(national, version));
        file.DataDict = herd;
        collections = AddCodeTableEvents(file, national, shortTexts);
    }
    std::vector<std::string> Lines(std::int32_t eventNo) const {
        std::vector<std::string> lines;
        for (const auto& line : *file.DataEvents.ItemOf(eventNo)->DataLines()) {
            std::string text = line->Key.Text();
            line->ItemValues.ForEachValue([&](std::int32_t, const AdisValue& value) {
                text.append(1, '|').append(AdisValues::KeyText(value));
            });
            lines.push_back(text);
        }
        return lines;
    }
    clsAdisDataDict national;
    clsAdisDataFile file;
    LookupCollections collections;
};

TEST(InitNationalLookups, TheCodeTablesOfEachVersion) {
    const CodeTables old("ZIRAZ19 ", false);
    std::vector<std::string> events;
    for (const auto& event : old.file.DataEvents)
        events.push_back(event->Key);
    EXPECT_THAT(events, ElementsAre("390055", "303078", "303079", "303080", "303081", "303082",
                                    "303083", "303084", "303087", "303093"));
    EXPECT_THAT(old.Lines(390055), ElementsAre("2|2"));
    EXPECT_THAT(old.Lines(303078), ElementsAre("Null|Null|Null"));
    const auto reasons = old.Lines(303084);
    EXPECT_THAT(std::vector(reasons.begin(), reasons.begin() + 3),
                ElementsAre("6#1|1|01 Såld till liv|6", "7#1|1|01 Såld till liv|7",
                            "8#1|1|01 Såld till liv|8"));
    EXPECT_EQ(reasons.size(), 93u);
    EXPECT_EQ(old.collections.at(14), "'1', '2', '3', '4', '8', '9'");

    const CodeTables current("ZIRAZ22 ", true);
    EXPECT_EQ(current.Lines(303083).front(), "1|1|01");
    const auto currentReasons = current.Lines(303084);
    EXPECT_EQ(std::count_if(currentReasons.begin(), currentReasons.end(),
                            [](const std::string& line) { return line.find("|46|") != line.npos; }),
              1);
    EXPECT_EQ(currentReasons.back(), "8#46|46|46|8");
    const std::string cullReasons = current.collections.at(19);
    EXPECT_EQ(std::count(cullReasons.begin(), cullReasons.end(), ',') + 1, 27);
    EXPECT_EQ(current.collections.at(75).substr(0, 10), "'2', '4', ");
}

TEST(InitNationalLookups, TheStatementsHideAndShowTheNationalCollections) {
    const std::string head =
        "DECLARE @CurrentAppVersion NVARCHAR(100) SET @CurrentAppVersion = (SELECT TOP 1 "
        "CurrentAppVersion FROM DatabaseInfo) IF (LEFT(@CurrentAppVersion, 6) >= '2009.2') UPDATE "
        "TextLookupItem SET IsHidden = ";
    EXPECT_EQ(HideLookupsSql(),
              head + "'1' WHERE CodeSet = (SELECT TOP 1 OID FROM CodeSet WHERE CodeSetID = 2) AND "
                     "Collection IN (6, 14, 19, 73, 75, 78, 79)");
    EXPECT_EQ(ShowLookupsSql({{79, "'1'"}, {6, "'1', '2'"}, {14, ""}}),
              head + "'0' WHERE CodeSet = (SELECT TOP 1 OID FROM CodeSet WHERE CodeSetID = 2) AND "
                     "((Collection = 6 AND ItemCode IN ('1', '2')) OR (Collection = 79 AND "
                     "ItemCode IN ('1')))");
    EXPECT_EQ(ShowLookupsSql({}), "");
}

} // namespace
