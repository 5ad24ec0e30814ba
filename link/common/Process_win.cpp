#include "WideText_win.h"
#include "WindowsCommandLine_win.h"
#include "modUtils.h"

#include <windows.h>

namespace modUtils {
namespace {

// One argument as the C runtime splits command lines: quoted when it holds a
// blank, a tab or a quote (or is empty); backslashes are doubled only where they
// precede a quote.
void AppendQuoted(std::wstring& commandLine, const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        commandLine += arg;
        return;
    }
    commandLine += L'"';
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        if (c == L'"')
            commandLine.append(backslashes * 2 + 1, L'\\');
        else
            commandLine.append(backslashes, L'\\');
        backslashes = 0;
        commandLine += c;
    }
    commandLine.append(backslashes * 2, L'\\');
    commandLine += L'"';
}

// Starts the program. With an application path the command line goes over exactly
// as given and the path alone names the program (no search of the path list);
// without one the command line's first word names it.
HANDLE Start(const std::wstring& application, std::wstring commandLine, int showMode,
             int creationFlags) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showMode);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(application.empty() ? nullptr : application.c_str(), commandLine.data(),
                          nullptr, nullptr, TRUE, static_cast<DWORD>(creationFlags), nullptr,
                          nullptr, &startup, &process))
        return nullptr;
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

HANDLE Start(const std::vector<std::string>& argv, int showMode, int creationFlags) {
    if (argv.empty() || argv.front().empty())
        return nullptr;
    return Start(std::wstring(), WindowsCommandLine(argv), showMode, creationFlags);
}

std::int32_t ExitCodeOf(HANDLE process) {
    DWORD code = 0;
    if (!::GetExitCodeProcess(process, &code))
        return -1;
    return static_cast<std::int32_t>(code);
}

std::int32_t WaitFor(HANDLE process, int pollMs, const EventPump& pump) {
    const DWORD step = static_cast<DWORD>(pollMs > 0 ? pollMs : 1);
    while (::WaitForSingleObject(process, step) == WAIT_TIMEOUT) {
        if (pump)
            pump();
    }
    const std::int32_t code = ExitCodeOf(process);
    ::CloseHandle(process);
    return code;
}

} // namespace

std::wstring WindowsCommandLine(const std::vector<std::string>& argv) {
    std::wstring commandLine;
    for (const auto& arg : argv) {
        if (!commandLine.empty())
            commandLine += L' ';
        AppendQuoted(commandLine, Platform::WideFromUtf8(arg));
    }
    return commandLine;
}

std::int32_t RunProgram(const std::vector<std::string>& argv, int showMode, int creationFlags) {
    HANDLE process = Start(argv, showMode, creationFlags);
    if (!process)
        return -1;
    const std::int32_t code = ExitCodeOf(process);
    ::CloseHandle(process);
    return code;
}

std::int32_t RunProgramAndWait(const std::vector<std::string>& argv, int pollMs,
                               const EventPump& pump, int showMode, int creationFlags) {
    HANDLE process = Start(argv, showMode, creationFlags);
    return process ? WaitFor(process, pollMs, pump) : -1;
}

// The program receives the command-line text exactly as built; the arguments are
// for the platforms that pass a vector.
std::int32_t RunCallAndWait(const ProgramCall& call, int pollMs, const EventPump& pump,
                            int showMode, int creationFlags) {
    if (call.program.empty())
        return -1;
    HANDLE process = Start(Platform::WideFromUtf8(call.program),
                           Platform::WideFromUtf8(call.commandLine), showMode, creationFlags);
    return process ? WaitFor(process, pollMs, pump) : -1;
}

} // namespace modUtils
