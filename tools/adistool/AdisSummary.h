#pragma once

#include <string>

class clsAdisDataFile;
class clsMessages;

// A readable summary of a file as the program read it: its sender, the
// requested events with their items and search ranges, and each data event with
// its number of lines and its first `lines` lines as a table (Empty shown
// blank, Null as "?").
std::string AdisSummary(const clsAdisDataFile& file, const clsMessages& messages, bool read,
                        int lines);
