#pragma once

// herd-iso-sim, the herd-management side the tests run against, where the test
// program is built with it.

#include <string>

#ifdef HERD_ISO_SIM_PATH
inline const std::string kSimulator = HERD_ISO_SIM_PATH;
#else
inline const std::string kSimulator;
#endif
