#include "WindowSystem.h"

#include "common/Platform.h"

bool WindowSystemAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!Platform::EnvironmentValue(name).value_or("").empty())
            return true;
    return false;
}
