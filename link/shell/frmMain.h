#pragma once

#include "WindowPlacement.h"
#include "instance/HandOverQueue.h"
#include "settings/HerdMenu.h"
#include "startup/CommandLine.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <functional>
#include <map>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTextEdit;
class QToolBar;

namespace modNational {
struct CommandOutcome;
}

// The main window of the program: the menu, the toolbar, the status bar with
// its "HerdNo" and "Status" panels, the log view of the check log "~link.log",
// and the commands that run the national functions for the current herd. While
// a national function or a handed-over request runs the window is busy and the
// commands that change data are disabled (UpdateControls).
//
// Controls carry their names as object names (mnuFilePrint, tbrToolbar,
// sbrStatusBar, rtbLogfile, ...); the toolbar buttons are named "tbr" and their
// key (tbrExit, tbrPrint, tbrInitialize, tbrCheck, tbrSettings, tbrViewLog).
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The program's start-up in the window role: the start-up both roles share
    // (language, dictionaries, settings, "New session" in the trace log), then the
    // captions, the placement from the registry, the check log, UpdateControls and
    // the one-shot timer that opens the Settings dialog while no herd is set.
    void Initialize(const modStartup::CommandLineValues& commandLine);

    // Requests and national functions that wait in turn with this window's work.
    void SetHandOverQueue(HandOverQueue* queue);

    // The text of the "Status" panel.
    void StatusText(const QString& text);
    QString Status() const;

    bool Busy() const { return busy_; }
    // Sets Busy (while a national function or a request runs), then UpdateControls.
    void SetBusy(bool busy);
    void UpdateControls();

    // Answers a request handed over by a later start, inside this window (which
    // stays open); the exit status for that start.
    int RunHandedOverRequest(const modStartup::CommandLineValues& values);

    // Restores the window when it is minimised, and brings it to the front.
    void BringToFront();

    // The enabled state UpdateControls gave a menu item or toolbar button. For the
    // hidden herd commands it is kept apart from the action, which reports a
    // hidden action as disabled.
    static bool CommandEnabled(const QAction* action);

    // The herd list behind "Select Herd".
    const modCommon::HerdMenu& HerdList() const { return herdMenu_; }
    // The normal-window rectangle in pixels (position of the frame, size of the
    // window's inside).
    QRect NormalRectangle() const { return normalRect_; }
    // Pixels in twips on the primary screen (15 at 96 dots per inch).
    static int TwipsPerPixel();

    // Prints the whole log view on the printer: the print path of Print.
    void PrintLog(QPrinter& printer);
    // Loads the check log into the log view (empty when it does not exist).
    void LoadLog();

public slots:
    void FileNewHerd();
    void FileRemoveHerd();
    void FileSelectHerd(const QString& herdNo);
    void FilePrint();
    void FileExit();
    void FunctionInitialize();
    void FunctionCheck();
    void FunctionSendAdisData();
    void FunctionAddAnimals();
    void OptionsSettings();
    void OptionsSelectLanguage();
    void OptionsViewLog();
    void HelpAbout();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    void CreateToolbar();
    void CreateStatusBar();
    void CreateLogView();
    void SetCaptions();
    void ApplyPlacement();
    void SavePlacement();
    void RecordNormalRectangle();
    void RebuildHerdMenu();
    void ShowLogView(bool show);
    // Shows or hides the log view as the check mark of "View Log" says.
    void ApplyViewLog();
    void InitializeTimerFired();
    void WarnWhenSyncInstalled();
    // The open-file dialog of Send ADIS data and Add animals; empty when cancelled.
    QString AskForAdisFile();
    // Shows message 201 when Vantor Sync is installed; whether it is.
    bool BlockedByVantorSync();
    // Runs a national command with the window busy and the wait cursor shown.
    modNational::CommandOutcome
    RunBusy(const std::function<modNational::CommandOutcome()>& command);
    // The command's result: the check log loaded into the log view, the status
    // cleared, the message shown, and the log view opened where the result asks.
    void ShowOutcome(const modNational::CommandOutcome& outcome);

    QAction* AddMenuAction(QMenu* menu, const char* name, long textNumber);
    static void EnableCommand(QAction* action, bool enabled);
    QAction* ToolbarButton(const char* key, long textNumber, QAction* menuAction);

    bool busy_ = false;
    std::optional<HandOverQueue::Work> busyWork_;
    QPointer<HandOverQueue> queue_;
    modCommon::HerdMenu herdMenu_;
    QRect normalRect_;
    bool shownOnce_ = false;
    QTimer tmrInitialize_;

    QMenu* mnuFile_ = nullptr;
    QMenu* mnuFunction_ = nullptr;
    QMenu* mnuOptions_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QMenu* mnuFileSelectHerd_ = nullptr;
    QAction* mnuFileNewHerd_ = nullptr;
    QAction* mnuFileRemoveHerd_ = nullptr;
    QAction* mnuFileSep1_ = nullptr;
    QAction* mnuFileSelectHerdAction_ = nullptr;
    QAction* mnuFileSep2_ = nullptr;
    QAction* mnuFilePrint_ = nullptr;
    QAction* mnuFileExit_ = nullptr;
    QAction* mnuFunctionInitialize_ = nullptr;
    QAction* mnuFunctionCheck_ = nullptr;
    QAction* mnuFunctionSendAdisData_ = nullptr;
    QAction* mnuFunctionAddAnimals_ = nullptr;
    QAction* mnuOptionsSettings_ = nullptr;
    QAction* mnuOptionsSelectLanguage_ = nullptr;
    QAction* mnuOptionsViewLog_ = nullptr;
    QAction* mnuHelpAbout_ = nullptr;

    QToolBar* tbrToolbar_ = nullptr;
    // Toolbar button by key, with the menu item whose state it takes.
    std::map<QString, std::pair<QAction*, QAction*>> buttons_;

    QLabel* sbrHerdNo_ = nullptr;
    QLabel* sbrStatus_ = nullptr;
    QTextEdit* rtbLogfile_ = nullptr;
    QWidget* picFiller_ = nullptr;
};
