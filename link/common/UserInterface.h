#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The user interface as the window-free code sees it. The window program installs
// its own implementation; the command-line role uses the headless one, tests a
// recording one.
namespace LinkUi {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class UserInterface {
public:
    virtual ~UserInterface() = default;
    virtual Answer MessageBox(std::string_view text, Buttons buttons, Icon icon,
                              std::string_view caption) = 0;
    virtual void SetWaitPointer(bool on) = 0;
    virtual void SetStatusText(std::string_view text) = 0;
    // Shows a text file to the user (the role of Notepad).
    virtual void OpenTextFile(const std::string& path) = 0;
    // Lets the window handle its pending events; nothing when headless.
    virtual void PumpEvents() = 0;
    // Whether MessageBox writes the box to the trace log itself.
    virtual bool LogsMessageBoxes() const { return false; }
};

// Writes each message box as one line ("<caption>: <text>", its line breaks
// replaced) to standard error and the trace log; answers Ok (or the first button
// of the set). Text files are shown the platform's way (see
// modUtils::ShowTextFile).
class HeadlessUserInterface : public UserInterface {
public:
    bool LogsMessageBoxes() const override { return true; }
    Answer MessageBox(std::string_view text, Buttons buttons, Icon icon,
                      std::string_view caption) override;
    void SetWaitPointer(bool) override {}
    void SetStatusText(std::string_view) override {}
    void OpenTextFile(const std::string& path) override;
    void PumpEvents() override {}
};

// Records every call; answers message boxes with the queued answers (Ok when none).
class RecordingUserInterface : public UserInterface {
public:
    struct Box {
        std::string text;
        Buttons buttons;
        Icon icon;
        std::string caption;
    };
    Answer MessageBox(std::string_view text, Buttons buttons, Icon icon,
                      std::string_view caption) override;
    void SetWaitPointer(bool on) override;
    void SetStatusText(std::string_view text) override;
    void OpenTextFile(const std::string& path) override;
    void PumpEvents() override { ++pumps; }

    std::vector<Box> boxes;
    std::vector<Answer> answers;
    std::vector<std::string> statusTexts;
    std::vector<std::string> openedFiles;
    bool waitPointer = false;
    long pumps = 0;
};

// The text on one line: each run of line breaks becomes " | ".
std::string OneLine(std::string_view text);

// The program-wide user interface (headless until the program installs another).
UserInterface& Ui();
void SetUi(std::shared_ptr<UserInterface> ui);

} // namespace LinkUi
