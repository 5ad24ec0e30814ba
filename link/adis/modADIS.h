#pragma once

// The ADIS field codec and the line parsers: item values to fixed-width field
// text and back, definition groups and search groups. Lines are UTF-8 text (the
// reader converts each windows-1252 line once); field widths count characters.

#include "AdisValue.h"

#include <climits>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class clsAdisItems;
class clsAdisSearchItems;

namespace modADIS {

// Data types of dictionary items.
inline constexpr std::int16_t TypeNumber = 0;
inline constexpr std::int16_t TypeDate = 1;
inline constexpr std::int16_t TypeTime = 2;
inline constexpr std::int16_t TypeText = 3;
inline constexpr std::int16_t TypeUnknown = -1;

// Characters before the groups or fields of a line: type, status, event number.
inline constexpr std::size_t LineFrameLength = 8;
inline constexpr std::size_t DefGroupLength = 11;
// The longest value line: line lengths are 16-bit numbers.
inline constexpr long MaxValueLineLength = 32767;

// Where a value stands in a value line: its DD number, field length and
// resolution (an item of the line's definition).
struct FieldFormat {
    std::int32_t ddNo;
    std::int16_t length;
    std::int16_t resolution;
};

// At least six digits, zero-filled: "055021", "1234567".
std::string FormatEventNo(std::int32_t eventNo);
// DD number in 8 digits, length in 2, resolution in 1, each zero-filled.
std::string FormatDefField(std::int32_t ddNo, std::int16_t length, std::int16_t resolution);
// A definition or request line: type, status, event number, then the definition
// group of every item in order (none when items is null). Control characters
// in the type or status are written as blanks.
std::string DefinitionLine(std::string_view lineType, std::string_view status, std::int32_t eventNo,
                           const clsAdisItems* items);

// The field text of `length` characters:
//  Empty -> "|" repeated, Null -> "?" repeated;
//  date -> "yyyymmdd" in a field of 8, its time "hhmmss" in a field of 6, else "?";
//  time -> "hhmmss" in a field of 6, else "?" (a time alone has no date);
//  text -> left-aligned, cut to the field, control characters as blanks;
//  number -> value * 10^resolution rounded halves to even, right-aligned with
//  blanks; "?" repeated when its digits do not fit the field (a cut number would
//  be a different number).
std::string FormatValueField(const AdisValue& value, std::int16_t length, std::int16_t resolution);
// FormatValueField appended to `out` (value lines are formatted into one buffer).
void AppendValueField(std::string& out, const AdisValue& value, std::int16_t length,
                      std::int16_t resolution);

// "yyyymmdd" -> date; Null when a part is not a number or the date does not exist.
AdisValue ParseDateField(std::string_view text);
// "hhmmss" -> time of day; Null when not a valid time.
AdisValue ParseTimeField(std::string_view text);

// Decodes one field by the data type of its item. `emptyMarker`: a field of only
// "|" is Empty (value lines) rather than read by its type (search lines).
AdisValue DecodeField(std::string_view field, std::int16_t dataType, std::int16_t resolution,
                      bool emptyMarker);

// Whether every definition group from character 9 of a D- or R-line is
// readable, read without making anything.
bool HasReadableDefGroups(std::string_view defLine);
// Whether a D-line gives its value lines fields: at least one group, every
// group readable and of length 1 or more, and value lines no longer than
// MaxValueLineLength. Read without making anything, so that a hostile line
// costs no memory.
bool IsDataDefinition(std::string_view defLine);
// The data type a search group's DD number has when `items` lack it.
inline constexpr std::int16_t kNotInItems = INT16_MIN;
// The data type of each search group's DD number in `items` (kNotInItems when
// they lack it), for ParseSearchLine later; nothing when the line is
// unreadable. Read without making anything.
std::optional<std::vector<std::int16_t>> SearchLineTypes(std::string_view searchLine,
                                                         const clsAdisItems& items);
// ParseSearchLine by the types SearchLineTypes gave for the line.
std::shared_ptr<clsAdisSearchItems> ParseSearchLine(std::string_view searchLine,
                                                    std::span<const std::int16_t> types);
// The search groups of an SN-line typed by `items`; nothing when unreadable.
std::shared_ptr<clsAdisSearchItems> ParseSearchLine(std::string_view searchLine,
                                                    const clsAdisItems& items);

} // namespace modADIS
