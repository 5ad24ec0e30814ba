#pragma once

// The dictionary part of the program's start-up, the same in the window and the
// command-line role: developer switches, loading "dd.ini" and "ziraz_dd.ini" or
// building the dictionaries in code, and the national not-supported list.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class clsAdisDataDict;

namespace modNational {

inline constexpr std::string_view HerdDictFileName = "dd.ini";
inline constexpr std::string_view NationalDictFileName = "ziraz_dd.ini";

// Which dictionaries to build in code and write to their files.
struct DictionarySwitches {
    bool herd = false;     // argument "s mirel_dd"
    bool national = false; // argument "s ziraz_dd"
};

// Reads the values of the command line's "s" switches: "mirel_dd" and "ziraz_dd"
// without regard to case, blanks around the name ignored.
DictionarySwitches ParseDictionarySwitches(const std::vector<std::string>& switchValues);

struct ProgramDictionaries {
    std::shared_ptr<clsAdisDataDict> herd;
    std::shared_ptr<clsAdisDataDict> national;
};

// Makes both dictionaries from the files in the given folder (a path ending in a
// separator). A switched dictionary is built in code and saved to its file. A file
// that is missing, ends its load with an error, or yields no items or no events is
// replaced by the built-in definition without a message, and is left unchanged.
// The national dictionary then gets its not-supported list.
ProgramDictionaries LoadProgramDictionaries(const DictionarySwitches& switches,
                                            const std::string& folder);

} // namespace modNational
