#pragma once

#include "common/UserInterface.h"

#include <QPointer>

class frmMain;
class QWidget;

// The user-interface layer of the window program: message boxes with the
// program's own button texts, modal to the main window while it is shown; the
// wait cursor over the whole program; the main window's "Status" panel; text
// files opened the platform's way; the event pump used while the ISO
// application runs.
class QtUserInterface : public LinkUi::UserInterface {
public:
    explicit QtUserInterface(frmMain* mainWindow = nullptr);
    ~QtUserInterface() override;

    void SetMainWindow(frmMain* mainWindow);

    LinkUi::Answer MessageBox(std::string_view text, LinkUi::Buttons buttons, LinkUi::Icon icon,
                              std::string_view caption) override;
    void SetWaitPointer(bool on) override;
    void SetStatusText(std::string_view text) override;
    void OpenTextFile(const std::string& path) override;
    void PumpEvents() override;

private:
    QWidget* BoxParent() const;

    QPointer<frmMain> mainWindow_;
    bool waitPointer_ = false;
};

// The command-line role without a display (or with LINK_HEADLESS=1): messages go
// to standard error and the trace log, but the event pump still serves the
// program's own events (hand-overs from later starts).
class HeadlessEventsUserInterface : public LinkUi::HeadlessUserInterface {
public:
    void PumpEvents() override;
};
