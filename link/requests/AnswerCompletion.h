#pragma once

class clsAdisDataFile;

namespace modNational {

class HerdAnimals;

// Completes what the herd-management side answered in the pass-on run with its
// herd data (see AnswerCompletion.cpp for the rules): animals (055021) and
// calvings (055036) from the animal and its mother, a second calf as a line of
// its own, and values the national side must see as "not available" (Null).
void CompleteAnswer(clsAdisDataFile& answer, const HerdAnimals& animals);

} // namespace modNational
