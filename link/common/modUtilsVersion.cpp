#include "modUtils.h"

#include "link_version.h"

namespace modUtils {

std::string VersionText(int n) {
    std::string text = std::to_string(LINK_VERSION_MAJOR) + "." +
                       std::to_string(LINK_VERSION_MINOR) + std::to_string(n);
    if (LINK_VERSION_REVISION != 0) {
        std::string revision = std::to_string(LINK_VERSION_REVISION);
        if (revision.size() < 3)
            revision.insert(0, 3 - revision.size(), '0');
        text += "." + revision;
    }
    return text;
}

std::string CompactVersionText(int n) {
    std::string text = VersionText(n);
    std::erase(text, '.');
    return text;
}

} // namespace modUtils
