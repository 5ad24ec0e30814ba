#include "adis/clsAdisDataEvent.h"
#include "adis/clsAdisSearchItems.h"
#include "adis/modADIS.h"
#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

#include <random>

// Lines of random bytes and of damaged real lines go through every parser; none
// may crash or raise (the sanitizer build checks for undefined behaviour too).
TEST(RandomInput, ParsersNeverCrashOrRaise) {
    clsAdisDataDict dict;
    dict.AddEventKeyDDNo(55043, {900080});
    dict.AddEventItem(55043, nullptr, 900080, 3, 4, 0);
    dict.AddEventItem(55043, nullptr, 900070, 0, 3, 1);
    dict.AddEventItem(55043, nullptr, 900054, 1, 8, 0);
    dict.AddEventItem(55043, nullptr, 900078, 2, 6, 0);
    const std::string defLine = "DN0550430090008004000900070031009000540800090007806099";
    const std::string valueLine = "VN055043SE1 12320070303235959";
    const std::string searchLine = "SN05504300900070031  1999   100";
    static const char kAlphabet[] = "0123456789 |?-+.#DVSNab\xc3\xb6\xff\x80";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);

    std::mt19937 random(12345);
    auto mutate = [&](std::string line) {
        const int edits = static_cast<int>(random() % 4);
        for (int i = 0; i < edits && !line.empty(); ++i) {
            const std::size_t at = random() % line.size();
            switch (random() % 3) {
            case 0:
                line[at] = alphabet[random() % alphabet.size()];
                break;
            case 1:
                line.erase(at, 1 + random() % 3);
                break;
            default:
                line.insert(at, 1, alphabet[random() % alphabet.size()]);
            }
        }
        return line;
    };

    auto lines = std::make_shared<clsAdisDataLines>();
    for (int round = 0; round < 20000; ++round) {
        const std::string def = mutate(defLine);
        EXPECT_NO_THROW({
            clsAdisDataEvent parsed;
            if (parsed.AddDefLineItems(dict, def)) {
                (void)parsed.GetValueLineLength();
                lines->AddItemEx(dict.Events(), *parsed.Items(), def, mutate(valueLine));
            }
            modADIS::ParseSearchLine(mutate(searchLine), dict.Items());
            clsAdisEvent request;
            request.AddReqLineItems(dict, def);
            request.AddSearchLineItems(dict, mutate(searchLine));
            (void)request.Items(); // made when first asked for
            (void)request.SearchItems();
        });
    }
    // Every stored line can be written with any items, whatever it holds.
    for (const auto& line : *lines)
        EXPECT_NO_THROW(line->LineString(dict.Items()));
}
