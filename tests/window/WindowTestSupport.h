#pragma once

// What the window tests share: a sandboxed program folder and registry with the
// Qt user interface installed, a script that answers the modal windows a call
// opens, and the main window made the way the program makes it.

#include "HerdIsoSimPath.h"
#include "LinkSandbox.h"

#include "QtUserInterface.h"
#include "frmMain.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A message box as the user saw it.
struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString parent; // object name of the window it stands over, empty for none
};

// Handles the modal windows that open, one step for each in the order they open.
// A modal window for which no step is left is recorded and rejected, so that a
// test never hangs on it.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;
    explicit ModalScript(std::vector<Step> steps = {});
    ~ModalScript() override;

    void Add(Step step) { steps_.push_back(std::move(step)); }
    // A modal window the test opened itself, which no step is for.
    void Ignore(QWidget* modal) { ignored_.push_back(modal); }
    int Remaining() const { return static_cast<int>(steps_.size()); }
    // Titles of modal windows that opened when no step was left.
    const QStringList& Unexpected() const { return unexpected_; }

    // Steps: answers a message box with the button and records what it showed.
    static Step AnswerBox(std::vector<SeenBox>* seen,
                          QMessageBox::StandardButton button = QMessageBox::Ok);
    static Step Accept();
    static Step Reject();

private:
    void Poll();

    std::deque<Step> steps_;
    QStringList unexpected_;
    QTimer timer_;
    QPointer<QWidget> last_;
    std::vector<QPointer<QWidget>> ignored_;
};

// The message box seen as a line: title, icon, text and buttons.
SeenBox BoxOf(QWidget* modal);

// One test's own program folder and registry (LinkSandbox) with the Qt user
// interface as the program-wide one, the trace log switched on, and a settings
// file with the herd 12-3456 so that the Settings dialog does not open at the
// start.
class WindowWorld {
public:
    explicit WindowWorld(bool withHerd = true);
    ~WindowWorld();

    LinkSandbox& Sandbox() { return sandbox_; }
    std::string File(const std::string& name) const { return sandbox_.File(name); }
    QString QFile(const std::string& name) const { return QString::fromStdString(File(name)); }

    // A main window made and initialised the way the program does it.
    frmMain& OpenWindow(bool show = true);
    frmMain* Window() { return window_.get(); }
    void CloseWindow();

    // Lines of the trace log without their time stamps; how many start with the
    // prefix, and the index of the first that does (-1 for none).
    QStringList TraceLines() const;
    int TraceCount(const QString& prefix) const;
    int TraceIndex(const QString& prefix) const;

    // Copies the shipped language libraries into the program's "Language" folder.
    void InstallLanguageLibraries();

    // Registers herd-iso-sim as the herd-management ISO application with a
    // demo herd (herd number 12003456).
    void RegisterHerdSimulator();

private:
    LinkSandbox sandbox_;
    std::shared_ptr<QtUserInterface> ui_;
    std::unique_ptr<frmMain> window_;
};

// A file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
bool WriteBytes(const std::string& path, const std::string& bytes);
