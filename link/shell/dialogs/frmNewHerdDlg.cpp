#include "dialogs/frmNewHerdDlg.h"

#include "ShellTexts.h"
#include "dialogs/DialogButtons.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

frmNewHerdDlg::frmNewHerdDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNewHerdDlg"));
    setWindowTitle(Shell::Res(114));
    auto* lblHerdNo = new QLabel(Shell::Res(101), this);
    lblHerdNo->setObjectName(QStringLiteral("lblHerdNo"));
    txtHerdNo_ = new QLineEdit(this);
    txtHerdNo_->setObjectName(QStringLiteral("txtHerdNo"));
    lblHerdNo->setBuddy(txtHerdNo_);
    txtHerdNo_->installEventFilter(this);

    auto* form = new QFormLayout;
    form->addRow(lblHerdNo, txtHerdNo_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Shell::OkCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString frmNewHerdDlg::HerdNo() const {
    return txtHerdNo_->text();
}

void frmNewHerdDlg::SetHerdNo(const QString& herdNo) {
    txtHerdNo_->setText(herdNo);
}

void frmNewHerdDlg::SetHerdNoMaxLength(int length) {
    txtHerdNo_->setMaxLength(length);
}

void frmNewHerdDlg::accept() {
    if (txtHerdNo_->text().isEmpty()) {
        txtHerdNo_->setFocus();
        return;
    }
    QDialog::accept();
}

bool frmNewHerdDlg::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the empty box for another control of the dialog is refused; Cancel
    // and Escape still close the dialog.
    if (watched == txtHerdNo_ && event->type() == QEvent::FocusOut &&
        txtHerdNo_->text().isEmpty() && Shell::LeavesForControl(*static_cast<QFocusEvent*>(event)))
        QTimer::singleShot(0, txtHerdNo_, [box = txtHerdNo_] { box->setFocus(); });
    return QDialog::eventFilter(watched, event);
}
