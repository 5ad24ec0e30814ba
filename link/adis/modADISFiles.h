#pragma once

// ADIS file procedures around the model: header lines, request files, small
// value-line builders and the level of an ISO log file.

#include "AdisValue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class AtomicTextWriter;
class clsAdisDataDict;
class clsAdisDataEvent;
class clsAdisDataLine;
class clsAdisEvents;

namespace modADIS {

// Level prefixes of reader messages; their first 7 characters are the level
// words of log lines.
inline constexpr std::string_view ErrorPrefix = "  Error in line: ";
inline constexpr std::string_view WarningPrefix = "Warning in line: ";
inline constexpr std::string_view NotePrefix = "   Note in line: ";

// Prefix, the line number right-aligned in 5 (a longer number in full), text.
std::string LineMessage(std::string_view prefix, long lineNo, std::string_view text);

// The header value of a DD number: the field of the "VH" line that the groups of
// the "DH" line place it in; a numeric field as its number ("0002000" -> "2000"),
// any other field unchanged. The empty text when the DD number is not defined.
std::string GetHeaderValue(std::string_view defLine, std::int32_t ddNo, std::string_view valueLine);

// The "DH" and "VH" lines of event 990001 written now. An empty national or
// manufacturer version leaves its group and field out; control characters in
// the versions are written as blanks. The sender is this program unless another
// is named.
std::string HeaderDefinitionLine(std::string_view nationalVersion,
                                 std::string_view manufacturerVersion);
std::string HeaderValueLine(std::string_view version, std::string_view nationalVersion,
                            std::string_view manufacturerVersion, std::string_view sender = {},
                            std::string_view senderVersion = {});
// Writes both header lines; false when the stream failed.
bool WriteHeader(AtomicTextWriter& stream, std::string_view version,
                 std::string_view nationalVersion, std::string_view manufacturerVersion,
                 std::string_view sender = {}, std::string_view senderVersion = {});

// Writes the request events (search line when given, request line) to filePath,
// replacing it only when complete; false on any failure.
bool WriteRequestFile(const clsAdisEvents& events, const std::string& filePath,
                      const clsAdisDataDict& dataDict, std::string_view version,
                      std::string_view nationalVersion, std::string_view manufacturerVersion);

// Adds a value line with the values of the event's first two (three) items,
// keyed by value1 (value3 "#" value1). Nothing when the key is already present
// or the event has too few items.
std::shared_ptr<clsAdisDataLine> AddValueLine2(clsAdisDataEvent& dataEvent, const AdisValue& value1,
                                               const AdisValue& value2);
std::shared_ptr<clsAdisDataLine> AddValueLine3(clsAdisDataEvent& dataEvent, const AdisValue& value1,
                                               const AdisValue& value2, const AdisValue& value3);

// The highest message level of a log file: 3 for lines starting "  Error", 2 for
// "Warning", 1 for "   Note", 0 when none. A missing file gives 0 after a message
// box (in every role).
std::int16_t GetLogLevel(const std::string& logPath);

} // namespace modADIS
