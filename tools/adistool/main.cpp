// adistool: reads an ADIS file with the link program's reader and reports the
// messages (check), the model as JSON (dump), or writes it again (rewrite);
// writes the built-in dictionaries (dict). Exit status: 0 when the reading (and
// writing) succeeded, 1 when not (a dictionary or request file that cannot be
// used included), 2 for a usage error.

#include "AdisJson.h"
#include "AdisSummary.h"
#include "BuiltInDictionaries.h"
#include "KeyEvents.h"
#include "ToolOptions.h"

#include "adis/clsAdisDataFile.h"
#include "common/CommandLineMode.h"
#include "dictionary/clsAdisDataDict.h"

#include <cstdio>
#include <cstdlib>
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

// The dictionary named by --dict: none (empty), a built-in name or a file. A
// file must load and hold items and events; nothing (after a message) otherwise.
std::shared_ptr<clsAdisDataDict> DictionaryOf(const ToolOptions& options) {
    if (options.dict.empty())
        return std::make_shared<clsAdisDataDict>();
    if (options.dict == "herd" || options.dict == "national")
        return BuiltInDictionary(options.dict, options.nationalVersion);
    auto dict = std::make_shared<clsAdisDataDict>();
    if (!dict->Load(options.dict, "", "", "")) {
        Print(stderr, "adistool: cannot load the dictionary " + options.dict + "\n");
        return nullptr;
    }
    const char* const lacks = dict->Items().Count() == 0    ? "items"
                              : dict->Events().Count() == 0 ? "events"
                                                            : nullptr;
    if (lacks) {
        Print(stderr, "adistool: the dictionary " + options.dict + " has no " + lacks + "\n");
        return nullptr;
    }
    return dict;
}

// One run of the tool. It holds the model it read, which main does not free:
// the process ends right after, and freeing a large model line by line only
// costs time.
class ToolRun {
public:
    int Execute(const ToolOptions& options) {
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
        if (!dict)
            return ExitFailure;
        if (!options.keyEventsFile.empty()) {
            keyEvents_ = RequestKeyEvents(options.keyEventsFile, *dict);
            if (!keyEvents_) {
                Print(stderr,
                      "adistool: cannot read the request file " + options.keyEventsFile + "\n");
                return ExitFailure;
            }
        }
        // "show" lists every line, whatever the keys of the dictionary's events
        // make of it: a summary for people, not a check.
        if (options.command == "show" && !keyEvents_) {
            keyEvents_ = std::make_unique<clsAdisEvents>();
            for (const auto& event : dict->Events())
                keyEvents_->AddItem(event->EventNo, std::make_shared<clsAdisKeyItems>(), 0,
                                    event->Items());
        }
        const bool result = file_.Read(options.file, messages_, dict, keyEvents_.get(),
                                       options.checkEvents, options.requireHeader);
        if (options.command == "show") {
            Print(stdout, AdisSummary(file_, messages_, result, options.lines));
            return result ? 0 : ExitFailure;
        }
        if (options.command == "dump") {
            Print(stdout, AdisFileJson(file_, messages_, result));
            return result ? 0 : ExitFailure;
        }
        for (const auto& message : messages_)
            Print(stdout, message + "\n");
        if (options.command == "check" || !result)
            return result ? 0 : ExitFailure;
        if (!file_.WriteData(nullptr, options.output)) {
            Print(stderr, "adistool: cannot write " + options.output + "\n");
            return ExitFailure;
        }
        return 0;
    }

private:
    std::shared_ptr<clsAdisEvents> keyEvents_;
    clsAdisDataFile file_;
    clsMessages messages_;
};

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const auto options = ParseToolOptions(args);
    if (!options) {
        Print(stderr, UsageText);
        return ExitUsage;
    }
    modCommon::SetCommandLineMode(true);
    ToolRun run;
    int status = ExitFailure;
    try {
        status = run.Execute(*options);
    } catch (const std::exception& error) {
        Print(stderr, std::string("adistool: ") + error.what() + "\n");
    }
    // Ends here without unwinding: `run` and its model are dropped with the process.
    std::exit(status);
}
