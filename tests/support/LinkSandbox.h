#pragma once

#include "common/UserInterface.h"

#include <filesystem>
#include <memory>
#include <string>

// One test's own world: a fresh program folder (LINK_APP_FOLDER), empty registry
// values under the program's keys, a recording user interface, and the program-wide
// language, settings and current herd reset. Everything is undone when it ends.
class LinkSandbox {
public:
    LinkSandbox();
    ~LinkSandbox();
    LinkSandbox(const LinkSandbox&) = delete;
    LinkSandbox& operator=(const LinkSandbox&) = delete;

    // The program folder with a trailing separator.
    std::string Folder() const;
    // A file in the program folder.
    std::string File(const std::string& name) const;
    std::filesystem::path Path() const { return folder_; }

    LinkUi::RecordingUserInterface& Ui() { return *ui_; }

private:
    // Platform part: gives the registry of the program's keys a clean start, and
    // removes what the test wrote when it ends.
    void ResetRegistry();
    void EndRegistry();

    std::filesystem::path folder_;
    std::shared_ptr<LinkUi::RecordingUserInterface> ui_;
};
