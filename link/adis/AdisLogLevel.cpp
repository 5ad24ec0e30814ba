#include "common/LanguageResources.h"
#include "common/LinkError.h"
#include "common/TextStream.h"
#include "common/UserInterface.h"
#include "modADISFiles.h"

#include <memory>

namespace modADIS {

std::int16_t GetLogLevel(const std::string& logPath) {
    std::unique_ptr<TextStreamReader> stream;
    try {
        stream = std::make_unique<TextStreamReader>(logPath);
    } catch (const LinkError&) {
        LinkUi::Ui().MessageBox(modCommon::ResString(170) + "\n" + logPath, LinkUi::Buttons::Ok,
                                LinkUi::Icon::Critical, modCommon::ResString(168));
        return 0;
    }
    std::int16_t level = 0;
    try {
        std::string line;
        while (level < 3 && stream->ReadLineBytes(line)) {
            const std::string_view word = std::string_view(line).substr(0, 7);
            if (word == ErrorPrefix.substr(0, 7))
                level = 3;
            else if (word == WarningPrefix.substr(0, 7) && level < 2)
                level = 2;
            else if (word == NotePrefix.substr(0, 7) && level < 1)
                level = 1;
        }
    } catch (const std::exception&) {
        // a failing read gives the level found so far
    }
    return level;
}

} // namespace modADIS
