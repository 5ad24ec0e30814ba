#include "startup/CommandLine.h"

#include <cctype>

namespace modStartup {
namespace {

bool IsSwitchChar(char c) {
    return c == '-' || c == '/';
}

bool IsSwitchLetter(char c) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
    case 'f':
    case 'o':
    case 'l':
    case 'd':
    case 's':
        return true;
    default:
        return false;
    }
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string CleanValue(std::string_view value) {
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    value = value.substr(first, value.find_last_not_of(" \t") - first + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

void Store(CommandLineValues& values, char letter, std::string_view rawValue) {
    std::string value = CleanValue(rawValue);
    switch (std::tolower(static_cast<unsigned char>(letter))) {
    case 'f':
        values.inFile = std::move(value);
        break;
    case 'o':
        values.outFile = std::move(value);
        break;
    case 'l':
        values.logFile = std::move(value);
        break;
    case 'd':
        values.database = std::move(value);
        break;
    case 's':
        values.dictionarySwitches.push_back(std::move(value));
        break;
    default:
        break;
    }
}

bool SwitchAt(std::string_view text, std::size_t at) {
    return at + 1 < text.size() && IsSwitchChar(text[at]) && IsSwitchLetter(text[at + 1]) &&
           (at == 0 || IsBlank(text[at - 1])) && (at + 2 == text.size() || IsBlank(text[at + 2]));
}

// "-f", "/F": a whole argument that is a switch.
bool IsWholeSwitch(std::string_view arg) {
    return arg.size() == 2 && IsSwitchChar(arg[0]) && IsSwitchLetter(arg[1]);
}

// "-f value" or "f value" in one argument: the letter's position, or npos.
std::size_t SwitchWithValue(std::string_view arg) {
    const std::size_t letter = !arg.empty() && IsSwitchChar(arg[0]) ? 1 : 0;
    if (arg.size() > letter + 1 && IsSwitchLetter(arg[letter]) && IsBlank(arg[letter + 1]))
        return letter;
    return std::string_view::npos;
}

} // namespace

CommandLineValues ReadSwitchesFromText(std::string_view text) {
    CommandLineValues values;
    char letter = 0;
    std::size_t valueStart = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!SwitchAt(text, at))
            continue;
        if (letter)
            Store(values, letter, text.substr(valueStart, at - valueStart));
        letter = text[at + 1];
        valueStart = at + 2;
        ++at;
    }
    if (letter)
        Store(values, letter, text.substr(valueStart));
    return values;
}

CommandLineValues ReadSwitchesFromArguments(const std::vector<std::string>& args) {
    CommandLineValues values;
    char letter = 0;
    std::string value;
    const auto finish = [&] {
        if (letter)
            Store(values, letter, value);
        value.clear();
    };
    for (const std::string& arg : args) {
        if (IsWholeSwitch(arg)) {
            finish();
            letter = arg[1];
        } else if (const std::size_t at = SwitchWithValue(arg); at != std::string::npos) {
            finish();
            letter = arg[at];
            value = arg.substr(at + 2);
        } else if (letter) {
            if (!value.empty())
                value += ' ';
            value += arg;
        }
    }
    finish();
    return values;
}

} // namespace modStartup
