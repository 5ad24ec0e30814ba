#include "ReceivedCommandLine.h"

#include "common/WideText_win.h"

#include <windows.h>

std::string ReceivedCommandLine(int, char**) {
    return Platform::Utf8FromWide(::GetCommandLineW());
}
