#pragma once

#include "adis/AdisValue.h"

#include <string>

class clsAdisDataLine;

namespace modNational {

class HerdAnimals;

// The exit codes of an exit answer (055025) from a herd exit event (303085 of
// kind 6, 7 or 8). National versions before "ZIRAZ20 " take the herd's codes as
// they are; from "ZIRAZ20 " on the national coding has its own exit reasons and
// reports the fate of calves:
// - exit reason (50185): Null when the herd gives none (355073 empty); a code the
//   national coding keeps (1, 32, 46, 51-54) as it is; a cause reported as
//   slaughter: 32; anything else: Empty.
// - calf fate: when the animal that left is recorded as a calf of its mother (its
//   number is the mother's first or second calf number, 300339 / 300340), the
//   fate recorded for that calf (351139 / 351140). An identity marked "#calf2"
//   is the mother's second calf and is found without the mark. Empty otherwise.
// - second exit reason (50186): the herd's second reason (355080) when given;
//   otherwise Null for a calf whose fate is known (the fate tells why it left),
//   else the herd's value as it is.
// - 50187: the calf fate, Null when there is none.
class ExitCodes {
public:
    explicit ExitCodes(const std::string& nationalManufacturerVersion);

    bool NationalExitCoding() const { return nationalCoding_; }

    AdisValue ExitReason(const clsAdisDataLine& line) const;
    AdisValue SecondExitReason(const clsAdisDataLine& line, const HerdAnimals& animals) const;
    AdisValue CalfFate(const clsAdisDataLine& line, const HerdAnimals& animals) const;

    // The mark of a second calf's identity.
    static constexpr std::string_view kSecondCalfMark = "#calf2";
    // Takes the mark out of the text; true when it had one.
    static bool StripSecondCalfMark(std::string& text);
    static AdisValue CalfFateAtMother(const clsAdisDataLine& line, const HerdAnimals& animals);

private:
    bool nationalCoding_;
};

} // namespace modNational
