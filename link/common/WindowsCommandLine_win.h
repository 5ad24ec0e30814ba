#pragma once

#include <string>
#include <vector>

namespace modUtils {

// The command line that hands these arguments over as the C runtime splits them:
// each quoted where it holds a blank, a tab or a quote (or is empty).
std::wstring WindowsCommandLine(const std::vector<std::string>& argv);

} // namespace modUtils
