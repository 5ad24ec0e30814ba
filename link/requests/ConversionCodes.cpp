#include "requests/ConversionCodes.h"

#include <algorithm>
#include <array>

namespace modNational {
namespace {

constexpr std::array<long long, 7> kKeptExitCodes{1, 32, 46, 51, 52, 53, 54};
constexpr std::array<long long, 20> kSlaughterCauses{2,  4,  5,  6,  7,  8,  9,  11, 12, 13,
                                                     14, 15, 16, 17, 18, 19, 31, 34, 35, 50};

template <std::size_t N> bool OneOf(const std::array<long long, N>& codes, const AdisValue& value) {
    const auto number = WholeNumberOf(value);
    return number && std::find(codes.begin(), codes.end(), *number) != codes.end();
}

AdisValue SexOf(const AdisValue& value, long long male, long long female) {
    const auto number = WholeNumberOf(value);
    if (number == male)
        return std::string("M");
    if (number == female)
        return std::string("F");
    return AdisNull{};
}

} // namespace

std::optional<long long> WholeNumberOf(const AdisValue& value) {
    const auto number = AdisValues::AsNumber(value);
    if (!number)
        return std::nullopt;
    const auto whole = number->ScaledTo(0);
    if (!whole || AdisNumber::Compare(*number, AdisNumber::FromInteger(*whole)) != 0)
        return std::nullopt;
    return *whole;
}

AdisValue SexCode(const AdisValue& value) {
    return SexOf(value, 0, 1);
}

AdisValue SexCode2(const AdisValue& value) {
    return SexOf(value, 1, 2);
}

bool IsKeptCalvingCode(const AdisValue& value) {
    return OneOf(kKeptExitCodes, value);
}

AdisValue MapCalvingCode(const AdisValue& value) {
    if (IsNull(value) || IsEmpty(value))
        return AdisNull{};
    if (OneOf(kSlaughterCauses, value))
        return AdisValues::Number(32);
    return AdisEmpty{};
}

} // namespace modNational
