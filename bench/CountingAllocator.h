#pragma once

#include <cstddef>

// Bytes requested through the global operator new and not yet deleted, for
// measuring the memory a data structure holds.
namespace CountingAllocator {
std::size_t LiveBytes();
// The highest LiveBytes since the last ResetPeak (or the start).
std::size_t PeakBytes();
// The same for the blocks a 64-bit glibc heap would take for those requests
// (each rounded up, with its header): what the requests cost the process.
std::size_t LiveBlockBytes();
std::size_t PeakBlockBytes();
void ResetPeak();
} // namespace CountingAllocator
