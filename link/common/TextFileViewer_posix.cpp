#include "common/Platform.h"
#include "common/TextFileViewer.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"

namespace modUtils {

void ShowTextFile(const std::string& path) {
    if (HeadlessRequested()) {
        WriteLog("Not shown (headless): " + path);
        return;
    }
    if (!Platform::EnvironmentValue("DISPLAY") && !Platform::EnvironmentValue("WAYLAND_DISPLAY")) {
        WriteLog("Not shown (no display): " + path);
        return;
    }
    const bool started = RunProgram({"xdg-open", path}) != -1;
    WriteLog(std::string(started ? "Shown with" : "Could not be shown with") +
             " xdg-open: " + path);
}

} // namespace modUtils
