// The machine-wide keys of the 32-bit programs this one works with lie in the
// registry's 32-bit view on 64-bit Windows; the program reads and writes there.
#include "common/modUtils.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace modUtils;

namespace {

// Runs Windows' own reg.exe on the given view ("/reg:32" or "/reg:64"); its exit
// code (0 when done or found). Under Wine on a loaded machine reg.exe now and then
// fails to start or report (-1); that is tried again, as it says nothing of the
// registry.
int Reg(std::vector<std::string> args, const char* view) {
    args.insert(args.begin(), "reg");
    args.push_back(view);
    if (args[1] != "query")
        args.push_back("/f");
    int code = -1;
    for (int attempt = 0; attempt < 3 && code == -1; ++attempt)
        code = RunProgramAndWait(args, 1);
    return code;
}

} // namespace

TEST(RegistryView, MachineKeysAreThoseOfThe32BitView) {
    std::random_device random;
    const std::string key = "Software\\Kestrom\\VantorLinkViewTest" + std::to_string(random());
    const std::string fullKey = "HKLM\\" + key;
    ASSERT_EQ(Reg({"add", fullKey, "/v", "Version", "/d", "5.5"}, "/reg:32"), 0);
    ASSERT_EQ(Reg({"add", fullKey, "/v", "Only64", "/d", "x"}, "/reg:64"), 0);

    std::string text;
    EXPECT_TRUE(RegReadString(text, RegRoot::LocalMachine, key, "Version"));
    EXPECT_EQ(text, "5.5");
    EXPECT_FALSE(RegReadString(text, RegRoot::LocalMachine, key, "Only64"));

    // What the program writes, the 32-bit programs read.
    ASSERT_TRUE(RegWriteLong(7, RegRoot::LocalMachine, key, "AddCowsGroup1"));
    EXPECT_EQ(Reg({"query", fullKey, "/v", "AddCowsGroup1"}, "/reg:32"), 0);
    EXPECT_NE(Reg({"query", fullKey, "/v", "AddCowsGroup1"}, "/reg:64"), 0);

    Reg({"delete", fullKey}, "/reg:32");
    Reg({"delete", fullKey}, "/reg:64");
}
