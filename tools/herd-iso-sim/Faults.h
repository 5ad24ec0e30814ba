#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace HerdSim {

// Faults for tests, from the environment variable HERD_ISO_SIM_FAULT: a list
// separated by "," of
//   exit=N       end with exit code N after the work is done
//   no-answer    leave no answer file
//   no-header    write the answer without its "DH"/"VH" header lines
//   error-log    put an "  Error" line into the log
//   sleep=MS     wait MS milliseconds before answering
//   bad-line     add a value line whose length does not match its definition
//   warn-answer  add an item the dictionary does not know and a repeated line
// and, when serving a share folder:
//   slow-serve=MS  wait MS milliseconds before taking each request
//   keep-request   answer, but leave the request on the share
struct Faults {
    std::optional<int> exitCode;
    bool noAnswer = false;
    bool noHeader = false;
    bool errorLog = false;
    int sleepMs = 0;
    bool badLine = false;
    bool warnAnswer = false;
    int slowServeMs = 0;
    bool keepRequest = false;
    // Words not understood, for the log.
    std::string unknown;
};

Faults ParseFaults(std::string_view text);
Faults FaultsFromEnvironment();

} // namespace HerdSim
