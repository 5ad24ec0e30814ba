#include "dialogs/frmAddAnimalsDlg.h"

#include "ShellTexts.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"
#include "dialogs/DialogButtons.h"
#include "settings/LinkSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kLowestGroup = 1;
constexpr int kHighestGroup = 199;
constexpr long kRangeMessage = 192;
// The indentation of the heifers' own rows under "Heifers".
constexpr int kIndent = 20;

} // namespace

frmAddAnimalsDlg::frmAddAnimalsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAddAnimalsDlg"));
    setWindowTitle(Shell::Res(104));
    const modCommon::SettingsValues& settings = modCommon::Settings();

    fraAddAnimals_ = new QGroupBox(this);
    fraAddAnimals_->setObjectName(QStringLiteral("fraAddAnimals"));
    auto* grid = new QGridLayout(fraAddAnimals_);
    const auto label = [this](const char* name, long number) {
        auto* text = new QLabel(Shell::Res(number), this);
        text->setObjectName(QString::fromLatin1(name));
        return text;
    };
    const auto check = [this](const char* name, long number, bool checked) {
        auto* box = new QCheckBox(Shell::Res(number), this);
        box->setObjectName(QString::fromLatin1(name));
        box->setChecked(checked);
        connect(box, &QCheckBox::clicked, this, &frmAddAnimalsDlg::ApplyEnablingRules);
        return box;
    };
    grid->addWidget(label("lblGroup", 105), 0, 1, 1, 2, Qt::AlignHCenter);
    grid->addWidget(label("lblLactation1", 106), 1, 1);
    grid->addWidget(label("lblLactation2", 107), 1, 2);

    chkCows_ = check("chkCows", 108, settings.AddCows);
    cboCowsGroup1_ = AddGroupBox("cboCowsGroup1", settings.AddCowsGroup1);
    cboCowsGroup2_ = AddGroupBox("cboCowsGroup2", settings.AddCowsGroup2);
    grid->addWidget(chkCows_, 2, 0);
    grid->addWidget(cboCowsGroup1_, 2, 1);
    grid->addWidget(cboCowsGroup2_, 2, 2);

    chkHeifers_ = check("chkHeifers", 109, settings.AddHeifers);
    cboHeifersGroup1_ = AddGroupBox("cboHeifersGroup1", settings.AddHeifersGroup1);
    grid->addWidget(chkHeifers_, 3, 0);
    grid->addWidget(cboHeifersGroup1_, 3, 1);

    chkInseminatedHeifers_ = check("chkInseminatedHeifers", 110, settings.AddInseminatedHeifers);
    cboHeifersGroup2_ = AddGroupBox("cboHeifersGroup2", settings.AddHeifersGroup2);
    chkPregnantHeifers_ = check("chkPregnantHeifers", 111, settings.AddPregnantHeifers);
    cboHeifersGroup3_ = AddGroupBox("cboHeifersGroup3", settings.AddHeifersGroup3);
    for (auto* heiferRow : {chkInseminatedHeifers_, chkPregnantHeifers_})
        heiferRow->setStyleSheet(QStringLiteral("QCheckBox { margin-left: %1px; }").arg(kIndent));
    grid->addWidget(chkInseminatedHeifers_, 4, 0);
    grid->addWidget(cboHeifersGroup2_, 4, 1);
    grid->addWidget(chkPregnantHeifers_, 5, 0);
    grid->addWidget(cboHeifersGroup3_, 5, 1);

    chkBulls_ = check("chkBulls", 112, settings.AddBulls);
    cboBullsGroup_ = AddGroupBox("cboBullsGroup", settings.AddBullsGroup);
    grid->addWidget(chkBulls_, 6, 0);
    grid->addWidget(cboBullsGroup_, 6, 1);

    chkSteers_ = check("chkSteers", 113, settings.AddSteers);
    cboSteersGroup_ = AddGroupBox("cboSteersGroup", settings.AddSteersGroup);
    grid->addWidget(chkSteers_, 7, 0);
    grid->addWidget(cboSteersGroup_, 7, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraAddAnimals_);
    layout->addWidget(Shell::OkCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ApplyEnablingRules();
}

QComboBox* frmAddAnimalsDlg::AddGroupBox(const char* name, int value) {
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int group = kLowestGroup; group <= kHighestGroup; ++group)
        box->addItem(QString::number(group));
    box->setEditText(QString::number(value));
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
    return box;
}

void frmAddAnimalsDlg::SetMode(int mode) {
    if (mode < 0 || mode > 2)
        return;
    for (QWidget* steers : std::initializer_list<QWidget*>{chkSteers_, cboSteersGroup_})
        steers->setVisible(mode == 0);
    for (QWidget* bulls : std::initializer_list<QWidget*>{chkBulls_, cboBullsGroup_})
        bulls->setVisible(mode < 2);
    adjustSize();
}

void frmAddAnimalsDlg::ApplyEnablingRules() {
    const bool heifers = chkHeifers_->isChecked();
    chkInseminatedHeifers_->setEnabled(heifers);
    chkPregnantHeifers_->setEnabled(heifers);
    cboCowsGroup1_->setEnabled(chkCows_->isChecked());
    cboCowsGroup2_->setEnabled(chkCows_->isChecked());
    cboHeifersGroup1_->setEnabled(heifers);
    cboHeifersGroup2_->setEnabled(heifers && chkInseminatedHeifers_->isChecked());
    cboHeifersGroup3_->setEnabled(heifers && chkPregnantHeifers_->isChecked());
    cboBullsGroup_->setEnabled(chkBulls_->isChecked());
    cboSteersGroup_->setEnabled(chkSteers_->isChecked());
}

std::optional<int> frmAddAnimalsDlg::GroupOf(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    const int value = digits.toInt();
    if (value < kLowestGroup || value > kHighestGroup)
        return std::nullopt;
    return value;
}

bool frmAddAnimalsDlg::CheckGroup(QComboBox* box) {
    if (GroupOf(box->currentText()))
        return true;
    if (!reporting_) {
        reporting_ = true;
        LinkUi::Ui().MessageBox(
            modUtils::FormatStr(modCommon::ResString(kRangeMessage), kLowestGroup, kHighestGroup),
            LinkUi::Buttons::Ok, LinkUi::Icon::Information,
            modCommon::ResString(Shell::kInformationCaption));
        reporting_ = false;
    }
    box->setFocus();
    box->lineEdit()->selectAll();
    return false;
}

bool frmAddAnimalsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !reporting_ &&
        Shell::LeavesForControl(*static_cast<QFocusEvent*>(event))) {
        auto* box = qobject_cast<QComboBox*>(watched);
        if (!box)
            box = qobject_cast<QComboBox*>(watched->parent());
        // The box and its text field both lose the focus: one check.
        if (box && pendingCheck_ != box) {
            pendingCheck_ = box;
            QTimer::singleShot(0, this, [this, box] {
                pendingCheck_ = nullptr;
                if (isVisible() && !reporting_ && box->isEnabled())
                    CheckGroup(box);
            });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmAddAnimalsDlg::accept() {
    for (QComboBox* box : {cboCowsGroup1_, cboCowsGroup2_, cboHeifersGroup1_, cboHeifersGroup2_,
                           cboHeifersGroup3_, cboBullsGroup_, cboSteersGroup_})
        if (box->isEnabled() && box->isVisibleTo(this) && !CheckGroup(box))
            return;

    // Boxes the user could not change keep the number the load showed.
    const auto group = [](const QComboBox* box) {
        return static_cast<std::int32_t>(box->currentText().trimmed().toInt());
    };
    modCommon::SettingsValues& settings = modCommon::Settings();
    settings.AddCows = chkCows_->isChecked();
    settings.AddHeifers = chkHeifers_->isChecked();
    settings.AddInseminatedHeifers = chkInseminatedHeifers_->isChecked();
    settings.AddPregnantHeifers = chkPregnantHeifers_->isChecked();
    settings.AddBulls = chkBulls_->isChecked();
    settings.AddSteers = chkSteers_->isChecked();
    settings.AddCowsGroup1 = group(cboCowsGroup1_);
    settings.AddCowsGroup2 = group(cboCowsGroup2_);
    settings.AddHeifersGroup1 = group(cboHeifersGroup1_);
    settings.AddHeifersGroup2 = group(cboHeifersGroup2_);
    settings.AddHeifersGroup3 = group(cboHeifersGroup3_);
    settings.AddBullsGroup = group(cboBullsGroup_);
    settings.AddSteersGroup = group(cboSteersGroup_);
    QDialog::accept();
}
