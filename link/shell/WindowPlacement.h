#pragma once

#include <cstdint>

// The main window's placement as the per-user registry keeps it: the normal
// (neither minimised nor maximised) rectangle in twips and the window state.
namespace Shell {

enum class WindowStateValue : std::int32_t { Normal = 0, Minimized = 1, Maximized = 2 };

struct WindowPlacement {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t WindowState = 0;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The default size of the window: 10572 by 7140 twips.
inline constexpr std::int32_t kDefaultWidthTwips = 10572;
inline constexpr std::int32_t kDefaultHeightTwips = 7140;

// The defaults, with each of "Left", "Top", "Width", "Height" and "WindowState"
// that exists under the per-user key in its place.
WindowPlacement ReadWindowPlacement(const WindowPlacement& defaults);

// Writes "WindowState", "Left", "Top", "Width" and "Height" under the per-user key.
void WriteWindowPlacement(const WindowPlacement& placement);

} // namespace Shell
