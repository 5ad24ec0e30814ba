#pragma once

#include "common/LanguageResources.h"
#include "common/ProgramInfo.h"

#include <QString>

#include <string>
#include <string_view>

// Texts of the window: every caption comes by number from the program's
// language (the built-in English texts or the chosen language library).
namespace Shell {

inline QString Res(long number) {
    return QString::fromStdString(modCommon::ResString(number));
}

inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

// The application title, the window's caption.
inline QString ApplicationTitle() {
    return FromUtf8(ProgramInfo::Title);
}

// Text numbers shared by several windows.
inline constexpr long kOkText = 148;
inline constexpr long kCancelText = 149;
inline constexpr long kInformationCaption = 150;
inline constexpr long kErrorCaption = 168;

} // namespace Shell
