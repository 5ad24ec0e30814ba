#pragma once

class clsAdisDataDict;
class clsAdisDataFile;
class clsMessages;

namespace modNational {

class HerdAnimals;

// Answers the requests 055022 to 055027 from the herd's animal events (herd
// event 303085) and animals (herd event 000001): entries, inseminations,
// pregnancy checks, exits, dry-offs and calvings. Each answer replaces what the
// herd-management side may have answered itself. An animal event whose animal
// is missing is converted as far as the animal is not needed and reported with
// an "  Error in event 303085 ..." message.
void ConvertAnimalEvents(const clsAdisDataFile& request, const clsAdisDataFile& herdAnswer,
                         const HerdAnimals& animals, const clsAdisDataDict& nationalDict,
                         clsAdisDataFile& answer, clsMessages& messages);

} // namespace modNational
