#pragma once

// A program folder in which VantorLink answers national requests as a process,
// with herd-iso-sim registered as the herd-management ISO application and a herd
// of the test's own making.

#include "HerdIsoSimPath.h"
#include "LinkSandbox.h"

#include "../common/TestFiles.h"
#include "adis/AdisValue.h"
#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// One requested event of a national request: its items (DD numbers, typed by
// the national dictionary) and its search ranges.
struct RequestedEvent {
    struct Range {
        std::int32_t ddNo;
        AdisValue low;
        AdisValue high;
    };
    std::int32_t eventNo;
    std::vector<std::int32_t> items;
    std::vector<Range> search = {};
};

class RequestWorld : public ::testing::Test {
protected:
    RequestWorld();

    std::string File(const std::string& name) const { return sandbox.File(name); }
    void SetIsoVersion(const std::string& version);
    // A herd database made by herd-iso-sim from the statements (herd number 12003456).
    void SeedHerd(const std::string& sql);
    // A request file of the national side in the national dictionary of the version.
    std::string WriteRequest(const std::string& name, const std::vector<RequestedEvent>& events,
                             const std::string& manufacturerVersion = "ZIRAZ22 ");
    // Runs VantorLink with the arguments; its exit status.
    int RunLink(const std::vector<std::string>& args);
    // The file read back with the national dictionary, or nothing when unreadable.
    std::unique_ptr<clsAdisDataFile> ReadAnswer(const std::string& path,
                                                const std::string& version = "ZIRAZ22 ");
    // The program's trace log, switched on for every test (and this test
    // program's own, for what runs in this process).
    std::string TraceLogPath() const { return sandbox.File("VantorLink.log"); }
    std::vector<std::string> TraceTexts() const;
    bool Traced(const std::string& text) const;

    LinkSandbox sandbox;
    ScopedEnvironment headless{"LINK_HEADLESS", std::string("1")};
    ScopedEnvironment database{"HERD_ISO_SIM_DB", sandbox.File("herd.db")};
    ScopedEnvironment noFault{"HERD_ISO_SIM_FAULT", std::nullopt};
};

// The value of a DD number in a line as text without the blanks that fill a text
// field; "<none>" when the line has no such value, "<Null>" / "<Empty>".
std::string ValueText(const clsAdisDataLine& line, std::int32_t ddNo);
// The values of the DD numbers of every line of an answer event, one text per
// line joined by "|".
std::vector<std::string> EventRows(const clsAdisDataFile& file, std::int32_t eventNo,
                                   const std::vector<std::int32_t>& ddNos);
