#include "CapturedRun.h"

#include "common/WideText_win.h"
#include "common/WindowsCommandLine_win.h"

#include <windows.h>

namespace {

HANDLE OutputFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateFileW(Platform::WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ,
                         &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

int RunWithOutputFiles(const std::vector<std::string>& argv, const std::string& outPath,
                       const std::string& errPath) {
    std::wstring commandLine = modUtils::WindowsCommandLine(argv);
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
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
