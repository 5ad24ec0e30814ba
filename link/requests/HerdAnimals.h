#pragma once

#include "adis/AdisValue.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

class clsAdisDataFile;
class clsAdisDataLine;

namespace modNational {

// The animals of the herd answer (its event 000001, one line per animal keyed by
// the official identity) with the lookups the conversion needs.
class HerdAnimals {
public:
    explicit HerdAnimals(const clsAdisDataFile& herdAnswer);

    bool Empty() const { return byIdentity_.empty(); }
    // The animal whose identity is the first 15 characters of the text (a line
    // key, an identity value); trailing blanks do not count.
    std::shared_ptr<clsAdisDataLine> ByKey(std::string_view identity) const;
    std::shared_ptr<clsAdisDataLine> ByIdentity(const AdisValue& identity) const;
    // The animal of an animal number (300001).
    std::shared_ptr<clsAdisDataLine> ByNumber(const AdisValue& animalNo) const;
    // The animal's mother: the animal whose identity is the animal's 303924.
    std::shared_ptr<clsAdisDataLine> MotherOf(const clsAdisDataLine& animal) const;

    // The herd database's identities are 15 characters long.
    static constexpr std::size_t kIdentityLength = 15;
    // The first 15 characters of the text without trailing blanks.
    static std::string IdentityKey(std::string_view text);

private:
    std::unordered_map<std::string, std::shared_ptr<clsAdisDataLine>> byIdentity_;
    std::unordered_map<long long, std::shared_ptr<clsAdisDataLine>> byNumber_;
};

// The value of a DD number in a line; Empty when the line has none.
AdisValue ValueIn(const clsAdisDataLine& line, std::int32_t ddNo);
// Whether a value was given: neither Empty nor Null.
bool IsGiven(const AdisValue& value);
// Whether both values are the same whole number.
bool SameWholeNumber(const AdisValue& a, const AdisValue& b);

// A cow's calf slots in the herd answer's animal lines: the calf's animal
// number, its calving ease and its fate.
struct HerdCalfItems {
    std::int32_t number;
    std::int32_t ease;
    std::int32_t fate;
};
inline constexpr HerdCalfItems kFirstCalfItems{300339, 351135, 351139};
inline constexpr HerdCalfItems kSecondCalfItems{300340, 351136, 351140};

} // namespace modNational
