#include "relay/RelayTexts.h"

#include <array>
#include <utility>

namespace Relay {
namespace {

constexpr std::array<std::pair<int, const char*>, 9> kTexts{{
    {TextAbout, "&About..."},
    {TextBadCommandLine, "Invalid command line parameters!"},
    {TextConnecting, "Connecting to"},
    {TextWaiting, "Waiting for outfile to be created..."},
    {TextCopying, "Copying files..."},
    {TextConnectionError, "Connection error!"},
    {TextInFileError, "Error copying infile!"},
    {TextOutFileError, "Error copying outfile!"},
    {TextTimedOut, "Timed out waiting for outfile!"},
}};

} // namespace

std::string RelayText(int id) {
    for (const auto& [number, text] : kTexts)
        if (number == id)
            return text;
    return {};
}

} // namespace Relay
