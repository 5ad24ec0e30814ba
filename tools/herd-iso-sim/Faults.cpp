#include "Faults.h"

#include "common/Platform.h"

#include <charconv>

namespace HerdSim {
namespace {

std::optional<int> NumberAfter(std::string_view word, std::string_view prefix) {
    if (word.substr(0, prefix.size()) != prefix)
        return std::nullopt;
    const std::string_view digits = word.substr(prefix.size());
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace

Faults ParseFaults(std::string_view text) {
    Faults faults;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        std::string_view word = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        while (!word.empty() && word.front() == ' ')
            word.remove_prefix(1);
        while (!word.empty() && word.back() == ' ')
            word.remove_suffix(1);
        if (word.empty())
            continue;
        if (const auto code = NumberAfter(word, "exit="))
            faults.exitCode = code;
        else if (const auto ms = NumberAfter(word, "sleep="))
            faults.sleepMs = *ms;
        else if (const auto serveMs = NumberAfter(word, "slow-serve="))
            faults.slowServeMs = *serveMs;
        else if (word == "keep-request")
            faults.keepRequest = true;
        else if (word == "no-answer")
            faults.noAnswer = true;
        else if (word == "no-header")
            faults.noHeader = true;
        else if (word == "error-log")
            faults.errorLog = true;
        else if (word == "bad-line")
            faults.badLine = true;
        else if (word == "warn-answer")
            faults.warnAnswer = true;
        else
            faults.unknown.append(faults.unknown.empty() ? "" : ",").append(word);
    }
    return faults;
}

Faults FaultsFromEnvironment() {
    const auto text = Platform::EnvironmentValue("HERD_ISO_SIM_FAULT");
    return text ? ParseFaults(*text) : Faults{};
}

} // namespace HerdSim
