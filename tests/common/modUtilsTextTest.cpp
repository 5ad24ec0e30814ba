#include "common/modUtils.h"

#include <gtest/gtest.h>

using namespace modUtils;
using Strings = std::vector<std::string>;

TEST(SplitArgs, FollowsTheSwitchRules) {
    struct Case {
        std::string commandLine;
        Strings args; // element 0 included
    } cases[] = {
        {"-f C:\\in.dat -o C:\\out.dat", {"", "f C:\\in.dat ", "o C:\\out.dat"}},
        {"/s mirel_dd", {"", "s mirel_dd"}},
        {" -f x", {"", " ", "f x"}},
        {"--//-", {""}},
        {"-a-b-c-d-e-f-g-h-i-j-k-l", {"", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}},
        {"-f C:\\my-files\\in.dat", {"", "f C:\\my", "files\\in.dat"}},
    };
    for (const auto& c : cases) {
        Strings args{"stale"};
        EXPECT_EQ(SplitArgs(args, c.commandLine), static_cast<long>(c.args.size() - 1))
            << c.commandLine;
        EXPECT_EQ(args, c.args) << c.commandLine;
    }
}

TEST(SplitArgs, AnEmptyCommandLineMeansTheProgramsOwn) {
    Strings args;
    SetProgramCommandLine("");
    EXPECT_EQ(SplitArgs(args, ""), 0);
    EXPECT_EQ(args, Strings{""});
    SetProgramCommandLine("-d Herd");
    EXPECT_EQ(SplitArgs(args, ""), 1);
    EXPECT_EQ(args, (Strings{"", "d Herd"}));
    SetProgramCommandLine("");
}

TEST(FormatStr, ReplacesPlaceholdersFromTheLeft) {
    EXPECT_EQ(FormatStr("Cow %x with id: '%x'", 12, "SE-1"), "Cow 12 with id: 'SE-1'");
    EXPECT_EQ(FormatStr("%x and %x", std::string("one")), "one and %x");
    EXPECT_EQ(FormatStr("no placeholder", 1, 2), "no placeholder");
    EXPECT_EQ(FormatStr("%x%x|%x", "%x", 2.5, -7L), "%x2.5|-7");
    EXPECT_EQ(FormatStr("%x %x", 0.1, 1e20), "0.1 1e+20");
    EXPECT_EQ(FormatStr("end %"), "end %");
}

TEST(Padding, CountsCharactersAndCutsLongerTexts) {
    EXPECT_EQ(PadLeftTo("abc", 5), "  abc");
    EXPECT_EQ(PadLeftTo("abcdef", 3), "abc");
    EXPECT_EQ(PadRightTo("Dödfödd", 9), "Dödfödd  ");
    EXPECT_EQ(PadRightTo("Dödfödd", 2), "Dö");
    EXPECT_EQ(ZeroPadTo("7", 2), "07");
    EXPECT_EQ(ZeroPadTo("123", 2), "12");
    EXPECT_EQ(PadLeftTo("abc", 0), "");
    EXPECT_EQ(PadLeftTo("abc", -1), "");
}

TEST(SplitToCollection, SplitsTrimsAndDropsEmptyPieces) {
    struct Case {
        std::string text;
        std::string delimiter;
        bool upper, trim, removeEmpty;
        Strings pieces;
    } cases[] = {
        {"a,b,c", ",", false, false, false, {"a", "b", "c"}},
        {",a,,b,", ",", false, false, false, {"a", "", "b"}},
        {",a,,b,", ",", false, false, true, {"a", "b"}},
        {" a ; b ;", ";", false, true, false, {"a", "b"}},
        {"ko;kvåga", ";", true, false, false, {"KO", "KVÅGA"}},
        {"a<>b", "<>", false, false, false, {"a", "b"}},
        {"", ",", false, false, false, {}},
    };
    for (const auto& c : cases) {
        Strings pieces{"stale"};
        EXPECT_EQ(SplitToCollection(c.text, pieces, c.delimiter, c.upper, c.trim, c.removeEmpty),
                  static_cast<long>(c.pieces.size()))
            << c.text;
        EXPECT_EQ(pieces, c.pieces) << c.text;
    }
}

TEST(Paths, AddBackslashAddsOneSeparator) {
    const std::string sep(1, PathSeparator);
    EXPECT_EQ(AddBackslash(""), "");
    EXPECT_EQ(AddBackslash("dir"), "dir" + sep);
    EXPECT_EQ(AddBackslash("dir" + sep), "dir" + sep);
    EXPECT_EQ(AddBackslash("dir/"), "dir/");
}

TEST(Version, TextsFollowTheProgramVersion) {
    EXPECT_EQ(VersionText(4), "2.04");
    EXPECT_EQ(CompactVersionText(4), "204");
    EXPECT_EQ(VersionText(12), "2.012");
}
