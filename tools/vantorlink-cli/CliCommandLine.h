#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace VantorCli {

enum class Command { Help, Initialize, Check, Send, AddAnimals, Herds, Settings };

// The add-animals choices given on the command line; what is not given keeps its
// stored setting.
struct AddAnimalsChoices {
    std::optional<bool> cows;
    std::vector<std::int32_t> cowGroups; // lactation 1, lactation 2-
    std::optional<bool> heifers;
    std::vector<std::int32_t> heiferGroups; // open, inseminated, pregnant
    bool inseminated = false;
    bool pregnant = false;
    std::optional<std::int32_t> bullsGroup;

    bool Any() const { return cows || heifers || inseminated || pregnant || bullsGroup; }
};

enum class HerdAction { List, Select, Add, Remove };

struct CliCommand {
    Command command = Command::Help;
    // For Help: the command whose help is asked for ("" for the tool's).
    std::string helpTopic;
    std::string file;
    AddAnimalsChoices addAnimals;
    HerdAction herdAction = HerdAction::List;
    std::string herdNo;
    std::vector<std::pair<std::string, std::string>> settings; // KEY=VALUE in order
};

// The command, or nothing with the reason in `error`.
std::optional<CliCommand> ParseCommandLine(const std::vector<std::string>& args,
                                           std::string& error);

// The help text of the tool ("") or of one command.
std::string HelpText(const std::string& topic);

} // namespace VantorCli
