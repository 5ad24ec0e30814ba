#pragma once

// The national functions behind the window's commands: the code tables sent to
// the herd-management side (Initialize), the check of the herd's official
// identities (Check), handing a national file to the herd side (Send ADIS data)
// and the new animals of a national animal list (Add animals). Each shows its
// own messages and status text through the program's user interface.

#include "adis/AdisValue.h"

#include <array>
#include <cstdint>
#include <string>

class clsAdisDataLine;
class clsAdisDataLines;

namespace modNational {

// ---- Initialize ----------------------------------------------------------------

// Sends the national dictionary's code tables to the herd-management side; for
// an ISO application older than 5.5 the herd database's lookup entries are hidden
// before and the national ones shown again after the transfer. True on success.
bool InitNationalLookups();

// ---- Check -----------------------------------------------------------------------

// Asks the herd-management side for its animals and checks their identities;
// true when every identity is valid and unique. Message 159 when the herd side
// has no animals; the problems go to "~link.log".
bool CheckAnimalIds();

// Tests the identities (300348) of the answer's value lines by their animal
// numbers (300001) and writes the report of the invalid and the repeated ones;
// true when there is nothing to report.
bool ValidateOfficialIds(const clsAdisDataLines& lines);

// "SE-", six digits, "-", four digits, blanks at both ends not counted.
bool IsValidOfficialId(const std::string& identity);

// ---- Send ADIS data ------------------------------------------------------------

// Hands the file unchanged to the herd-management ISO application; true when the
// herd side took it without answering data. A file that cannot be read, or one of
// the program's own exchange files, is refused with a message. When the answer is
// unreadable or holds data, "~link.log" reports it.
bool SendAdisFile(const std::string& path);

// True when the path names the exchange request or answer file of the program
// folder, which a run of the ISO application replaces.
bool IsExchangeFile(const std::string& path);

// ---- Add animals -----------------------------------------------------------------

// The kinds of animals Add animals takes, each into the group of its setting.
enum class AnimalKind {
    None,
    CowLactation1,
    CowLactation2,
    Heifer,
    InseminatedHeifer,
    PregnantHeifer,
    Bull,
};
inline constexpr std::size_t kAnimalKindCount = 7;

struct AnimalClass {
    AnimalKind kind = AnimalKind::None;
    std::int16_t group = 0; // 0: not taken
};

// The kind of animal a national 055501 line describes and its group by the
// add-animals settings (group 0 when that kind is not taken).
AnimalClass ClassifyAnimal(const clsAdisDataLine& line);
// The group of ClassifyAnimal, 0 when the animal is not to be added.
std::int16_t AnimalGroup(const clsAdisDataLine& line);
// National pregnancy status to the herd's pregnant flag: 1 and 21 give 0, 2 and
// 22 give 1, anything else Null.
AdisValue PregnantToHerd(const AdisValue& status);
// "M" gives 0, "F" gives 1, anything else Null.
AdisValue SexToHerd(const AdisValue& sex);

// What one Add animals run took.
struct AddAnimalsTally {
    bool built = false;                                  // the file for the herd side was made
    std::array<long, kAnimalKindCount> taken{};          // by kind
    std::array<std::int32_t, kAnimalKindCount> groups{}; // the group of each kind
    long newAnimals = 0;                                 // with a new-animal line
    long existingAnimals = 0;                            // already in the herd: animal data only
    long repeatedKeys = 0;                               // left out: key of another animal
};

// Classifies the animals of a national animal list (event 055501) and sends those
// to be taken to the herd-management side: new animals (390001) and the animal
// data of all of them (390002). True when the herd side accepted the file. An
// animal left out because its identity's first 15 characters repeat another's
// is a warning in "~link.log".
bool AddAnimalsFromFile(const std::string& path);
bool AddAnimalsFromFile(const std::string& path, AddAnimalsTally& tally);

} // namespace modNational
