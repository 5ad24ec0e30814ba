#include "common/KeyTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {
// Keys indexed by their position, with hashes the test chooses.
struct Keys {
    std::vector<std::string> text;
    std::vector<std::uint32_t> hash;

    auto KeyAt() const {
        return [this](std::uint32_t position) -> std::string_view { return text[position]; };
    }
    bool Found(const KeyTable& table, std::size_t position) const {
        const std::size_t entry = table.Find(text[position], hash[position], KeyAt());
        return entry != KeyTable::kNoEntry && table.PositionAt(entry) == position;
    }
};

Keys MakeKeys(std::size_t count, const std::function<std::uint32_t(std::size_t)>& hashOf) {
    Keys keys;
    for (std::size_t i = 0; i < count; ++i) {
        keys.text.push_back(std::string("key").append(std::to_string(i)));
        keys.hash.push_back(hashOf(i));
    }
    return keys;
}

// Adds every key, refuses each again, erases every third and checks that the
// rest are found, also in a copy and after a move.
void ExerciseTable(const Keys& keys) {
    KeyTable table;
    const std::size_t count = keys.text.size();
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry =
            table.FreeEntryUnlessPresent(keys.text[i], keys.hash[i], keys.KeyAt());
        ASSERT_NE(entry, KeyTable::kNoEntry) << i;
        table.Put(entry, static_cast<std::uint32_t>(i), keys.hash[i]);
    }
    ASSERT_EQ(table.Count(), count);
    for (std::size_t i = 0; i < count; ++i) {
        ASSERT_TRUE(keys.Found(table, i)) << i;
        ASSERT_EQ(table.FreeEntryUnlessPresent(keys.text[i], keys.hash[i], keys.KeyAt()),
                  KeyTable::kNoEntry)
            << i;
    }
    for (std::size_t i = 0; i < count; i += 3)
        table.Erase(table.Find(keys.text[i], keys.hash[i], keys.KeyAt()));
    const KeyTable copy = table;
    const KeyTable moved = std::move(table);
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_FALSE(keys.Found(table, 1));
    for (const KeyTable* kept : {&copy, &moved}) {
        EXPECT_EQ(kept->Count(), count - (count + 2) / 3);
        for (std::size_t i = 0; i < count; ++i)
            ASSERT_EQ(keys.Found(*kept, i), i % 3 != 0) << i;
    }
}
} // namespace

TEST(KeyTable, KeysStayFoundAsPagesSplitAndAfterErasing) {
    // Enough keys for many pages, and a directory that doubles several times.
    const Keys keys = MakeKeys(60000, [](std::size_t i) {
        return KeyTable::HashOf(std::string("key").append(std::to_string(i)));
    });
    ExerciseTable(keys);
}

TEST(KeyTable, KeysThatASplitCannotTellApartStayFound) {
    // Hashes that share their leading bits (as a sender could choose them) go to
    // one page, which then grows instead of splitting; identical hashes too;
    // and leading bits that share the keys out very unevenly.
    ExerciseTable(MakeKeys(
        5000, [](std::size_t i) { return 0xABCDE000u | static_cast<std::uint32_t>(i & 0xFFF); }));
    ExerciseTable(MakeKeys(1500, [](std::size_t) { return 0x12345678u; }));
    ExerciseTable(MakeKeys(20000, [](std::size_t i) {
        const std::uint32_t low = static_cast<std::uint32_t>(i * 2654435761u) >> 8;
        return i % 20 == 0 ? 0x80000000u | low : low & 0x00FFFFFFu;
    }));
}
