// The national commands of the main window: Initialize, Check, Send ADIS data
// and Add animals. The command layer does the work and decides the result; the
// window keeps its busy state, asks for the file, shows the message and opens
// the log view.
#include "frmMain.h"

#include "ShellTexts.h"
#include "common/ProcedureError.h"
#include "common/UserInterface.h"
#include "dialogs/frmAddAnimalsDlg.h"
#include "national/NationalCommands.h"
#include "settings/LinkSettings.h"

#include <QAction>
#include <QFileDialog>

#include <functional>

namespace {

// The add-animals command offers every row but the steers.
constexpr int kAddAnimalsMode = 1;

void ShowMessage(const modNational::CommandMessage& message) {
    LinkUi::Ui().MessageBox(modCommon::ResString(message.text), LinkUi::Buttons::Ok, message.icon,
                            modCommon::ResString(message.caption));
}

// The outcome of a command that could not run: an error stopped it.
modNational::CommandOutcome Stopped() {
    modNational::CommandOutcome outcome;
    outcome.messageShown = true;
    return outcome;
}

} // namespace

bool frmMain::BlockedByVantorSync() {
    const auto blocked = modNational::BlockedByVantorSync();
    if (blocked && blocked->message)
        ShowMessage(*blocked->message);
    return blocked.has_value();
}

modNational::CommandOutcome
frmMain::RunBusy(const std::function<modNational::CommandOutcome()>& command) {
    SetBusy(true);
    LinkUi::Ui().SetWaitPointer(true);
    try {
        modNational::CommandOutcome outcome = command();
        LinkUi::Ui().SetWaitPointer(false);
        return outcome;
    } catch (const std::exception& error) {
        LinkUi::Ui().SetWaitPointer(false);
        LinkUi::ShowProcedureError(error);
    }
    return Stopped();
}

void frmMain::ShowOutcome(const modNational::CommandOutcome& outcome) {
    if (outcome.loadLog) {
        LoadLog();
        StatusText(QString());
    }
    if (outcome.succeeded)
        StatusText(QString());
    if (outcome.message && !outcome.messageShown)
        ShowMessage(*outcome.message);
    if (outcome.openLog) {
        // View log from unchecked: the log view opens with the report.
        mnuOptionsViewLog_->setEnabled(true);
        mnuOptionsViewLog_->setChecked(false);
        OptionsViewLog();
    }
}

void frmMain::FunctionInitialize() {
    if (BlockedByVantorSync())
        return;
    ShowOutcome(RunBusy(modNational::RunInitializeCommand));
    SetBusy(false);
}

void frmMain::FunctionCheck() {
    ShowOutcome(RunBusy(modNational::RunCheckCommand));
    SetBusy(false);
}

void frmMain::FunctionSendAdisData() {
    if (BlockedByVantorSync())
        return;
    const QString path = AskForAdisFile();
    if (path.isEmpty())
        return;
    ShowOutcome(RunBusy([&] { return modNational::RunSendAdisDataCommand(path.toStdString()); }));
    SetBusy(false);
}

void frmMain::FunctionAddAnimals() {
    if (BlockedByVantorSync())
        return;
    const QString path = AskForAdisFile();
    if (path.isEmpty())
        return;
    frmAddAnimalsDlg dialog(this);
    dialog.SetMode(kAddAnimalsMode);
    if (dialog.exec() != QDialog::Accepted)
        return;
    modCommon::SaveSettings();
    ShowOutcome(RunBusy([&] { return modNational::RunAddAnimalsCommand(path.toStdString()); }));
    SetBusy(false);
}

QString frmMain::AskForAdisFile() {
    // The filter as the program writes it: "All Files (*.*)|*.*|ADIS Files (*.dat)|*.dat",
    // the ADIS files chosen.
    const QString filter = Shell::Res(244) + QStringLiteral(" (*.*)|*.*|") + Shell::Res(245) +
                           QStringLiteral(" (*.dat)|*.dat");
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i];
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgOpenAdisFile"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
