#include "common/TextFileViewer.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"

namespace modUtils {
namespace {

constexpr int kShowNormal = 1;
constexpr int kNormalPriority = 32;

} // namespace

void ShowTextFile(const std::string& path) {
    if (HeadlessRequested()) {
        WriteLog("Not shown (headless): " + path);
        return;
    }
    const bool started = RunProgram({"notepad.exe", path}, kShowNormal, kNormalPriority) != -1;
    WriteLog(std::string(started ? "Notepad " : "Notepad could not be started: ") + path);
}

} // namespace modUtils
