#include "LinkSandbox.h"
#include "common/BuiltInStrings.h"
#include "common/LanguageChoice.h"
#include "common/LanguageResources.h"
#include "common/LanguageStartup.h"
#include "common/LinkRegistryKeys.h"
#include "common/Platform.h"
#include "common/SharedLibrary.h"
#include "common/modUtils.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <utility>

using namespace modCommon;

namespace {

std::size_t CountOf(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

std::filesystem::path LibraryFile(const LinkSandbox& sandbox, const std::string& baseName) {
    return sandbox.Path() / "Language" /
           Platform::PathFromUtf8(SharedLibrary::PlatformFileName(baseName));
}

// The Language folder of the sandbox with the Swedish library, the test libraries
// (Wrong.dll of another version, One.dll with one text) and a file that is no
// library (Broken.dll).
void InstallLibraries(const LinkSandbox& sandbox) {
    std::filesystem::create_directories(sandbox.Path() / "Language");
    const std::pair<const char*, const char*> builtFiles[] = {
        {LINK_TEST_SWEDISH_LIBRARY, "Swedish"},
        {LINK_TEST_WRONG_VERSION_LIBRARY, "Wrong"},
        {LINK_TEST_ONE_TEXT_LIBRARY, "One"},
    };
    for (const auto& [builtFile, baseName] : builtFiles)
        std::filesystem::copy_file(Platform::PathFromUtf8(builtFile),
                                   LibraryFile(sandbox, baseName));
    std::ofstream(LibraryFile(sandbox, "Broken")) << "This is no library.";
}

std::optional<std::string> StoredLanguageChoice() {
    std::string name;
    if (!modUtils::RegReadString(name, modUtils::RegRoot::CurrentUser, kLinkRegistryKey,
                                 kSatelliteDllValue))
        return std::nullopt;
    return name;
}

class LanguageLibraryTest : public ::testing::Test {
protected:
    LanguageLibraryTest() { InstallLibraries(sandbox); }

    void ExpectOneErrorBox(const std::string& text) {
        ASSERT_EQ(sandbox.Ui().boxes.size(), 1u);
        const auto& box = sandbox.Ui().boxes.front();
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.icon, LinkUi::Icon::Critical);
        EXPECT_EQ(box.buttons, LinkUi::Buttons::Ok);
        EXPECT_EQ(box.caption, "Error");
    }

    LinkSandbox sandbox;
};

} // namespace

TEST_F(LanguageLibraryTest, SwedishLibraryOfTheBuildLoadsByItsStoredName) {
    Platform::SetEnvironmentValue("LINK_APP_FOLDER", LINK_TEST_BUILD_FOLDER);
    auto swedish = LoadLanguageLibrary("Swedish.dll", 4, true);
    Platform::SetEnvironmentValue("LINK_APP_FOLDER", sandbox.Folder());

    ASSERT_NE(swedish, nullptr);
    EXPECT_TRUE(sandbox.Ui().boxes.empty());
    EXPECT_EQ(swedish->GetLanguageName(), "Svenska");
    EXPECT_EQ(swedish->GetVersion(), modUtils::VersionText(4));
    EXPECT_EQ(ResString(168, swedish.get()), "Fel");
    EXPECT_EQ(ResString(101, swedish.get()), "&Besättningsnummer:");
    EXPECT_EQ(ResString(302, swedish.get()), "Ko %x med ID-nummer: '%x'");
    EXPECT_EQ(ResString(103, swedish.get()), "<Missing>");
}

TEST_F(LanguageLibraryTest, SwedishHasEveryTextWithTheSamePlaceholdersAndAccessKeys) {
    auto swedish = LoadLanguageLibrary("Swedish.dll", 4, true);
    ASSERT_NE(swedish, nullptr);
    for (long number : BuiltInStringNumbers()) {
        SCOPED_TRACE(number);
        const std::string english = BuiltInString(number);
        const auto swedishText = swedish->LoadResString(number);
        ASSERT_TRUE(swedishText.has_value());
        EXPECT_FALSE(swedishText->empty());
        EXPECT_EQ(CountOf(*swedishText, "%x"), CountOf(english, "%x"));
        EXPECT_EQ(CountOf(*swedishText, "&"), CountOf(english, "&"));
        EXPECT_EQ(swedishText->back() == '!', english.back() == '!');
    }
}

TEST_F(LanguageLibraryTest, UnusableLibrariesAreRefusedWithTheirMessage) {
    struct Case {
        const char* name;
        int subVersion;
        const char* message; // nullptr: refused without a message
    };
    const Case cases[] = {
        {"Wrong.dll", 4, "Wrong version of dll for 'Wrong.dll'"},
        {"One.dll", 5, "Wrong version of dll for 'One.dll'"},
        {"Missing.dll", 4, "Couldn't find/load dll for 'Missing.dll'"},
        {"Broken.dll", 4, "Couldn't find/load dll for 'Broken.dll'"},
        {"../Language/Swedish.dll", 4, "Couldn't find/load dll for '../Language/Swedish.dll'"},
        {"Language\\Swedish.dll", 4, "Couldn't find/load dll for 'Language\\Swedish.dll'"},
        {"", 4, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sandbox.Ui().boxes.clear();
        EXPECT_EQ(LoadLanguageLibrary(c.name, c.subVersion, false), nullptr);
        EXPECT_TRUE(sandbox.Ui().boxes.empty());
        EXPECT_EQ(LoadLanguageLibrary(c.name, c.subVersion, true), nullptr);
        if (c.message)
            ExpectOneErrorBox(c.message);
        else
            EXPECT_TRUE(sandbox.Ui().boxes.empty());
    }
    EXPECT_NE(LoadLanguageLibrary("One.dll", 4, false), nullptr);
}

TEST_F(LanguageLibraryTest, LibraryTextsOfAnyLengthAndMissingTexts) {
    auto library = LoadLanguageLibrary("One.dll", 4, true);
    ASSERT_NE(library, nullptr);
    const std::string text = ResString(302, library.get());
    EXPECT_EQ(text.size(), 14u + 4 * 70 + 4);
    EXPECT_EQ(text.substr(0, 14), "Long text %x: ");
    EXPECT_EQ(text.substr(text.size() - 4), " end");
    // A number the library has no text for is missing even when the built-in
    // table has one.
    EXPECT_EQ(ResString(168, library.get()), "<Missing>");
}

TEST(LanguageStartup, ChoiceFromTheStoredValue) {
    struct Case {
        std::optional<std::string> stored;
        std::string inUse; // empty: built-in texts
        std::optional<std::string> storedAfter;
        const char* message;   // nullptr: none
        const char* errorText; // ResString(168) afterwards
    };
    const Case cases[] = {
        {std::nullopt, "", std::nullopt, nullptr, "Error"},
        {"English.dll", "", "English.dll", nullptr, "Error"},
        {"", "Swedish.dll", "Swedish.dll", nullptr, "Fel"},
        {"Swedish.dll", "Swedish.dll", "Swedish.dll", nullptr, "Fel"},
        {"Wrong.dll", "", "Wrong.dll", "Wrong version of dll for 'Wrong.dll'", "Error"},
        {"Missing.dll", "", "Missing.dll", "Couldn't find/load dll for 'Missing.dll'", "Error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.value_or("(absent)"));
        LinkSandbox fresh;
        InstallLibraries(fresh);
        if (c.stored)
            modUtils::RegWriteString(*c.stored, modUtils::RegRoot::CurrentUser, kLinkRegistryKey,
                                     kSatelliteDllValue);

        EXPECT_EQ(ChooseStartupLanguage(), c.inUse);
        EXPECT_EQ(CurrentLanguageLibrary() != nullptr, !c.inUse.empty());
        EXPECT_EQ(ResString(168), c.errorText);
        EXPECT_EQ(StoredLanguageChoice(), c.storedAfter);
        if (c.message) {
            ASSERT_EQ(fresh.Ui().boxes.size(), 1u);
            EXPECT_EQ(fresh.Ui().boxes.front().text, c.message);
        } else {
            EXPECT_TRUE(fresh.Ui().boxes.empty());
        }
    }
}

TEST_F(LanguageLibraryTest, ChoicesListEnglishThenTheUsableLibraries) {
    std::vector<std::pair<std::string, std::string>> listed;
    for (const auto& choice : AvailableLanguages())
        listed.emplace_back(choice.LanguageName, choice.FileName);
    EXPECT_EQ(listed,
              (std::vector<std::pair<std::string, std::string>>{
                  {"English", "English.dll"}, {"One", "One.dll"}, {"Svenska", "Swedish.dll"}}));
    EXPECT_TRUE(sandbox.Ui().boxes.empty());

    std::filesystem::remove_all(sandbox.Path() / "Language");
    const auto choices = AvailableLanguages();
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].FileName, "English.dll");
}

TEST(LanguageChoice, StoringAChangedChoiceAsksForARestart) {
    LinkSandbox sandbox;
    EXPECT_FALSE(StoreLanguageChoice("English.dll", "English.dll", "Vantor Link SE"));
    EXPECT_TRUE(sandbox.Ui().boxes.empty());
    EXPECT_TRUE(StoreLanguageChoice("Swedish.dll", "English.dll", "Vantor Link SE"));
    EXPECT_EQ(StoredLanguageChoice(), "Swedish.dll");
    ASSERT_EQ(sandbox.Ui().boxes.size(), 1u);
    EXPECT_EQ(sandbox.Ui().boxes[0].text,
              "You must restart Vantor Link SE for this setting to take effect!");
    EXPECT_EQ(sandbox.Ui().boxes[0].icon, LinkUi::Icon::Information);
    EXPECT_EQ(sandbox.Ui().boxes[0].caption, "Information");
}
