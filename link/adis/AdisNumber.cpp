#include "AdisNumber.h"

#include "AdisText.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace {

constexpr std::int64_t kPow10[] = {1LL,
                                   10LL,
                                   100LL,
                                   1000LL,
                                   10000LL,
                                   100000LL,
                                   1000000LL,
                                   10000000LL,
                                   100000000LL,
                                   1000000000LL,
                                   10000000000LL,
                                   100000000000LL,
                                   1000000000000LL,
                                   10000000000000LL,
                                   100000000000000LL,
                                   1000000000000000LL,
                                   10000000000000000LL,
                                   100000000000000000LL,
                                   1000000000000000000LL};

// Divides with rounding of halves to the even neighbour.
std::int64_t DivideHalfEven(std::int64_t value, std::int64_t divisor) {
    std::int64_t quotient = value / divisor;
    std::int64_t remainder = value % divisor;
    if (remainder < 0)
        remainder = -remainder;
    // remainder < divisor <= 10^18, so twice the remainder still fits.
    const std::int64_t twice = remainder * 2;
    if (twice > divisor || (twice == divisor && quotient % 2 != 0))
        quotient += value < 0 ? -1 : 1;
    return quotient;
}

} // namespace

std::optional<AdisNumber> AdisNumber::Parse(std::string_view text) {
    const AdisText::SignedText number = AdisText::SplitSign(text);
    const bool negative = number.negative;
    std::uint64_t mantissa = 0;
    int scale = 0, digits = 0;
    bool point = false;
    for (const char c : number.body) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        ++digits;
        if (point) {
            if (++scale > MaxScale)
                return std::nullopt;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (mantissa > (static_cast<std::uint64_t>(INT64_MAX) - digit) / 10)
            return std::nullopt;
        mantissa = mantissa * 10 + digit;
    }
    if (digits == 0)
        return std::nullopt;
    const auto signedMantissa = static_cast<std::int64_t>(mantissa);
    return AdisNumber(negative ? -signedMantissa : signedMantissa, scale);
}

std::optional<AdisNumber> AdisNumber::FromDouble(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9.2e18)
        return std::nullopt;
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec == std::errc()) {
        if (auto parsed = Parse(std::string_view(buffer, result.ptr - buffer)))
            return parsed;
    }
    // Too many digits for 64 bits: keep as many decimals as fit.
    int integerDigits = 1;
    for (double magnitude = std::fabs(value); magnitude >= 10.0; magnitude /= 10.0)
        ++integerDigits;
    for (int precision = MaxScale - integerDigits; precision >= 0; --precision) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                               precision);
        if (result.ec == std::errc()) {
            if (auto parsed = Parse(std::string_view(buffer, result.ptr - buffer)))
                return parsed;
        }
    }
    return std::nullopt;
}

double AdisNumber::ToDouble() const {
    return static_cast<double>(mantissa_) / static_cast<double>(kPow10[scale_]);
}

std::string AdisNumber::ToText() const {
    std::int64_t mantissa = mantissa_;
    int scale = scale_;
    while (scale > 0 && mantissa % 10 == 0) {
        mantissa /= 10;
        --scale;
    }
    const bool negative = mantissa < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(mantissa) : static_cast<std::uint64_t>(mantissa);
    std::string digits = std::to_string(magnitude);
    if (scale > 0) {
        if (digits.size() <= static_cast<std::size_t>(scale))
            digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(scale), 1, '.');
    }
    return negative ? "-" + digits : digits;
}

std::optional<std::int64_t> AdisNumber::ScaledTo(int scale) const {
    const int shift = scale - scale_;
    if (shift < -MaxScale - MaxScale || shift > MaxScale + MaxScale)
        return std::nullopt;
    if (shift >= 0) {
        if (shift > MaxScale)
            return mantissa_ == 0 ? std::optional<std::int64_t>(0) : std::nullopt;
        std::int64_t result;
        if (__builtin_mul_overflow(mantissa_, kPow10[shift], &result))
            return std::nullopt;
        return result;
    }
    if (-shift > MaxScale)
        return 0; // |mantissa| < 0.5 * 10^19: rounds to zero
    return DivideHalfEven(mantissa_, kPow10[-shift]);
}

std::optional<AdisNumber> AdisNumber::Rounded(int scale) const {
    if (scale < 0 || scale > MaxScale)
        return std::nullopt;
    if (scale >= scale_)
        return *this;
    return AdisNumber(DivideHalfEven(mantissa_, kPow10[scale_ - scale]), scale);
}

std::optional<AdisNumber> AdisNumber::DividedByPowerOfTen(int places, int scale) const {
    if (places < 0 || places > MaxScale || scale < 0 || scale > MaxScale)
        return std::nullopt;
    // value / 10^places at `scale` decimals is the mantissa shifted by
    // (scale - places - scale_) decimal places.
    const int shift = scale - places - scale_;
    std::int64_t mantissa;
    if (shift >= 0) {
        if (shift > MaxScale || __builtin_mul_overflow(mantissa_, kPow10[shift], &mantissa))
            return std::nullopt;
    } else if (-shift > MaxScale) {
        mantissa = 0;
    } else {
        mantissa = DivideHalfEven(mantissa_, kPow10[-shift]);
    }
    return AdisNumber(mantissa, scale);
}

int AdisNumber::Compare(const AdisNumber& a, const AdisNumber& b) {
    // Bring both to the larger scale in 128 bits: exact for every 64-bit mantissa.
    const int scale = a.scale_ > b.scale_ ? a.scale_ : b.scale_;
    __int128 left = a.mantissa_, right = b.mantissa_;
    for (int i = a.scale_; i < scale; ++i)
        left *= 10;
    for (int i = b.scale_; i < scale; ++i)
        right *= 10;
    return left < right ? -1 : left > right ? 1 : 0;
}
