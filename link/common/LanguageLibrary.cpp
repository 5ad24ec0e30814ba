#include "LanguageLibrary.h"

#include "LanguageLibraryAbi.h"
#include "SharedLibrary.h"

#include <limits>
#include <utility>

namespace modCommon {
namespace {

// Longer texts than this are taken as a fault of the library.
constexpr int kMaxTextBytes = 64 * 1024;

std::string TextOrEmpty(const char* text) {
    return text ? std::string(text) : std::string();
}

} // namespace

std::shared_ptr<LanguageLibrary> LanguageLibrary::Open(const std::string& path) {
    auto library = SharedLibrary::Open(path);
    if (!library)
        return nullptr;
    auto load = reinterpret_cast<LoadResStringFunction>(library->Symbol(LINK_LANG_LOAD_RES_STRING));
    auto version = reinterpret_cast<TextFunction>(library->Symbol(LINK_LANG_GET_VERSION));
    auto name = reinterpret_cast<TextFunction>(library->Symbol(LINK_LANG_GET_LANGUAGE_NAME));
    if (!load || !version || !name)
        return nullptr;
    return std::shared_ptr<LanguageLibrary>(
        new LanguageLibrary(std::move(library), load, version, name));
}

LanguageLibrary::LanguageLibrary(std::unique_ptr<SharedLibrary> library, LoadResStringFunction load,
                                 TextFunction version, TextFunction languageName)
    : library_(std::move(library)), loadResString_(load), getVersion_(version),
      getLanguageName_(languageName) {}

LanguageLibrary::~LanguageLibrary() = default;

std::optional<std::string> LanguageLibrary::LoadResString(long number) const {
    if (number < std::numeric_limits<int>::min() || number > std::numeric_limits<int>::max())
        return std::nullopt;
    std::string buffer(256, '\0');
    for (;;) {
        int length = loadResString_(static_cast<int>(number), buffer.data(),
                                    static_cast<int>(buffer.size()));
        if (length < 0 || length > kMaxTextBytes)
            return std::nullopt;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        buffer.assign(static_cast<std::size_t>(length) + 1, '\0');
    }
}

std::string LanguageLibrary::GetVersion() const {
    return TextOrEmpty(getVersion_());
}

std::string LanguageLibrary::GetLanguageName() const {
    return TextOrEmpty(getLanguageName_());
}

} // namespace modCommon
