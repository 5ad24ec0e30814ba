#include "TestFiles.h"
#include "common/AppFolder.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>

using namespace modUtils;

std::string TestChildPath() {
    return Platform::Utf8FromPath(
        Platform::PathFromUtf8(modCommon::ExecutablePath()).parent_path() / LINK_TEST_CHILD_NAME);
}

TEST(RunProgramAndWait, ReturnsTheExitCode) {
    for (int code : {0, 3, 255})
        EXPECT_EQ(RunProgramAndWait({TestChildPath(), "exit", std::to_string(code)}, 1), code);
}

TEST(RunProgramAndWait, CallsThePumpBetweenWaits) {
    int pumps = 0;
    EXPECT_EQ(RunProgramAndWait({TestChildPath(), "sleep", "300", "7"}, 10, [&] { ++pumps; }), 7);
    EXPECT_GE(pumps, 5);
}

TEST(RunProgramAndWait, ArgumentsArriveIntact) {
    TempDir dir;
    // The program itself in a folder whose name has a blank and a "-".
    const std::string program =
        dir.File("with blank -x" + std::string(1, PathSeparator) +
                 Platform::Utf8FromPath(Platform::PathFromUtf8(TestChildPath()).filename()));
    std::filesystem::create_directories(Platform::PathFromUtf8(program).parent_path());
    std::filesystem::copy_file(Platform::PathFromUtf8(TestChildPath()),
                               Platform::PathFromUtf8(program));
    const std::string out = dir.File("args.txt");
    const std::vector<std::string> args = {
        "a b",      "-o", "/n", "", "C:\\Program Files\\x y\\", "say \"hi\"", "back\\\\\"slash",
        "-f x.dat",
    };
    std::vector<std::string> argv = {program, "args", out};
    argv.insert(argv.end(), args.begin(), args.end());
    ASSERT_EQ(RunProgramAndWait(argv, 1), 0);
    std::string expected;
    for (const auto& arg : args)
        expected += arg + "\n";
    EXPECT_EQ(FileBytes(out), expected);
}

TEST(RunProgram, ReturnsTheStillActiveCodeWhileTheProgramRuns) {
    EXPECT_EQ(RunProgram({TestChildPath(), "sleep", "500", "0"}), 259);
}

TEST(RunProgram, AMissingProgramGivesMinusOne) {
    TempDir dir;
    const std::string missing = dir.File("no such program");
    EXPECT_EQ(RunProgramAndWait({missing, "x"}, 1), -1);
    EXPECT_EQ(RunProgram({missing}), -1);
    EXPECT_EQ(RunProgramAndWait({}, 1), -1);
    EXPECT_EQ(RunProgramAndWait({dir.Folder()}, 1), -1); // a folder is no program
}

TEST(ProgramFilesFolder, PrefersTheX86Folder) {
    ScopedEnvironment x86("PROGRAMFILES(x86)", std::nullopt);
    ScopedEnvironment programs("PROGRAMFILES", "C:\\Programs");
    EXPECT_EQ(ProgramFilesFolder(), "C:\\Programs");
    ScopedEnvironment x86Set("PROGRAMFILES(x86)", "C:\\Programs (x86)");
    EXPECT_EQ(ProgramFilesFolder(), "C:\\Programs (x86)");
}
