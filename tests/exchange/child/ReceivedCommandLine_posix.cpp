#include "ReceivedCommandLine.h"

std::string ReceivedCommandLine(int argc, char** argv) {
    std::string text;
    for (int i = 0; i < argc; ++i)
        text.append(i ? " " : "").append(argv[i]);
    return text;
}
