// VantorLink with its window (Qt 6 Widgets) and its command-line role.
#include "ProgramStart.h"

int main(int argc, char** argv) {
    return Shell::RunProgram(argc, argv);
}
