#pragma once

#include <memory>
#include <optional>
#include <string>

class SharedLibrary;

namespace modCommon {

// A loaded language library: the texts of one language, by the same numbers as the
// built-in table.
class LanguageLibrary {
public:
    // Loads the library file at the path; nullptr when the file cannot be loaded or
    // does not export the three functions of a language library.
    static std::shared_ptr<LanguageLibrary> Open(const std::string& path);

    ~LanguageLibrary();
    LanguageLibrary(const LanguageLibrary&) = delete;
    LanguageLibrary& operator=(const LanguageLibrary&) = delete;

    // The text of the number; nothing when the library has none.
    std::optional<std::string> LoadResString(long number) const;
    std::string GetVersion() const;
    std::string GetLanguageName() const;

private:
    using LoadResStringFunction = int (*)(int, char*, int);
    using TextFunction = const char* (*)();

    LanguageLibrary(std::unique_ptr<SharedLibrary> library, LoadResStringFunction load,
                    TextFunction version, TextFunction languageName);

    std::unique_ptr<SharedLibrary> library_;
    LoadResStringFunction loadResString_;
    TextFunction getVersion_;
    TextFunction getLanguageName_;
};

} // namespace modCommon
