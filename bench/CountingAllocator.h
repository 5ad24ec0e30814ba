#pragma once

#include <cstddef>

// Bytes requested through the global operator new and not yet deleted, for
// measuring the memory a data structure holds.
namespace CountingAllocator {
std::size_t LiveBytes();
// The highest LiveBytes since the last ResetPeak (or the start).
std::size_t PeakBytes();
void ResetPeak();
} // namespace CountingAllocator
