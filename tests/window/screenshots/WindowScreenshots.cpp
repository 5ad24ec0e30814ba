// The screenshots of the README: the main window in English (after Check, with
// the report in the log view) and in Swedish, the message of the check, and each
// dialog. Run by scripts/screenshots under Xvfb with a window manager, in a
// program folder where herd-iso-sim with its demo herd is the herd-management
// ISO application.
//
//   window_screenshots FOLDER

#include "QtUserInterface.h"
#include "common/LinkRegistryKeys.h"
#include "common/modUtils.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmAddAnimalsDlg.h"
#include "dialogs/frmLanguageDlg.h"
#include "dialogs/frmNewHerdDlg.h"
#include "dialogs/frmSettingsDlg.h"
#include "frmMain.h"
#include "settings/LinkSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

QString folder;
bool failed = false;

// Lets the window system draw what was shown.
void Settle(int ms = 300) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The window as the screen shows it, with the frame and caption the window
// manager draws around it.
void Save(QWidget& widget, const char* name) {
    widget.show();
    widget.raise();
    widget.activateWindow();
    Settle(600);
    const QRect frame = widget.frameGeometry();
    const QPixmap shot =
        widget.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    const QString path = QDir(folder).filePath(QString::fromLatin1(name) + ".png");
    if (!shot.save(path)) {
        std::fprintf(stderr, "window_screenshots: cannot write %s\n", qPrintable(path));
        failed = true;
        return;
    }
    std::printf("  %s\n", qPrintable(path));
}

// Saves the next message box and answers it with OK.
void SaveNextBox(const char* name) {
    QTimer::singleShot(300, [name] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Save(*box, name);
            box->accept();
        }
    });
}

void UseLanguage(const char* library) {
    modUtils::RegWriteString(library, modUtils::RegRoot::CurrentUser, modCommon::kLinkRegistryKey,
                             modCommon::kSatelliteDllValue);
}

void MainWindow(QtUserInterface& ui, const char* name, bool check) {
    frmMain window;
    ui.SetMainWindow(&window);
    window.Initialize({});
    window.resize(900, 560);
    window.show();
    Settle();
    if (check) {
        SaveNextBox("check-errors-found");
        window.FunctionCheck();
    } else if (!window.findChild<QAction*>("mnuOptionsViewLog")->isChecked()) {
        window.OptionsViewLog();
    }
    window.StatusText(QString());
    Save(window, name);
    window.close();
    ui.SetMainWindow(nullptr);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: window_screenshots FOLDER\n", stderr);
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    auto ui = std::make_shared<QtUserInterface>();
    LinkUi::SetUi(ui);

    UseLanguage("English.dll");
    MainWindow(*ui, "main-window-en", true);

    {
        modCommon::ReadSettings();
        auto& settings = modCommon::Settings();
        settings.AddCows = settings.AddHeifers = settings.AddInseminatedHeifers = true;
        settings.AddCowsGroup1 = 1;
        settings.AddCowsGroup2 = 2;
        settings.AddHeifersGroup1 = 4;
        settings.AddHeifersGroup2 = 5;
        frmAddAnimalsDlg dialog;
        dialog.SetMode(1);
        Save(dialog, "dialog-add-animals");
    }
    {
        frmSettingsDlg dialog;
        Save(dialog, "dialog-settings");
    }
    {
        frmNewHerdDlg dialog;
        dialog.SetHerdNo("12-3457");
        Save(dialog, "dialog-new-herd");
    }
    {
        frmAbout dialog;
        Save(dialog, "dialog-about");
    }
    {
        frmLanguageDlg dialog;
        dialog.findChild<QComboBox*>("cboLanguage")->setCurrentIndex(1);
        Save(dialog, "dialog-language");
    }

    UseLanguage("Swedish.dll");
    MainWindow(*ui, "main-window-sv", false);
    {
        frmAddAnimalsDlg dialog;
        dialog.SetMode(1);
        Save(dialog, "dialog-add-animals-sv");
    }
    UseLanguage("English.dll");
    LinkUi::SetUi(nullptr);
    return failed ? 1 : 0;
}
