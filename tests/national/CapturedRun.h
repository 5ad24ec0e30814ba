#pragma once

#include <string>
#include <vector>

// A program run to its end with its standard output and error caught (line
// ends as "\n"); the exit status is -1 when it could not be started.
struct CapturedRun {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs the program (argv[0], no shell) with the files for its output in the
// folder (a path ending in a separator).
CapturedRun RunCaptured(const std::vector<std::string>& argv, const std::string& folder);

// Platform part: runs the program with its standard output and error written to
// the two files; its exit status, or -1 when it could not be started or did not
// end normally.
int RunWithOutputFiles(const std::vector<std::string>& argv, const std::string& outPath,
                       const std::string& errPath);
