#pragma once

#include <string>

// The relay's string table: status and menu texts by number.
namespace Relay {

inline constexpr int TextAbout = 101;
inline constexpr int TextBadCommandLine = 102;
inline constexpr int TextConnecting = 103;
inline constexpr int TextWaiting = 104;
inline constexpr int TextCopying = 105;
inline constexpr int TextConnectionError = 106;
inline constexpr int TextInFileError = 107;
inline constexpr int TextOutFileError = 108;
inline constexpr int TextTimedOut = 109;

// The text of a number; the empty text for a number the table lacks.
std::string RelayText(int id);

} // namespace Relay
