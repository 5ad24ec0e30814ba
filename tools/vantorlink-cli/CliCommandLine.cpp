#include "CliCommandLine.h"

#include "SettingKeys.h"

#include <map>

namespace VantorCli {
namespace {

const char* const kToolHelp =
    "usage: vantorlink-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "The national functions of VantorLink without its window, for the herd and\n"
    "with the settings of the program folder (LINK_APP_FOLDER, else the folder of\n"
    "this program).\n"
    "\n"
    "Commands:\n"
    "  initialize          send the national code tables to the herd-management side\n"
    "  check               check the official identities of the herd's animals\n"
    "  send FILE           hand an ADIS file to the herd-management side\n"
    "  add-animals FILE    add the animals of a national animal list (055501)\n"
    "  herds               list, select, add or remove herds\n"
    "  settings            show or change the settings\n"
    "\n"
    "Each command prints the message the window would show, the report\n"
    "\"~link.log\" when the window would show it, and for add-animals the\n"
    "animals taken. Messages shown on the way go to standard error.\n"
    "Exit status: 0 success, 1 problems found (invalid or repeated identities,\n"
    "errors in an answer), 2 usage error, 3 could not run (ISO application\n"
    "failed, no data, database failure).\n"
    "\"vantorlink-cli COMMAND --help\" describes a command.\n";

const std::map<std::string, std::string>& CommandHelps() {
    static const std::map<std::string, std::string> helps = {
        {"initialize",
         "usage: vantorlink-cli initialize\n"
         "\n"
         "Sends the code tables of every national dictionary version, the oldest first,\n"
         "to the herd-management ISO application. With an ISO application older than\n"
         "5.5 the lookup entries of the herd database are hidden before and the\n"
         "national ones shown again after. Not allowed when Vantor Sync is installed.\n"},
        {"check", "usage: vantorlink-cli check\n"
                  "\n"
                  "Asks the herd-management side for its animals and checks their official\n"
                  "identities (\"SE-123456-1234\"). Invalid, missing and repeated identities are\n"
                  "listed in the report \"~link.log\", which is printed (exit status 1).\n"},
        {"send", "usage: vantorlink-cli send FILE\n"
                 "\n"
                 "Hands FILE unchanged to the herd-management ISO application. Success when\n"
                 "the herd side takes it without answering data; otherwise the report\n"
                 "\"~link.log\" says why. Not allowed when Vantor Sync is installed.\n"},
        {"add-animals",
         "usage: vantorlink-cli add-animals FILE [--cows G1,G2] [--heifers G1,G2,G3]\n"
         "         [--inseminated] [--pregnant] [--bulls G] [--no-cows] [--no-heifers]\n"
         "\n"
         "Sends the code tables, then the animals of the national animal list FILE\n"
         "(event 055501) that the choices take: the new ones with their group, and the\n"
         "animal data of every animal taken. Prints the animals taken by kind and group.\n"
         "  --cows G1,G2        take cows: lactation 1 into group G1, later ones into G2\n"
         "  --heifers G1,G2,G3  take heifers: open ones into G1, inseminated ones into\n"
         "                      G2, pregnant ones into G3\n"
         "  --inseminated       take inseminated heifers too (with heifers)\n"
         "  --pregnant          take pregnant heifers too (with heifers)\n"
         "  --bulls G           take bulls into group G\n"
         "  --no-cows           take no cows\n"
         "  --no-heifers        take no heifers\n"
         "Groups are 1 to 199; groups left out keep their stored values. Choices not\n"
         "given keep the stored settings; those given are stored, as the Add Animals\n"
         "dialog stores them (\"settings AddInseminatedHeifers=0\" and the like turn a\n"
         "choice off). Not allowed when Vantor Sync is installed.\n"},
        {"herds",
         "usage: vantorlink-cli herds [--select HERDNO | --add HERDNO | --remove HERDNO]\n"
         "\n"
         "Lists the herds of the herd list, the current one marked \"*\". --add adds a\n"
         "herd and makes it the current one, --select makes a listed herd the current\n"
         "one, --remove removes a listed herd (the first remaining one becomes current).\n"},
        {"settings", "usage: vantorlink-cli settings [KEY=VALUE ...]\n"
                     "\n"
                     "Shows the settings as KEY=VALUE; with arguments, changes and stores them\n"
                     "first. Keys: HerdNo (at most 9 characters); LookupShortText,\n"
                     "RemoteConnection, AddCows, AddHeifers, AddInseminatedHeifers,\n"
                     "AddPregnantHeifers, AddBulls, AddSteers (0 or 1); AddCowsGroup1,\n"
                     "AddCowsGroup2, AddHeifersGroup1, AddHeifersGroup2, AddHeifersGroup3,\n"
                     "AddBullsGroup, AddSteersGroup (1 to 199).\n"},
    };
    return helps;
}

const std::map<std::string, Command> kCommands = {
    {"initialize", Command::Initialize},
    {"check", Command::Check},
    {"send", Command::Send},
    {"add-animals", Command::AddAnimals},
    {"herds", Command::Herds},
    {"settings", Command::Settings},
};

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

// "G1,G2,...": one to `most` groups of 1 to 199.
bool ParseGroups(const std::string& option, const std::string& text, std::size_t most,
                 std::vector<std::int32_t>& groups, std::string& error) {
    groups.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const auto group = ParseGroup(std::string_view(text).substr(
            start, comma == std::string::npos ? std::string::npos : comma - start));
        if (!group) {
            error = option + " takes groups 1 to 199 separated by \",\": " + text;
            return false;
        }
        groups.push_back(*group);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (groups.size() > most) {
        error = option + " takes at most " + std::to_string(most) + " groups: " + text;
        return false;
    }
    return true;
}

class Parser {
public:
    Parser(const std::vector<std::string>& args, std::string& error) : args_(args), error_(error) {}

    std::optional<CliCommand> Parse() {
        if (args_.empty()) {
            error_ = "no command given";
            return std::nullopt;
        }
        if (IsHelp(args_[0]))
            return CliCommand{};
        const auto found = kCommands.find(args_[0]);
        if (found == kCommands.end()) {
            error_ = "unknown command: " + args_[0];
            return std::nullopt;
        }
        command_.command = found->second;
        for (std::size_t i = 1; i < args_.size(); ++i)
            if (IsHelp(args_[i])) {
                command_.command = Command::Help;
                command_.helpTopic = args_[0];
                return command_;
            }
        next_ = 1;
        if (!ParseArguments())
            return std::nullopt;
        return command_;
    }

private:
    bool ParseArguments() {
        switch (command_.command) {
        case Command::Initialize:
        case Command::Check:
            return NoMore();
        case Command::Send:
            return TakeFile() && NoMore();
        case Command::AddAnimals:
            return TakeFile() && AddAnimalsOptions();
        case Command::Herds:
            return HerdOption() && NoMore();
        case Command::Settings:
            return SettingAssignments();
        case Command::Help:
            break;
        }
        return true;
    }

    bool Fail(std::string error) {
        error_ = std::move(error);
        return false;
    }

    bool NoMore() { return next_ >= args_.size() || Fail("unexpected argument: " + args_[next_]); }

    bool TakeFile() {
        if (next_ >= args_.size() || args_[next_].rfind("--", 0) == 0)
            return Fail(args_[0] + " needs a FILE");
        command_.file = args_[next_++];
        return true;
    }

    bool TakeValue(const std::string& option, std::string& value) {
        if (next_ >= args_.size())
            return Fail("missing value after " + option);
        value = args_[next_++];
        return true;
    }

    bool AddAnimalsOptions() {
        AddAnimalsChoices& choices = command_.addAnimals;
        while (next_ < args_.size()) {
            const std::string option = args_[next_++];
            std::string value;
            if (option == "--cows" || option == "--heifers") {
                const bool cows = option == "--cows";
                if (!TakeValue(option, value) ||
                    !ParseGroups(option, value, cows ? 2 : 3,
                                 cows ? choices.cowGroups : choices.heiferGroups, error_))
                    return false;
                if (!Choose(cows ? choices.cows : choices.heifers, true, option))
                    return false;
            } else if (option == "--no-cows" || option == "--no-heifers") {
                if (!Choose(option == "--no-cows" ? choices.cows : choices.heifers, false, option))
                    return false;
            } else if (option == "--inseminated") {
                choices.inseminated = true;
            } else if (option == "--pregnant") {
                choices.pregnant = true;
            } else if (option == "--bulls") {
                if (!TakeValue(option, value))
                    return false;
                choices.bullsGroup = ParseGroup(value);
                if (!choices.bullsGroup)
                    return Fail("--bulls takes a group 1 to 199: " + value);
            } else {
                return Fail("unknown option of add-animals: " + option);
            }
        }
        return true;
    }

    // A kind is taken or not once: "--cows" with "--no-cows" contradicts itself.
    bool Choose(std::optional<bool>& choice, bool take, const std::string& option) {
        if (choice && *choice != take)
            return Fail(option + " contradicts an earlier choice");
        choice = take;
        return true;
    }

    bool HerdOption() {
        if (next_ >= args_.size())
            return true;
        const std::string option = args_[next_++];
        static const std::map<std::string, HerdAction> actions = {{"--select", HerdAction::Select},
                                                                  {"--add", HerdAction::Add},
                                                                  {"--remove", HerdAction::Remove}};
        const auto found = actions.find(option);
        if (found == actions.end())
            return Fail("unknown option of herds: " + option);
        command_.herdAction = found->second;
        if (!TakeValue(option, command_.herdNo))
            return false;
        std::string error;
        if (command_.herdNo.empty() ||
            !CheckSettingValue(*FindSettingKey("HerdNo"), command_.herdNo, error))
            return Fail(option + " takes a herd number of 1 to 9 characters");
        return true;
    }

    bool SettingAssignments() {
        for (; next_ < args_.size(); ++next_) {
            const std::string& arg = args_[next_];
            const auto equals = arg.find('=');
            const SettingKey* key =
                equals == std::string::npos ? nullptr : FindSettingKey(arg.substr(0, equals));
            if (!key)
                return Fail("not a setting KEY=VALUE: " + arg);
            const std::string value = arg.substr(equals + 1);
            if (!CheckSettingValue(*key, value, error_))
                return false;
            command_.settings.emplace_back(key->name, value);
        }
        return true;
    }

    const std::vector<std::string>& args_;
    std::string& error_;
    CliCommand command_;
    std::size_t next_ = 0;
};

} // namespace

std::optional<CliCommand> ParseCommandLine(const std::vector<std::string>& args,
                                           std::string& error) {
    return Parser(args, error).Parse();
}

std::string HelpText(const std::string& topic) {
    const auto found = CommandHelps().find(topic);
    return found == CommandHelps().end() ? kToolHelp : found->second;
}

} // namespace VantorCli
