#include "common/Platform.h"
#include "relay/RelayHeadless.h"

namespace Relay {

// An X or Wayland display, or a Qt platform chosen explicitly (such as offscreen).
bool DisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!Platform::EnvironmentValue(name).value_or("").empty())
            return true;
    return false;
}

} // namespace Relay
