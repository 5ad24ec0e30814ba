#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A decimal number as an ADIS field carries it: a 64-bit mantissa and a count of
// decimals (value = Mantissa / 10^Scale). Field values never pass through binary
// floating point, so "0012" at resolution 1 is exactly 1.2 and writes back as "12".
class AdisNumber {
public:
    static constexpr int MaxScale = 18;

    constexpr AdisNumber() = default;
    // Scale outside 0..MaxScale is clamped; callers pass field resolutions.
    constexpr AdisNumber(std::int64_t mantissa, int scale)
        : mantissa_(mantissa), scale_(static_cast<std::int8_t>(scale < 0          ? 0
                                                               : scale > MaxScale ? MaxScale
                                                                                  : scale)) {}

    static constexpr AdisNumber FromInteger(std::int64_t value) { return AdisNumber(value, 0); }
    // The shortest decimal that reads back as the double; nothing for NaN, infinity
    // or a magnitude beyond 64 bits.
    static std::optional<AdisNumber> FromDouble(double value);
    // Decimal text with optional blanks around it, an optional sign and an
    // optional decimal point ("  -12.50 "). Nothing when the text is not such a
    // number or holds more digits than 64 bits can carry.
    static std::optional<AdisNumber> Parse(std::string_view text);

    constexpr std::int64_t Mantissa() const { return mantissa_; }
    constexpr int Scale() const { return scale_; }
    double ToDouble() const;
    // Plain decimal text with "." and no trailing zeros: "1.2", "-5", "100".
    std::string ToText() const;

    // The mantissa at the given number of decimals, rounded halves to the even
    // neighbour; nothing when it does not fit in 64 bits or the scale is outside
    // -MaxScale..MaxScale.
    std::optional<std::int64_t> ScaledTo(int scale) const;
    // The number rounded to the given decimals (halves to even).
    std::optional<AdisNumber> Rounded(int scale) const;
    // The number divided by 10^places (places 0..MaxScale) and rounded to
    // `scale` decimals: the reading of a field at a resolution.
    std::optional<AdisNumber> DividedByPowerOfTen(int places, int scale) const;

    // -1, 0 or 1 by numeric value (1.20 equals 1.2).
    static int Compare(const AdisNumber& a, const AdisNumber& b);
    friend bool operator==(const AdisNumber& a, const AdisNumber& b) { return Compare(a, b) == 0; }

private:
    std::int64_t mantissa_ = 0;
    std::int8_t scale_ = 0;
};
