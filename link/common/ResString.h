#pragma once

#include <string>

namespace modCommon {

// The user-visible text of a number; "<Missing>" when there is none.
std::string ResString(long number);

} // namespace modCommon
