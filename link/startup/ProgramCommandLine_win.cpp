#include "common/WideText_win.h"
#include "startup/CommandLine.h"

#include <windows.h>

namespace modStartup {
namespace {

// The text after the program's own name, which may be quoted.
std::wstring_view ArgumentsOf(std::wstring_view commandLine) {
    std::size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const std::size_t close = commandLine.find(L'"', 1);
        at = close == std::wstring_view::npos ? commandLine.size() : close + 1;
    } else {
        at = commandLine.find_first_of(L" \t");
        if (at == std::wstring_view::npos)
            at = commandLine.size();
    }
    return commandLine.substr(at);
}

} // namespace

// The C runtime's argument vector would take the quotes and blanks apart; the
// national side's program passes paths unquoted, so the text itself is read.
CommandLineValues ProgramCommandLine(int, char**) {
    return ReadSwitchesFromText(Platform::Utf8FromWide(ArgumentsOf(::GetCommandLineW())));
}

} // namespace modStartup
