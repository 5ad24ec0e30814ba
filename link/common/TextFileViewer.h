#pragma once

#include <string>

namespace modUtils {

// Whether the program must not open anything on the screen: LINK_HEADLESS=1
// (unattended use, tests).
bool HeadlessRequested();

// Opens a text file for the user to read, the way this platform does it
// (Notepad on Windows; the desktop's opener where a display is present), without
// waiting; nothing when headless. A trace line says what was done.
void ShowTextFile(const std::string& path);

} // namespace modUtils
