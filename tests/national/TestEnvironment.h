#pragma once

#include <string>

// Sets or, with an empty value, removes an environment variable of the test process.
void SetTestEnv(const std::string& name, const std::string& value);
