#include "ProgramArguments.h"

#include <array>

namespace HerdSim {
namespace {

constexpr std::array<std::string_view, 4> kValueSwitches = {" -f ", " -o ", " -l ", " -d "};
constexpr std::string_view kNoWindowSwitch = " /n";

// Where the next switch begins at or after `from`; the text's end when none.
std::size_t NextSwitch(std::string_view text, std::size_t from) {
    std::size_t next = text.size();
    for (const std::string_view name : kValueSwitches)
        next = std::min(next, text.find(name, from));
    for (std::size_t at = text.find(kNoWindowSwitch, from); at != std::string_view::npos;
         at = text.find(kNoWindowSwitch, at + 1)) {
        const std::size_t after = at + kNoWindowSwitch.size();
        if (after == text.size() || text[after] == ' ') {
            next = std::min(next, at);
            break;
        }
    }
    return next;
}

} // namespace

std::optional<std::vector<std::string>> SplitIsoCall(std::string_view commandLine) {
    std::size_t at = commandLine.find(kValueSwitches[0]);
    if (at == std::string_view::npos)
        return std::nullopt;
    std::vector<std::string> args;
    while (at < commandLine.size()) {
        if (commandLine.compare(at, kNoWindowSwitch.size(), kNoWindowSwitch) == 0) {
            args.emplace_back("/n");
            at = NextSwitch(commandLine, at + kNoWindowSwitch.size());
            continue;
        }
        const std::string_view name = commandLine.substr(at + 1, 2);
        const std::size_t valueStart = at + 4;
        const std::size_t end = NextSwitch(commandLine, valueStart);
        args.emplace_back(name);
        args.emplace_back(commandLine.substr(valueStart, end - valueStart));
        at = end;
    }
    return args;
}

} // namespace HerdSim
