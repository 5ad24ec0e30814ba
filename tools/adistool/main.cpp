// adistool: reads an ADIS file with the link program's reader and reports the
// messages (check), the model as JSON (dump), or writes it again (rewrite);
// writes the built-in dictionaries (dict). Exit status: 0 when the reading (and
// writing) succeeded, 1 when not, 2 for a usage error.

#include "AdisJson.h"
#include "AdisSummary.h"
#include "BuiltInDictionaries.h"
#include "ToolOptions.h"

#include "adis/clsAdisDataFile.h"
#include "common/CommandLineMode.h"
#include "dictionary/clsAdisDataDict.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

void Print(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

// The dictionary named by --dict: none (empty), a built-in name or a file.
std::shared_ptr<clsAdisDataDict> DictionaryOf(const ToolOptions& options) {
    if (options.dict.empty())
        return std::make_shared<clsAdisDataDict>();
    if (options.dict == "herd" || options.dict == "national")
        return BuiltInDictionary(options.dict, options.nationalVersion);
    auto dict = std::make_shared<clsAdisDataDict>();
    return dict->Load(options.dict, "", "", "") ? dict : nullptr;
}

int Run(const ToolOptions& options) {
    if (options.command == "dict") {
        const auto dict = BuiltInDictionary(options.file, options.nationalVersion);
        if (!dict) {
            Print(stderr, "adistool: no built-in dictionary " + options.file + " " +
                              options.nationalVersion + "\n");
            return ExitUsage;
        }
        return dict->Save(options.output) ? 0 : ExitFailure;
    }
    const auto dict = DictionaryOf(options);
    if (!dict) {
        Print(stderr, "adistool: cannot load the dictionary " + options.dict + "\n");
        return ExitUsage;
    }
    // "show" lists every line, whatever the keys of the dictionary's events make
    // of it: a summary for people, not a check.
    clsAdisEvents keyless;
    if (options.command == "show")
        for (const auto& event : dict->Events())
            keyless.AddItem(event->EventNo, std::make_shared<clsAdisKeyItems>(), 0, event->Items());
    clsAdisDataFile file;
    clsMessages messages;
    const bool result =
        file.Read(options.file, messages, dict, options.command == "show" ? &keyless : nullptr,
                  options.checkEvents, options.requireHeader);
    if (options.command == "show") {
        Print(stdout, AdisSummary(file, messages, result, options.lines));
        return result ? 0 : ExitFailure;
    }
    if (options.command == "dump") {
        Print(stdout, AdisFileJson(file, messages, result));
        return result ? 0 : ExitFailure;
    }
    for (const auto& message : messages)
        Print(stdout, message + "\n");
    if (options.command == "check" || !result)
        return result ? 0 : ExitFailure;
    if (!file.WriteData(nullptr, options.output)) {
        Print(stderr, "adistool: cannot write " + options.output + "\n");
        return ExitFailure;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto options = ParseToolOptions(args);
    if (!options) {
        Print(stderr, UsageText);
        return ExitUsage;
    }
    modCommon::SetCommandLineMode(true);
    try {
        return Run(*options);
    } catch (const std::exception& error) {
        Print(stderr, std::string("adistool: ") + error.what() + "\n");
        return ExitFailure;
    }
}
