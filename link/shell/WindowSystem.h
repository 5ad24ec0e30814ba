#pragma once

// Whether the program can open windows here: always on Windows; elsewhere when
// an X or Wayland display is set, or a Qt platform is chosen explicitly (such as
// Qt's offscreen platform).
bool WindowSystemAvailable();
