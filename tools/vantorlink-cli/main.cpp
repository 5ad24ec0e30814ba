// vantorlink-cli: the national commands of VantorLink without the window.
#include "CliArguments.h"
#include "CliCommands.h"

#include "common/UserInterface.h"
#include "exchange/ExchangeShared.h"
#include "startup/ProgramStartup.h"

#include <cstdio>
#include <memory>

namespace {

// The headless user interface, which also tells what a long function is doing.
class CliUserInterface : public LinkUi::HeadlessUserInterface {
public:
    void SetStatusText(std::string_view text) override {
        if (text.empty())
            return;
        std::fwrite(text.data(), 1, text.size(), stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
    }
};

int RunCommand(const VantorCli::CliCommand& command) {
    using VantorCli::Command;
    switch (command.command) {
    case Command::Initialize:
        return PrintOutcome(modNational::RunInitializeCommand(), command.command);
    case Command::Check:
        return PrintOutcome(modNational::RunCheckCommand(), command.command);
    case Command::Send:
        return PrintOutcome(modNational::RunSendAdisDataCommand(command.file), command.command);
    case Command::AddAnimals:
        if (auto blocked = modNational::BlockedByVantorSync())
            return PrintOutcome(*blocked, command.command);
        if (command.addAnimals.Any())
            VantorCli::StoreAddAnimalsChoices(command.addAnimals);
        return PrintOutcome(modNational::RunAddAnimalsCommand(command.file), command.command);
    case Command::Herds:
        return VantorCli::RunHerds(command);
    case Command::Settings:
        return VantorCli::RunSettings(command);
    case Command::Help:
        break;
    }
    return modNational::kExitUsage;
}

} // namespace

int main(int argc, char** argv) {
    const auto args = VantorCli::ProgramArguments(argc, argv);
    std::string error;
    const auto command = VantorCli::ParseCommandLine(args, error);
    if (!command) {
        const std::string topic = args.empty() ? std::string() : args.front();
        std::fprintf(stderr, "vantorlink-cli: %s\n\n%s", error.c_str(),
                     VantorCli::HelpText(topic).c_str());
        return modNational::kExitUsage;
    }
    if (command->command == VantorCli::Command::Help) {
        std::fputs(VantorCli::HelpText(command->helpTopic).c_str(), stdout);
        return modNational::kExitSuccess;
    }
    LinkUi::SetUi(std::make_shared<CliUserInterface>());
    modStartup::InitializeProgram({});
    // The commands run as the window runs them, which shows the failure of the
    // ISO application; here it goes to standard error.
    modMirelCom::SetMainWindowVisible(true);
    return RunCommand(*command);
}
