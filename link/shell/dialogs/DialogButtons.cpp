#include "dialogs/DialogButtons.h"

#include "ShellTexts.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QPushButton>

namespace Shell {
namespace {

QDialogButtonBox* Buttons(QDialog* dialog, bool withCancel) {
    auto* box = new QDialogButtonBox(dialog);
    auto* ok = box->addButton(Res(kOkText), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setDefault(true);
    if (withCancel) {
        auto* cancel = box->addButton(Res(kCancelText), QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("cmdCancel"));
    }
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}

} // namespace

QDialogButtonBox* OkCancelButtons(QDialog* dialog) {
    return Buttons(dialog, true);
}

QDialogButtonBox* OkButton(QDialog* dialog) {
    return Buttons(dialog, false);
}

bool LeavesForControl(const QFocusEvent& event) {
    switch (event.reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        break;
    default:
        return false;
    }
    const QWidget* next = QApplication::focusWidget();
    return !next || next->objectName() != QLatin1String("cmdCancel");
}

} // namespace Shell
