#include "adis/clsMessages.h"
#include "adis/modADISFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(Messages, KeepOrderAndTextsWhetherStoredOnceOrNot) {
    clsMessages messages;
    messages.AddLine(modADIS::ErrorPrefix, 7, " Same text");
    messages.Add("a message as it stands");
    messages.AddLine(modADIS::NotePrefix, 8, " Same text"); // same text, other prefix
    messages.AddLine(modADIS::ErrorPrefix, 123456, " Same text");
    messages.AddLine(modADIS::ErrorPrefix, 9, " Other text");
    messages.AddLine(modADIS::ErrorPrefix, 10, " Same text");
    const std::vector<std::string> expected{
        "  Error in line:     7 Same text",  "a message as it stands",
        "   Note in line:     8 Same text",  "  Error in line: 123456 Same text",
        "  Error in line:     9 Other text", "  Error in line:    10 Same text"};
    EXPECT_EQ(std::vector<std::string>(messages.begin(), messages.end()), expected);
    ASSERT_EQ(messages.Count(), 6);
    EXPECT_EQ(messages.Item(4), expected[3]);
    EXPECT_EQ(messages.Item(0), "");
    EXPECT_EQ(messages.Item(7), "");

    messages.Clear();
    EXPECT_EQ(messages.Count(), 0);
    EXPECT_EQ(messages.begin(), messages.end());
    messages.AddLine(modADIS::WarningPrefix, 1, " after clearing");
    EXPECT_EQ(messages.Item(1), "Warning in line:     1 after clearing");
}

TEST(Messages, LongTextsAndManyDistinctTextsSpanBlocks) {
    clsMessages messages;
    const std::string longText(100000, 'x');
    messages.Add(longText);
    for (int i = 0; i < 20000; ++i)
        messages.AddLine(modADIS::WarningPrefix, i,
                         " Unknown DD-number <" + std::to_string(i) + ">");
    messages.Add("last");
    ASSERT_EQ(messages.Count(), 20002);
    EXPECT_EQ(messages.Item(1), longText);
    EXPECT_EQ(messages.Item(20001), "Warning in line: 19999 Unknown DD-number <19999>");
    EXPECT_EQ(messages.Item(20002), "last");
}
