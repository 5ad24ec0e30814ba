#include "CapturedRun.h"

#include "../common/TestFiles.h"

#include <algorithm>

namespace {

std::string Text(const std::string& path) {
    std::string text = FileBytes(path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

} // namespace

CapturedRun RunCaptured(const std::vector<std::string>& argv, const std::string& folder) {
    const std::string outPath = folder + "run.out";
    const std::string errPath = folder + "run.err";
    CapturedRun run;
    run.exitStatus = RunWithOutputFiles(argv, outPath, errPath);
    if (run.exitStatus == -1)
        return run;
    run.out = Text(outPath);
    run.err = Text(errPath);
    return run;
}
