#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A file of this process in the temporary folder holding the fuzz input, for
// the parsers that read files. Rewritten for every input.
std::string WriteFuzzFile(const char* name, const std::uint8_t* data, std::size_t size);
