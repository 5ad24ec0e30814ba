#include "relay/RelayCommandLine.h"

#include <array>

namespace Relay {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the text at pos starts with the switch, in any case.
bool SwitchAt(std::string_view text, std::size_t pos, std::string_view word) {
    if (pos + word.size() > text.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[pos + i]) != word[i])
            return false;
    return true;
}

// Any switch of the call at pos; "/n" only as a word of its own, so that a path
// such as "/nfs/in.dat" is no switch.
bool AnySwitchAt(std::string_view text, std::size_t pos) {
    static constexpr std::array<std::string_view, 4> kValueSwitches{"-f ", "-o ", "-l ", "-d "};
    for (const auto word : kValueSwitches)
        if (SwitchAt(text, pos, word))
            return true;
    return SwitchAt(text, pos, "/n") && (pos + 2 == text.size() || text[pos + 2] == ' ');
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The value of the switch ("-f " etc.) at its first place as a word of its own;
// nothing when the switch is absent.
std::optional<std::string> SwitchValue(std::string_view text, std::string_view word) {
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if ((pos > 0 && text[pos - 1] != ' ') || !SwitchAt(text, pos, word))
            continue;
        const std::size_t start = pos + word.size();
        std::size_t end = start;
        while (end < text.size() && !(end == start && AnySwitchAt(text, end)) &&
               !(text[end] == ' ' && AnySwitchAt(text, end + 1)))
            ++end;
        return std::string(Trimmed(text.substr(start, end - start)));
    }
    return std::nullopt;
}

} // namespace

std::optional<RelayPaths> ParseRelayCommandLine(std::string_view commandLine) {
    RelayPaths paths;
    const auto in = SwitchValue(commandLine, "-f ");
    if (!in || in->empty())
        return std::nullopt;
    paths.localIn = *in;
    if (const auto out = SwitchValue(commandLine, "-o "); out && !out->empty())
        paths.localOut = *out;
    if (const auto log = SwitchValue(commandLine, "-l "); log && !log->empty())
        paths.localLog = *log;
    return paths;
}

std::string CommandLineText(const std::vector<std::string>& arguments) {
    std::string text;
    for (const auto& argument : arguments) {
        if (!text.empty())
            text += ' ';
        text += argument;
    }
    return text;
}

} // namespace Relay
