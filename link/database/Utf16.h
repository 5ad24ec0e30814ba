#pragma once

#include <string>
#include <string_view>

// UTF-8 (in memory) to and from UTF-16 (the wide text of system interfaces).
// Malformed UTF-8 bytes become U+FFFD; unpaired surrogates as well.
namespace Utf16 {

std::u16string FromUtf8(std::string_view text);
std::string ToUtf8(std::u16string_view text);

} // namespace Utf16
