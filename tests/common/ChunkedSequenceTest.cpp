#include "common/ChunkedSequence.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {
std::vector<int> Values(const ChunkedSequence<int>& sequence) {
    std::vector<int> values;
    sequence.ForEach([&values](int value) { values.push_back(value); });
    return values;
}
} // namespace

// Random inserts, removals and copies across several chunks keep the same
// values in the same order as a vector, read by position or ForEach; shrinking
// back under one chunk and growing again stays consistent.
TEST(ChunkedSequence, BehavesAsAVectorAcrossChunks) {
    constexpr int kChunk = static_cast<int>(ChunkedSequence<int>::kChunk);
    ChunkedSequence<int> sequence;
    std::vector<int> expected;
    std::mt19937 random(7);
    int next = 0;
    const auto check = [&](const ChunkedSequence<int>& s) {
        ASSERT_EQ(s.size(), expected.size());
        ASSERT_EQ(Values(s), expected);
        for (std::size_t i = 0; i < expected.size(); i += 97)
            ASSERT_EQ(s[i], expected[i]) << i;
    };
    for (int round = 0; round < 3; ++round) {
        while (expected.size() < static_cast<std::size_t>(3 * kChunk + 5)) {
            const int value = next++;
            if (random() % 50 == 0 && !expected.empty()) {
                const std::size_t at = random() % expected.size();
                sequence.insert_at(at, value);
                expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(at), value);
            } else {
                sequence.push_back(value);
                expected.push_back(value);
            }
        }
        check(sequence);
        const ChunkedSequence<int> copy = sequence;
        check(copy);
        while (expected.size() > static_cast<std::size_t>(kChunk / 2)) {
            if (random() % 50 == 0) {
                const std::size_t at = random() % expected.size();
                sequence.erase_at(at);
                expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(at));
            } else {
                sequence.pop_back();
                expected.pop_back();
            }
            if (expected.size() == static_cast<std::size_t>(kChunk) ||
                expected.size() == static_cast<std::size_t>(kChunk + 1))
                check(sequence);
        }
        check(sequence);
    }
    const ChunkedSequence<int> moved = std::move(sequence);
    check(moved);
    EXPECT_TRUE(sequence.empty()); // and usable again
    sequence.push_back(1);
    EXPECT_EQ(Values(sequence), std::vector<int>{1});
    sequence.clear();
    EXPECT_TRUE(sequence.empty());
}
