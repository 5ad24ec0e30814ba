#pragma once

#include <optional>
#include <string>
#include <vector>

// The command line of adistool:
//   adistool check FILE [--dict DICT] [--national-version V] [--check-events] [--require-header]
//                       [--key-events REQUEST_FILE]
//   adistool dump FILE [same options]
//   adistool show FILE [same options] [--lines N]
//   adistool rewrite FILE -o OUT [same options]
//   adistool dict herd|national [--national-version V] -o FILE
struct ToolOptions {
    std::string command;
    std::string file; // the ADIS file, or the dictionary name for "dict"
    std::string output;
    std::string dict;
    std::string nationalVersion;
    std::string keyEventsFile; // a request file whose request events key the value lines
    bool checkEvents = false;
    bool requireHeader = false;
    int lines = 5; // lines of each data event that "show" prints
};

// Nothing for a usage error.
std::optional<ToolOptions> ParseToolOptions(const std::vector<std::string>& args);

extern const char* const UsageText;
