#include "CapturedRun.h"

#include "../common/TestFiles.h"
#include "common/WideText_win.h"

#include <algorithm>

namespace {

// One argument as the C runtime splits command lines.
void AppendQuoted(std::wstring& commandLine, const std::wstring& arg) {
    if (!commandLine.empty())
        commandLine += L' ';
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) {
        commandLine += arg;
        return;
    }
    commandLine += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        commandLine.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        commandLine += c;
    }
    commandLine.append(backslashes * 2, L'\\');
    commandLine += L'"';
}

HANDLE OutputFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateFileW(Platform::WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                         &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::string Text(const std::string& path) {
    std::string text = FileBytes(path);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

} // namespace

CapturedRun RunCaptured(const std::vector<std::string>& argv, const std::string& folder) {
    const std::string outPath = folder + "run.out";
    const std::string errPath = folder + "run.err";
    std::wstring commandLine;
    for (const std::string& arg : argv)
        AppendQuoted(commandLine, Platform::WideFromUtf8(arg));
    CapturedRun run;
    HANDLE out = OutputFile(outPath);
    HANDLE err = OutputFile(errPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    const bool started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                          nullptr, nullptr, &startup, &process);
    ::CloseHandle(out);
    ::CloseHandle(err);
    if (!started)
        return run;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    run.exitStatus = static_cast<int>(code);
    run.out = Text(outPath);
    run.err = Text(errPath);
    return run;
}
