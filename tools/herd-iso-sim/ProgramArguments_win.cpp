#include "ProgramArguments.h"

#include "common/WideText_win.h"

#include <windows.h>
// after windows.h
#include <shellapi.h>

namespace HerdSim {

std::vector<std::string> ProgramArguments(int, char**) {
    const std::string commandLine = Platform::Utf8FromWide(::GetCommandLineW());
    if (auto isoCall = SplitIsoCall(commandLine))
        return std::move(*isoCall);
    std::vector<std::string> args;
    int count = 0;
    wchar_t** split = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!split)
        return args;
    for (int i = 1; i < count; ++i)
        args.push_back(Platform::Utf8FromWide(split[i]));
    ::LocalFree(split);
    return args;
}

} // namespace HerdSim
