// herd-iso-sim as the herd side the national functions need: a demo herd that
// does not contradict itself, imports that keep the herd consistent, its own
// name in its answers, and the day it was made for.
#include "CliWorld.h"
#include "HerdDbRows.h"

#include "adis/clsAdisDataFile.h"
#include "adis/modADISFiles.h"
#include "dictionary/clsAdisDataDict.h"
#include "exchange/ExchangeShared.h"
#include "exchange/HerdDictionary.h"

#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::StartsWith;

namespace {

class HerdSim : public CliWorld {
protected:
    void SetUp() override {
        ASSERT_EQ(
            modUtils::RunProgramAndWait(
                {kSimulator, "--init", File("herd.db"), "--demo", "--today", "2026-11-30"}, 5),
            0);
        ASSERT_TRUE(modMirelCom::BuildHerdDictionary(*herd, "VANTOR20"));
    }
    std::vector<std::string> Rows(const std::string& sql) const {
        return HerdDbRows(File("herd.db"), sql);
    }
    // The herd side's answer to a file of the herd dictionary's events.
    clsAdisDataFile Run(clsAdisDataFile& file) {
        EXPECT_TRUE(file.WriteData(nullptr, File("in.dat")));
        EXPECT_EQ(modUtils::RunProgramAndWait({kSimulator, "-f", File("in.dat"), "-o",
                                               File("out.dat"), "-l", File("sim.log")},
                                              5),
                  0);
        clsAdisDataFile answer;
        clsMessages messages;
        EXPECT_TRUE(answer.Read(File("out.dat"), messages, file.DataDict, nullptr, false, true));
        return answer;
    }
    std::vector<std::string> Log() const {
        std::vector<std::string> lines;
        modUtils::SplitToCollection(FileBytes(File("sim.log")), lines, "\r\n", false, false, true);
        return lines;
    }
    std::shared_ptr<clsAdisDataDict> herd = std::make_shared<clsAdisDataDict>();
};

TEST_F(HerdSim, TheDemoHerdDoesNotContradictItself) {
    EXPECT_THAT(Rows("SELECT COUNT(*) FROM animal_events e JOIN animals a USING (animal_no) "
                     "WHERE e.event_date > a.exit_date OR e.event_date < a.birth_date"),
                ElementsAre("0"));
    // Every animal whose mother is in the herd was born at one of her calvings,
    // recorded with its number, when she was two years old or more.
    const std::string withMother = "FROM animals c JOIN animals m ON m.official_id = c.mother_id ";
    EXPECT_THAT(Rows("SELECT COUNT(*), SUM(c.animal_no BETWEEN 201 AND 212) " + withMother),
                ElementsAre("29|12"));
    EXPECT_THAT(Rows("SELECT COUNT(*) " + withMother +
                     "WHERE julianday(c.birth_date) - julianday(m.birth_date) < 700 OR NOT "
                     "EXISTS (SELECT 1 FROM animal_events e WHERE e.animal_no = m.animal_no AND "
                     "e.kind = 3 AND e.event_date = c.birth_date AND e.number = c.animal_no)"),
                ElementsAre("0"));
    EXPECT_THAT(Rows("SELECT COUNT(*) FROM animals WHERE exit_date < last_calving"),
                ElementsAre("0"));
    // The identity faults the check reports (HerdSide) lie on animals without events.
    EXPECT_THAT(Rows("SELECT COUNT(*) FROM animal_events WHERE animal_no IN (202, 203, 204, 401)"),
                ElementsAre("0"));
}

TEST_F(HerdSim, ImportsStoreARepeatedIdentityAndNeverRenumberAnAnimal) {
    clsAdisDataFile file;
    file.DataDict = herd;
    for (const std::int32_t ddNo : {303910, 300348, 300003})
        file.AddDataEventItem(390001, ddNo);
    for (const std::int32_t ddNo : {300001, 300348, 351150})
        file.AddDataEventItem(390002, ddNo);
    const auto add = [&](std::int32_t eventNo, const std::string& key,
                         std::vector<AdisValue> values) {
        const auto event = file.DataEvents.ItemOf(eventNo);
        clsAdisItemValues itemValues;
        for (std::size_t i = 0; i < values.size(); ++i)
            itemValues.AddItem(event->Items()->Item(static_cast<long>(i + 1))->DDNo, values[i]);
        event->DataLines()->AddItem(key, "V", "N", eventNo, std::move(itemValues));
    };
    // Cow 101 is SE-345612-4737.
    add(390001, "1",
        {AdisValues::Number(501), AdisValues::Text("SE-345612-4737"), AdisValues::Number(2)});
    add(390001, "2",
        {AdisValues::Number(502), AdisValues::Text("SE-345612-0502"), AdisValues::Number(2)});
    add(390002, "1",
        {AdisValues::Number(999999), AdisValues::Text("SE-345612-4737"), AdisValues::Text("Ny")});
    add(390002, "2",
        {AdisValues::Number(502), AdisValues::Text("SE-345612-0502"), AdisValues::Text("Nova")});
    const clsAdisDataFile answer = Run(file);
    EXPECT_EQ(answer.DataEvents.Count(), 0);
    EXPECT_THAT(Log(), Contains(StartsWith("Warning: Animal 501 gets the identity of animal 101")));
    EXPECT_THAT(Log(),
                Contains(StartsWith("  Error: Animal number 999999 clashes with animal 101")));
    EXPECT_THAT(Rows("SELECT animal_no, official_id, name FROM animals WHERE animal_no IN "
                     "(101, 501, 502, 999999) ORDER BY animal_no"),
                ElementsAre("101|SE-345612-4737|Rosa", "501|SE-345612-4737|<null>",
                            "502|SE-345612-0502|Nova"));
    EXPECT_THAT(Rows("SELECT COUNT(*) > 0 FROM milkings WHERE animal_no = 101"), ElementsAre("1"));
}

TEST_F(HerdSim, AnswersNameTheHerdSideAndItsDay) {
    clsAdisEvents request;
    auto items = std::make_shared<clsAdisItems>();
    for (const std::int32_t ddNo : {308503, 308504, 308505})
        items->Add(herd->Items().ItemOf(ddNo));
    request.AddItem(0, nullptr, 0, items);
    ASSERT_TRUE(modADIS::WriteRequestFile(request, File("in.dat"), *herd, "2000", "", "VANTOR20"));
    ASSERT_EQ(
        modUtils::RunProgramAndWait(
            {kSimulator, "-f", File("in.dat"), "-o", File("out.dat"), "-l", File("sim.log")}, 5),
        0);
    clsAdisDataFile answer;
    clsMessages messages;
    ASSERT_TRUE(answer.Read(File("out.dat"), messages, herd, &request, false, true));
    EXPECT_THAT(answer.Sender(), StartsWith("herd-iso-sim "));
    const auto day = answer.DataEvents.Item("000000")->DataLines()->Item(1L);
    ASSERT_TRUE(day);
    EXPECT_EQ(AdisValues::ToText(*day->ItemValues.ValueOf(308503)), "2026-11-30");
}

} // namespace
