#include "CliArguments.h"

#include "common/WideText_win.h"

#include <shellapi.h>

namespace VantorCli {

// argv holds the arguments in the ANSI code page; the wide command line keeps
// every character of a path.
std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(Platform::Utf8FromWide(wide[i]));
    if (wide)
        ::LocalFree(wide);
    return arguments;
}

} // namespace VantorCli
