// The national commands of the main window. Wired to the national command layer
// once it is in this branch.
#include "frmMain.h"

#include "ShellTexts.h"

#include <QFileDialog>

QString frmMain::AskForAdisFile() {
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

void frmMain::OpenLogAfterErrors() {}
void frmMain::FunctionInitialize() {}
void frmMain::FunctionCheck() {}
void frmMain::FunctionSendAdisData() {}
void frmMain::FunctionAddAnimals() {}
