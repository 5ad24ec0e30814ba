#include "common/Platform.h"
#include "common/WideText_win.h"

#include <windows.h>
// after windows.h
#include <shellapi.h>

namespace Platform {

std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i)
        arguments.push_back(Utf8FromWide(wide[i]));
    if (wide)
        ::LocalFree(wide);
    return arguments;
}

} // namespace Platform
