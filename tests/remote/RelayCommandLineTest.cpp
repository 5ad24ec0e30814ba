#include "relay/RelayCommandLine.h"

#include <gtest/gtest.h>

using namespace Relay;

namespace {

struct CommandLineCase {
    const char* commandLine;
    const char* in;
    const char* out;
    const char* log;
};

TEST(RelayCommandLine, ValuesRunToTheNextSwitch) {
    const CommandLineCase cases[] = {
        // The link program's call.
        {"-f c:\\in.dat -o c:\\out.dat -l c:\\log.txt -d x /n", "c:\\in.dat", "c:\\out.dat",
         "c:\\log.txt"},
        // A "-" inside a path is no switch.
        {"-f c:\\a-b\\in.dat -o c:\\x-y\\out.dat /n", "c:\\a-b\\in.dat", "c:\\x-y\\out.dat",
         "iso.log"},
        // Values keep their case; switches are found in any case.
        {"-F /Home/Farm/In.DAT -O /Home/Out.dat -L /Home/Log.txt /N", "/Home/Farm/In.DAT",
         "/Home/Out.dat", "/Home/Log.txt"},
        // Blanks inside a path stay, blanks around it go.
        {"-f  C:\\My Files\\in.dat   -l C:\\My Files\\log.txt", "C:\\My Files\\in.dat",
         "isoout.dat", "C:\\My Files\\log.txt"},
        // Any order; "/n" only as a word of its own.
        {"/n -d herd -l /nfs/log -f /nfs/in.dat", "/nfs/in.dat", "isoout.dat", "/nfs/log"},
        // The first of a repeated switch counts; an empty value keeps the default.
        {"-f one.dat -f two.dat -o  -l x.log", "one.dat", "isoout.dat", "x.log"},
        // A switch is a word of its own, not the end of another word.
        {"-f in-o out.dat", "in-o out.dat", "isoout.dat", "iso.log"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.commandLine);
        const auto paths = ParseRelayCommandLine(test.commandLine);
        ASSERT_TRUE(paths);
        EXPECT_EQ(paths->localIn, test.in);
        EXPECT_EQ(paths->localOut, test.out);
        EXPECT_EQ(paths->localLog, test.log);
    }
}

TEST(RelayCommandLine, WithoutARequestFileTheCallIsRefused) {
    for (const char* commandLine :
         {"", "/n", "-o out.dat -l log.txt /n", "-f", "-f  /n", "-f -o out.dat", "x-f in.dat"}) {
        SCOPED_TRACE(commandLine);
        EXPECT_FALSE(ParseRelayCommandLine(commandLine));
    }
}

} // namespace
