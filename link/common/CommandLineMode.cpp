#include "CommandLineMode.h"

namespace modCommon {
namespace {
bool commandLineMode = false;
} // namespace

bool CommandLineMode() {
    return commandLineMode;
}

void SetCommandLineMode(bool on) {
    commandLineMode = on;
}

} // namespace modCommon
