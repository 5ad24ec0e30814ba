#include "common/KeyedCollection.h"

#include <gtest/gtest.h>

namespace {
struct Element {
    std::string Key;
    int value = 0;
};
std::shared_ptr<Element> Make(std::string key, int value = 0) {
    return std::make_shared<Element>(Element{std::move(key), value});
}
std::string Keys(const KeyedCollection<Element>& c) {
    std::string keys;
    for (const auto& e : c)
        keys += e->Key;
    return keys;
}
} // namespace

TEST(KeyedCollection, KeepsInsertionOrderAndFindsByKeyAndPosition) {
    KeyedCollection<Element> c;
    c.Add(Make("b", 1));
    c.Add(Make("a", 2));
    c.Add(Make("c", 3), "a");     // before a
    c.Add(Make("d", 4), {}, "b"); // after b
    EXPECT_EQ(Keys(c), "bdca");
    EXPECT_EQ(c.Item("a")->value, 2);
    EXPECT_EQ(c.Item(1)->Key, "b");
    EXPECT_EQ(c.Item(4)->Key, "a");
    EXPECT_EQ(c.Item(0), nullptr);
    EXPECT_EQ(c.Item(5), nullptr);
    EXPECT_EQ(c.Item("x"), nullptr);
    EXPECT_FALSE(c.Exists("x"));
    EXPECT_TRUE(c.Exists(2));
}

TEST(KeyedCollection, DuplicatesAndAbsentKeysFollowTheirRules) {
    KeyedCollection<Element> c;
    c.Add(Make("a", 1));
    EXPECT_THROW(c.Add(Make("a", 2)), LinkError);
    EXPECT_EQ(c.AddIfAbsent(Make("a", 3)), nullptr);
    EXPECT_EQ(c.Count(), 1);
    EXPECT_EQ(c.Item("a")->value, 1);
    EXPECT_THROW(c.Remove("x"), LinkError);
    EXPECT_THROW(c.Remove(2), LinkError);
    EXPECT_THROW(c.Add(Make("b"), "missing"), LinkError);
}

TEST(KeyedCollection, RemoveKeepsPositionsAndKeysConsistent) {
    KeyedCollection<Element> c;
    for (const char* k : {"a", "b", "c", "d"})
        c.Add(Make(k));
    c.Remove("b");
    c.Remove(1);
    EXPECT_EQ(Keys(c), "cd");
    EXPECT_EQ(c.Item("d"), c.Item(2));
    c.Add(Make("b"), "c");
    EXPECT_EQ(Keys(c), "bcd");
    EXPECT_EQ(c.Item("d"), c.Item(3));
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_FALSE(c.Exists("c"));
}

std::string NumberedKey(int i) {
    return std::string("k").append(std::to_string(i));
}

TEST(KeyedCollection, ManyKeysStayFoundThroughGrowthAndRemovals) {
    // Enough keys for the index to grow many times and for probe runs to form;
    // removing the last element frees its index entry alone, removing another
    // renumbers the rest.
    KeyedCollection<Element> c;
    constexpr int kCount = 5000;
    for (int i = 0; i < kCount; ++i)
        c.Add(Make(NumberedKey(i), i));
    for (int i = kCount - 1; i >= kCount - 1000; --i)
        c.Remove(NumberedKey(i));
    for (int i = 0; i < 100; ++i)
        c.Remove(NumberedKey(i * 7));
    c.Add(Make("first"), "k1");
    EXPECT_EQ(c.Count(), kCount - 1000 - 100 + 1);
    EXPECT_EQ(c.Item(1)->Key, "first");
    for (int i = 0; i < kCount; ++i) {
        const bool kept = i < kCount - 1000 && !(i % 7 == 0 && i < 700);
        const auto found = c.Item(NumberedKey(i));
        ASSERT_EQ(found != nullptr, kept) << i;
        if (kept) {
            EXPECT_EQ(found->value, i);
        }
    }
    long position = 1;
    for (const auto& e : c)
        EXPECT_EQ(c.Item(e->Key), c.Item(position++));
}
