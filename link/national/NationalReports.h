#pragma once

// Lines the national functions add to the messages of "~link.log", and what a
// command reads back from it.

#include <string>

class clsAdisDataFile;
class clsMessages;

namespace modNational {

// Says why the herd side's answer is not accepted, as an error line: it holds
// data (its events and line counts), or it could not be read (when the reading
// left no error of its own).
void ReportRejectedAnswer(const clsAdisDataFile& answer, bool read, clsMessages& messages);

// The warning for an animal left out because the first 15 characters of its
// identity, the key of the herd side's lines, repeat those of an animal before it.
std::string RepeatedKeyWarning(const std::string& identity, const std::string& animalNo,
                               const std::string& firstIdentity, const std::string& firstAnimalNo);

// Refuses one of the program's own exchange files as the chosen file, with a
// message: a run of the ISO application replaces it, so the user's file would be
// lost.
void ShowExchangeFileRefused(const std::string& path);

// Whether "~link.log" exists, and whether it holds an "  Error" line.
bool LinkLogExists();
bool LinkLogHasErrors();

} // namespace modNational
