#pragma once

#include <string>

// Full paths of the working files kept in the program folder.
namespace modCommon {

std::string SettingsFilePath();     // "link.ini", the settings file
std::string NationalDictFilePath(); // "ziraz_dd.ini", the national data dictionary
std::string ClInFilePath();         // "~~isoin.dat", working copy of a command-line request
std::string ClOutFilePath();        // "~~isoout.dat", working answer of a command-line request
std::string ClLogFilePath();        // "~~iso.log", working log of a command-line request
std::string DefaultClOutFilePath(); // "isoout.txt", default answer file of a command-line start
std::string DefaultClLogFilePath(); // "isolog.txt", default log file of a command-line start

} // namespace modCommon
