#include "ToolOptions.h"

const char* const UsageText =
    "usage: adistool check FILE [--dict DICT] [--national-version V] [--check-events] "
    "[--require-header]\n"
    "                      [--key-events REQUEST_FILE]\n"
    "       adistool dump FILE [options as for check]\n"
    "       adistool show FILE [options as for check] [--lines N]\n"
    "       adistool rewrite FILE -o OUT [options as for check]\n"
    "       adistool dict herd|national [--national-version V] -o FILE\n"
    "DICT is a dictionary file, or \"herd\" or \"national\" for the built-in ones.\n"
    "REQUEST_FILE: the request the file answers; its request events key the value lines.\n";

std::optional<ToolOptions> ParseToolOptions(const std::vector<std::string>& args) {
    if (args.size() < 2)
        return std::nullopt;
    ToolOptions options;
    options.command = args[0];
    options.file = args[1];
    const bool readsFile = options.command == "check" || options.command == "dump" ||
                           options.command == "rewrite" || options.command == "show";
    if (!readsFile && options.command != "dict")
        return std::nullopt;
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-o" && hasValue)
            options.output = args[++i];
        else if (arg == "--national-version" && hasValue)
            options.nationalVersion = args[++i];
        else if (arg == "--dict" && hasValue && readsFile)
            options.dict = args[++i];
        else if (arg == "--key-events" && hasValue && readsFile)
            options.keyEventsFile = args[++i];
        else if (arg == "--check-events" && readsFile)
            options.checkEvents = true;
        else if (arg == "--require-header" && readsFile)
            options.requireHeader = true;
        else if (arg == "--lines" && hasValue && options.command == "show") {
            const std::string& count = args[++i];
            if (count.empty() || count.find_first_not_of("0123456789") != std::string::npos ||
                count.size() > 6)
                return std::nullopt;
            options.lines = std::stoi(count);
        } else
            return std::nullopt;
    }
    const bool needsOutput = options.command == "rewrite" || options.command == "dict";
    if (needsOutput != !options.output.empty())
        return std::nullopt;
    if (options.command == "dict" && options.file != "herd" && options.file != "national")
        return std::nullopt;
    return options;
}
