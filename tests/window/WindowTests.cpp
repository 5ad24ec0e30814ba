#include "WindowTests.h"

std::vector<std::pair<const char*, SuiteMaker>>& WindowTestSuites() {
    static std::vector<std::pair<const char*, SuiteMaker>> suites;
    return suites;
}
