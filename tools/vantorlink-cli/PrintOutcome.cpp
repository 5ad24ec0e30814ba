#include "CliCommands.h"

#include "common/LanguageResources.h"
#include "common/TextEncoding.h"
#include "common/TextStream.h"
#include "exchange/modMirelCom.h"

#include <algorithm>
#include <cstdio>

namespace VantorCli {
namespace {

using modNational::AnimalKind;

// A caption without its access-key marker: "&Cows" -> "Cows".
std::string Plain(long textNo) {
    std::string text = modCommon::ResString(textNo);
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    return text;
}

void PrintLine(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

// The kinds as the add-animals dialog labels their rows.
struct KindLabel {
    AnimalKind kind;
    long row;
    long detail; // 0: none
};
constexpr KindLabel kKindLabels[] = {
    {AnimalKind::CowLactation1, 108, 106},  {AnimalKind::CowLactation2, 108, 107},
    {AnimalKind::Heifer, 109, 0},           {AnimalKind::InseminatedHeifer, 109, 110},
    {AnimalKind::PregnantHeifer, 109, 111}, {AnimalKind::Bull, 112, 0},
};

void PrintTally(const modNational::AddAnimalsTally& tally) {
    PrintLine("Animals taken: " + std::to_string(tally.newAnimals + tally.existingAnimals) +
              " (new: " + std::to_string(tally.newAnimals) +
              ", already in the herd: " + std::to_string(tally.existingAnimals) + ")");
    for (const KindLabel& label : kKindLabels) {
        const auto kind = static_cast<std::size_t>(label.kind);
        if (tally.taken[kind] == 0)
            continue;
        PrintLine("  " + Plain(label.row) + (label.detail ? ", " + Plain(label.detail) : "") +
                  ": " + std::to_string(tally.taken[kind]) + " (" + Plain(105) + " " +
                  std::to_string(tally.groups[kind]) + ")");
    }
    if (tally.repeatedKeys > 0)
        PrintLine("Left out, their key repeats another animal's: " +
                  std::to_string(tally.repeatedKeys));
}

void PrintReport() {
    std::string bytes;
    if (!ReadFileBytes(modMirelCom::LinkLogFilePath(), bytes))
        return;
    std::string text = TextEncoding::Cp1252ToUtf8(bytes);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    std::fwrite(text.data(), 1, text.size(), stdout);
}

} // namespace

int PrintOutcome(const modNational::CommandOutcome& outcome, Command command) {
    if (outcome.message)
        PrintLine(modCommon::ResString(outcome.message->text));
    else if (outcome.succeeded && command == Command::Initialize)
        PrintLine(modCommon::ResString(157)); // the window says nothing; a tool says it is done
    if (outcome.tally)
        PrintTally(*outcome.tally);
    if (outcome.openLog)
        PrintReport();
    std::fflush(stdout);
    return outcome.exitStatus;
}

} // namespace VantorCli
