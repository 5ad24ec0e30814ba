#include "RegistryValue.h"

namespace RegistryValue {
namespace {

constexpr std::size_t kNumberPlace = 4; // a value is never read beyond this place

std::uint32_t LittleEndian(std::string_view data) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < data.size() && i < kNumberPlace; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    return value;
}

} // namespace

std::optional<std::string> AsText(std::uint32_t type, std::string_view data) {
    if (type == String || type == ExpandString)
        return std::string(data.substr(0, data.find('\0')));
    if (type == Binary && data.size() <= kNumberPlace) {
        const auto first = static_cast<std::int16_t>(LittleEndian(data.substr(0, 2)) & 0xFFFF);
        return std::to_string(first);
    }
    return std::nullopt;
}

std::optional<std::int32_t> AsLong(std::uint32_t type, std::string_view data) {
    if ((type == DWord || type == Binary) && data.size() <= kNumberPlace)
        return static_cast<std::int32_t>(LittleEndian(data));
    return std::nullopt;
}

std::string DWordBytes(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace RegistryValue
