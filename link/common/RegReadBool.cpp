#include "modUtils.h"

namespace modUtils {

bool RegReadBool(bool& out, RegRoot root, std::string_view key, std::string_view valueName) {
    std::int32_t number = 0;
    const bool found = RegReadLong(number, root, key, valueName);
    out = found && number != 0;
    return found;
}

} // namespace modUtils
