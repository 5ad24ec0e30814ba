// VantorLink without a window toolkit: the command-line role alone.
#include "startup/CommandLine.h"
#include "startup/CommandLineRole.h"

int main(int argc, char** argv) {
    return modStartup::RunCommandLineRole(modStartup::ProgramCommandLine(argc, argv));
}
