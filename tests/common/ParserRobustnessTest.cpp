#include "common/ProfileFile.h"
#include "common/RegEditDocument.h"

#include <gtest/gtest.h>
#include <random>

// Any input parses, and what is written parses back to the same text.
namespace {
std::string RandomText(std::mt19937& random) {
    static const std::string alphabet = "[]=\"\\\r\n;@ \tahkx:dword,0f9\xE5";
    static const char* fragments[] = {
        "[HKEY_CURRENT_USER\\Software\\K]\r\n",
        "[hkey_x\\software\\k\\]\n",
        "\"N\"=\"v\\\\\"\n",
        "\"n\"=dword:0000000f\r\n",
        "\"n\"=hex:0f,\\\n  00\n",
        "@=hex(7):41,00\n",
        "[S]\r\n",
        "Key = value \r\n",
        "key=\r\n",
        "; comment\r\n",
        "\r\n",
    };
    std::string text;
    for (int piece = random() % 12; piece > 0; --piece) {
        if (random() % 2) {
            text += fragments[random() % std::size(fragments)];
        } else {
            for (int n = random() % 6; n >= 0; --n)
                text += alphabet[random() % alphabet.size()];
        }
    }
    if (random() % 8 == 0)
        text += std::string(1, '\0') + "\xFF";
    return text;
}
} // namespace

TEST(ParserRobustness, WrittenTextReadsBackUnchanged) {
    std::mt19937 random(20261206);
    for (int i = 0; i < 5000; ++i) {
        const std::string input = RandomText(random);

        ProfileFile profile;
        profile.Parse(input);
        const std::string profileText = profile.Text();
        profile.Parse(profileText);
        ASSERT_EQ(profile.Text(), profileText) << input;

        const auto document = RegEditDocument::Parse(input);
        const std::string regText = document.Text("HKEY_CURRENT_USER");
        ASSERT_EQ(RegEditDocument::Parse(regText).Text("HKEY_CURRENT_USER"), regText) << input;
    }
}
