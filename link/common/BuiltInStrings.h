#pragma once

#include <vector>

// The program's own string table (English), used when no language library is
// chosen.
namespace modCommon {

// The built-in text of the number, or nullptr when the number has no text.
const char* BuiltInString(long number);

// Every number of the built-in table in ascending order.
std::vector<long> BuiltInStringNumbers();

} // namespace modCommon
