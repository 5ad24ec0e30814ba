#include "AdisTestFiles.h"
#include "adis/clsAdisDataLines.h"
#include "adis/modADIS.h"
#include "common/LinkError.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Keys(const clsAdisDataLines& lines) {
    std::vector<std::string> keys;
    for (const auto& line : lines)
        keys.emplace_back(line->Key);
    return keys;
}

std::string Key(int i) {
    return std::string(1, 'k').append(std::to_string(i));
}

} // namespace

TEST(DataLinesCollection, KeepsOrderAndIndexThroughInsertsAndRemovals) {
    clsAdisDataLines lines;
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(lines.AddItem(Key(i), "V", "N", 1));
    EXPECT_FALSE(lines.AddItem("k5", "V", "N", 1));
    auto extra = std::make_shared<clsAdisDataLine>("before-k1");
    lines.Add(extra, "k1");
    auto after = std::make_shared<clsAdisDataLine>("after-k1");
    lines.Add(after, {}, "k1");
    EXPECT_EQ(Keys(lines)[1], "before-k1");
    EXPECT_EQ(Keys(lines)[3], "after-k1");
    EXPECT_THROW(lines.Add(extra), LinkError);
    EXPECT_THROW(lines.Add(std::make_shared<clsAdisDataLine>(), "absent"), LinkError);

    lines.Remove("k0");
    lines.Remove(1L);
    EXPECT_THROW(lines.Remove("k0"), LinkError);
    EXPECT_THROW(lines.Remove(1000L), LinkError);
    EXPECT_EQ(lines.Count(), 100);
    EXPECT_EQ(lines.Item(1)->Key, "k1");
    for (int i = 1; i < 100; ++i)
        EXPECT_EQ(lines.Item(Key(i))->Key, Key(i));
    EXPECT_TRUE(lines.Exists("after-k1"));
    EXPECT_FALSE(lines.Item(0));
    // Inserting in front many times grows the index like appending does.
    for (int i = 0; i < 300; ++i) {
        auto front =
            std::make_shared<clsAdisDataLine>(std::string("front").append(std::to_string(i)));
        lines.Add(front, lines.Item(1)->Key);
    }
    EXPECT_EQ(lines.Item(1)->Key, "front299");
    EXPECT_FALSE(lines.Exists("absent"));

    lines.Clear();
    EXPECT_FALSE(lines.Exists("k1"));
    EXPECT_TRUE(lines.AddItem("k1", "V", "N", 1));
}

// Every line re-keyed in place, some to keys other lines still hold.
TEST(DataLinesCollection, ChangeKeyKeepsPlaceAndIndex) {
    clsAdisDataLines lines;
    constexpr int kLines = 2000;
    for (int i = 0; i < kLines; ++i)
        lines.AddItem(Key(i), "V", "N", 1);
    EXPECT_FALSE(lines.ChangeKey("absent", "new"));
    EXPECT_FALSE(lines.ChangeKey(Key(1), Key(2))); // the new key is taken
    EXPECT_FALSE(lines.ChangeKey(Key(1), Key(1)));
    const auto kept = lines.Item(Key(7));
    for (int i = kLines - 1; i >= 0; --i) // to i + 1: the higher key was moved first
        ASSERT_TRUE(lines.ChangeKey(Key(i), Key(i + 1))) << i;
    EXPECT_EQ(kept->Key, Key(8));
    EXPECT_EQ(lines.Item(8L), kept);
    EXPECT_FALSE(lines.Exists(Key(0)));
    for (int i = 1; i <= kLines; ++i) {
        const auto line = lines.Item(Key(i));
        ASSERT_TRUE(line) << i;
        EXPECT_EQ(line, lines.Item(static_cast<long>(i)));
    }
    EXPECT_TRUE(lines.AddItem(Key(0), "V", "N", 1));
    EXPECT_FALSE(lines.AddItem(Key(kLines), "V", "N", 1));
}

// A handle keeps its pooled line valid after removal, clearing, or the end of
// its collection, also when the line was added to another collection.
TEST(DataLinesCollection, HandlesKeepTheirLines) {
    auto source = std::make_unique<clsAdisDataLines>();
    const auto kept = source->AddItem(
        "kept", "V", "N", 1,
        ValuesOf({{900080, AdisValues::Text("a long text that is not kept inline")}}));
    const auto removed = source->AddItem("removed", "V", "N", 1);
    source->Remove("removed");
    clsAdisDataLines other;
    other.Add(source->Item("kept"));
    EXPECT_THROW(other.Add(source->Item("kept")), LinkError);
    source.reset();
    EXPECT_EQ(removed->Key, "removed");
    EXPECT_EQ(kept->ItemValues.ValueOf(900080),
              AdisValue(std::string("a long text that is not kept inline")));
    EXPECT_EQ(other.Item("kept"), kept);
    EXPECT_EQ(*other.begin(), kept);
    other.Clear();
    EXPECT_EQ(kept->Key, "kept");

    // A copy of a line has storage of its own.
    clsAdisDataLine copy(*kept);
    copy.ItemValues.SetValue(900080, AdisValues::Text("changed"));
    EXPECT_EQ(kept->ItemValues.ValueOf(900080),
              AdisValue(std::string("a long text that is not kept inline")));
    EXPECT_EQ(copy.Key, "kept");
}

// The values of a pooled line grow into storage of their own on change.
TEST(DataLinesCollection, ValuesOfAPooledLineGrow) {
    clsAdisDataLines lines;
    clsAdisItemValues values;
    values.AddItem(1, AdisValues::Text("ab"));
    values.AddItem(2, AdisValues::Number(5));
    const auto line = lines.AddItem("k", "V", "N", 1, std::move(values));
    EXPECT_EQ(values.Count(), 0); // taken over
    auto& stored = line->ItemValues;
    EXPECT_TRUE(stored.SetValue(1, AdisValues::Text("a much longer text than before")));
    EXPECT_TRUE(stored.AddItem(3, *AdisDate::Make(2024, 2, 29)));
    stored.Add(clsAdisItemValue{"", 4, AdisValues::Text("first")}, "1");
    EXPECT_TRUE(stored.SetValue(2, AdisValues::Text("now a text")));
    stored.Remove("3");
    std::vector<std::string> texts;
    for (const auto& value : stored)
        texts.push_back(value.Key + "=" + AdisValues::KeyText(value.Value));
    EXPECT_EQ(texts, (std::vector<std::string>{"4=first", "1=a much longer text than before",
                                               "2=now a text"}));
}

// A few lines are kept without an index, and lines numbered in arrival order
// are indexed only when a key is asked for: keys stay unique and found either
// way, also when lines added in code hold such numbers.
TEST(DataLinesCollection, FewLinesAndNumberedLinesStayUniqueAndFound) {
    clsAdisDataDict dict;
    dict.AddEventItem(55503, nullptr, 900080, modADIS::TypeText, 1, 0); // no key items
    clsAdisItems items;
    items.AddItem(900080, modADIS::TypeText, 1, 0);
    const std::string def = "DN05550300900080010";
    const auto read = [&](clsAdisDataLines& lines) {
        return lines.AddItemEx(dict.Events(), items, def, "VN055503x");
    };

    clsAdisDataLines few;
    ASSERT_TRUE(few.AddItem("#1", "V", "N", 1));
    EXPECT_EQ(read(few)->Key, "#2"); // "#1" is taken
    few.Add(std::make_shared<clsAdisDataLine>("#3"), "#1");
    EXPECT_EQ(read(few)->Key, "#4");
    EXPECT_TRUE(few.ChangeKey("#3", "#5"));
    EXPECT_FALSE(few.AddItem("#4", "V", "N", 1));
    few.Remove("#1");
    EXPECT_EQ(read(few)->Key, "#6");
    EXPECT_EQ(Keys(few), (std::vector<std::string>{"#5", "#2", "#4", "#6"}));
    for (int i = 0; i < 10; ++i) // past the few kept without an index
        ASSERT_TRUE(few.AddItem(Key(i), "V", "N", 1));
    EXPECT_EQ(few.Item(2L)->Key, "#2");
    EXPECT_TRUE(few.Exists("#6") && few.Exists(Key(9)) && !few.Exists("#1"));

    clsAdisDataLines numbered;
    constexpr int kLines = 5000;
    for (int i = 1; i <= kLines; ++i)
        ASSERT_TRUE(read(numbered));
    EXPECT_EQ(numbered.Item("#4097"), numbered.Item(4097L));
    numbered.Remove("#1");
    EXPECT_FALSE(numbered.AddItem("#5000", "V", "N", 1));
    ASSERT_TRUE(numbered.AddItem("#5001", "V", "N", 1));
    EXPECT_EQ(read(numbered)->Key, "#5002");
    for (int i = 2; i <= kLines + 2; ++i)
        ASSERT_EQ(numbered.Item("#" + std::to_string(i))->Key, "#" + std::to_string(i));
    EXPECT_EQ(numbered.Count(), kLines + 1);
}
