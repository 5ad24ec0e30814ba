#include "TestEnvironment.h"

#include <cstdlib>

void SetTestEnv(const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
}
