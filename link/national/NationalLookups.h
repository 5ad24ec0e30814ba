#pragma once

// The parts of the code-table transfer: the herd-management events that carry
// the national code tables, and the two statements that hide the herd
// database's lookup entries and show the national ones again.

#include <map>
#include <string>

class clsAdisDataDict;
class clsAdisDataFile;

namespace modNational {

// The codes sent per lookup collection of the herd database, as the statement
// lists them: "'1', '2', '8'".
using LookupCollections = std::map<int, std::string>;

// The collections in the order the show statement names them.
inline constexpr int kLookupCollections[] = {6, 14, 19, 73, 75, 78, 79};

// Adds the code-table events (390055, 303078-303084, 303087, 303093) with their
// lines to the file, which has the herd-management dictionary; the texts are the
// codes' short texts or their long ones. Returns the collection lists. Raises
// LinkError when the national dictionary lacks a code set that is always sent.
LookupCollections AddCodeTableEvents(clsAdisDataFile& file, const clsAdisDataDict& national,
                                     bool shortTexts);

// Hides the national collections' entries (when the database's application
// version is 2009.2 or later).
std::string HideLookupsSql();
// Shows the entries of the codes sent, collection by collection.
std::string ShowLookupsSql(const LookupCollections& collections);

} // namespace modNational
