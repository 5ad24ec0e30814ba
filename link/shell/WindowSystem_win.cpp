#include "WindowSystem.h"

bool WindowSystemAvailable() {
    return true;
}
