#include "UserInterface.h"

#include "TextFileViewer.h"
#include "TraceLog.h"

#include <cstdio>

namespace LinkUi {
namespace {

Answer FirstButton(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    case Buttons::RetryCancel:
        return Answer::Retry;
    case Buttons::Ok:
    case Buttons::OkCancel:
        break;
    }
    return Answer::Ok;
}

std::shared_ptr<UserInterface>& Installed() {
    static std::shared_ptr<UserInterface> ui = std::make_shared<HeadlessUserInterface>();
    return ui;
}

} // namespace

std::string OneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        while (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n'))
            ++i;
        line += " | ";
    }
    return line;
}

Answer HeadlessUserInterface::MessageBox(std::string_view text, Buttons buttons, Icon,
                                         std::string_view caption) {
    std::string line(caption);
    line += ": ";
    line += OneLine(text);
    modUtils::WriteLog(line);
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
    return FirstButton(buttons);
}

void HeadlessUserInterface::OpenTextFile(const std::string& path) {
    modUtils::ShowTextFile(path);
}

Answer RecordingUserInterface::MessageBox(std::string_view text, Buttons buttons, Icon icon,
                                          std::string_view caption) {
    boxes.push_back(Box{std::string(text), buttons, icon, std::string(caption)});
    if (answers.empty())
        return Answer::Ok;
    const Answer answer = answers.front();
    answers.erase(answers.begin());
    return answer;
}

void RecordingUserInterface::SetWaitPointer(bool on) {
    waitPointer = on;
}
void RecordingUserInterface::SetStatusText(std::string_view text) {
    statusTexts.emplace_back(text);
}
void RecordingUserInterface::OpenTextFile(const std::string& path) {
    openedFiles.push_back(path);
}

UserInterface& Ui() {
    return *Installed();
}

void SetUi(std::shared_ptr<UserInterface> ui) {
    Installed() = ui ? std::move(ui) : std::make_shared<HeadlessUserInterface>();
}

} // namespace LinkUi
