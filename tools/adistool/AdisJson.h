#pragma once

#include <string>
#include <string_view>

class clsAdisDataFile;
class clsMessages;

// A JSON string literal of UTF-8 text: quotes, backslashes and control
// characters escaped (controls as \u00XX).
std::string JsonString(std::string_view text);

// The model of a read ADIS file with the reader's messages and result as JSON.
std::string AdisFileJson(const clsAdisDataFile& file, const clsMessages& messages, bool result);
