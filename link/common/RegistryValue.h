#pragma once

// How registry values of each type read as text and as 32-bit numbers, the same
// for the system registry and for the file-backed store.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace RegistryValue {

// The system's type numbers.
inline constexpr std::uint32_t String = 1; // REG_SZ
inline constexpr std::uint32_t ExpandString = 2;
inline constexpr std::uint32_t Binary = 3; // REG_BINARY
inline constexpr std::uint32_t DWord = 4;  // REG_DWORD, little-endian

// A string value up to its first NUL character; a binary value of up to 4 bytes
// as the decimal text of its first 16-bit integer (signed, little-endian); other
// values give nothing. text is UTF-8.
std::optional<std::string> AsText(std::uint32_t type, std::string_view data);

// A 32-bit or binary value of up to 4 bytes (little-endian, zero-filled); other
// values give nothing.
std::optional<std::int32_t> AsLong(std::uint32_t type, std::string_view data);

// The 4 data bytes of a REG_DWORD.
std::string DWordBytes(std::int32_t value);

} // namespace RegistryValue
