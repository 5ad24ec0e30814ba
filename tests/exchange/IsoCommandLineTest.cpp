// The command line the ISO application receives is the text of the "Execute: "
// line: on Windows exactly that text (nothing quoted), the program started from
// its path whatever blanks it holds; elsewhere the same words as an argument
// vector. The child program writes down what it received.
#include "ExchangeTestSupport.h"
#include "LinkSandbox.h"

#include "common/Platform.h"
#include "exchange/modMirelCom.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

using namespace modMirelCom;

TEST(IsoCommandLine, IsReceivedAsTheExecuteLineShowsIt) {
    LinkSandbox sandbox;
    StartTraceLog();
    const auto folder = sandbox.Path() / Platform::PathFromUtf8("Program Files (x86)") /
                        Platform::PathFromUtf8("Keström - ISO åäö");
    std::filesystem::create_directories(folder / "-data dir");
    const auto child = Platform::PathFromUtf8(ExchangeChildPath());
    const auto application =
        folder / Platform::PathFromUtf8("iso app-Ö" + Platform::Utf8FromPath(child.extension()));
    std::filesystem::copy_file(child, application);
    const std::string applicationText = Platform::Utf8FromPath(application);
    const auto file = [&](const char* name) {
        return Platform::Utf8FromPath(folder / "-data dir" / Platform::PathFromUtf8(name));
    };
    const std::string received = sandbox.File("received.txt");
    const ScopedEnvironment echo("LINK_CHILD_ECHO_FILE", received);

    // Registered with and without quotes around the path.
    for (const std::string& registered : {Quoted(applicationText), applicationText}) {
        ASSERT_TRUE(modUtils::RegWriteString(registered, modUtils::RegRoot::LocalMachine,
                                             IsoRegistryKey, IsoApplicationValue));
        ASSERT_EQ(IsoApplicationPath(false), applicationText);
        ASSERT_TRUE(RunIsoProcess(false, 1, file("-f in å.dat"), file("-o ut.dat"),
                                  file("-l iso.log"), "Herd DB - Ö"));
        const std::string expected = applicationText + " -f " + file("-f in å.dat") + " -o " +
                                     file("-o ut.dat") + " -l " + file("-l iso.log") +
                                     " -d Herd DB - Ö /n";
        EXPECT_EQ(FileBytes(received), expected);
        EXPECT_EQ(TraceTexts().at(TraceTexts().size() - 2), "Execute: " + expected);
    }
}
