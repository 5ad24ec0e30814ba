#include "common/TextFileViewer.h"

#include "common/Platform.h"

namespace modUtils {

bool HeadlessRequested() {
    return Platform::EnvironmentValue("LINK_HEADLESS").value_or("") == "1";
}

} // namespace modUtils
