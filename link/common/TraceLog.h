#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace modUtils {

// Appends "<date time>\t<text>" to the opt-in trace log (program folder, named
// after the executable, ".log"); writes only when that file exists; rotates it to
// ".old" when it is above 2000000 bytes; never fails towards the caller.
void WriteLog(std::string_view text);

// The trace log's path.
std::string TraceLogPath();

// Size in bytes of an existing file, -1 when it does not exist.
std::int32_t GetFileSize(const std::string& path);

} // namespace modUtils
