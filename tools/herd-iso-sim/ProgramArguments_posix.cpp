#include "ProgramArguments.h"

#include "common/Platform.h"

namespace HerdSim {

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return Platform::ProgramArguments(argc, argv);
}

} // namespace HerdSim
