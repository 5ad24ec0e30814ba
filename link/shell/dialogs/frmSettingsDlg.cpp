#include "dialogs/frmSettingsDlg.h"

#include "ShellTexts.h"
#include "dialogs/DialogButtons.h"
#include "settings/LinkSettings.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kHerdNoMaxLength = 9;

} // namespace

frmSettingsDlg::frmSettingsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSettingsDlg"));
    setWindowTitle(Shell::Res(143));
    auto* lblHerdNo = new QLabel(Shell::Res(101), this);
    lblHerdNo->setObjectName(QStringLiteral("lblHerdNo"));
    txtHerdNo_ = new QLineEdit(this);
    txtHerdNo_->setObjectName(QStringLiteral("txtHerdNo"));
    txtHerdNo_->setMaxLength(kHerdNoMaxLength);
    lblHerdNo->setBuddy(txtHerdNo_);
    chkRemoteConnection_ = new QCheckBox(Shell::Res(102), this);
    chkRemoteConnection_->setObjectName(QStringLiteral("chkRemoteConnection"));

    auto* form = new QFormLayout;
    form->addRow(lblHerdNo, txtHerdNo_);
    form->addRow(QString(), chkRemoteConnection_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(Shell::OkCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    modCommon::ReadSettings();
    SetHerdNo(QString::fromStdString(modCommon::Settings().HerdNo));
    SetRemoteConnection(modCommon::Settings().RemoteConnection);
}

QString frmSettingsDlg::HerdNo() const {
    return txtHerdNo_->text();
}

void frmSettingsDlg::SetHerdNo(const QString& herdNo) {
    // A longer herd number stored by other means is shown whole, never cut.
    txtHerdNo_->setMaxLength(qMax(kHerdNoMaxLength, static_cast<int>(herdNo.size())));
    txtHerdNo_->setText(herdNo);
}

bool frmSettingsDlg::RemoteConnection() const {
    return chkRemoteConnection_->isChecked();
}

void frmSettingsDlg::SetRemoteConnection(bool on) {
    chkRemoteConnection_->setChecked(on);
}

void frmSettingsDlg::accept() {
    modCommon::Settings().HerdNo = HerdNo().toStdString();
    modCommon::Settings().RemoteConnection = RemoteConnection();
    modCommon::SaveSettings();
    QDialog::accept();
}
