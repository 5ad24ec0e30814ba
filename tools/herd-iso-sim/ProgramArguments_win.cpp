#include "ProgramArguments.h"

#include "common/Platform.h"
#include "common/WideText_win.h"

#include <windows.h>

namespace HerdSim {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    if (auto isoCall = SplitIsoCall(Platform::Utf8FromWide(::GetCommandLineW())))
        return std::move(*isoCall);
    return Platform::ProgramArguments(argc, argv);
}

} // namespace HerdSim
