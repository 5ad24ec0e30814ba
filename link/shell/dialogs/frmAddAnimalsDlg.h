#pragma once

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

// "Add Animals": which animals of the national animal list are added, and to
// which groups (1 to 199). Mode chooses the rows offered: 0 all, 1 without
// steers, 2 without bulls and steers. The check boxes enable their group boxes;
// a group outside 1..199 is refused when its box is left and on OK. OK stores
// every choice into the settings; the caller saves them.
class frmAddAnimalsDlg : public QDialog {
    Q_OBJECT

public:
    explicit frmAddAnimalsDlg(QWidget* parent = nullptr);

    void SetMode(int mode);

    // The group of a box's text: a whole number from 1 to 199, else nothing.
    static std::optional<int> GroupOf(const QString& text);

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* AddGroupBox(const char* name, int value);
    void ApplyEnablingRules();
    // Shows the range message and keeps the focus in the box when its text is no
    // group; whether it is one.
    bool CheckGroup(QComboBox* box);

    QGroupBox* fraAddAnimals_ = nullptr;
    QCheckBox* chkCows_ = nullptr;
    QCheckBox* chkHeifers_ = nullptr;
    QCheckBox* chkInseminatedHeifers_ = nullptr;
    QCheckBox* chkPregnantHeifers_ = nullptr;
    QCheckBox* chkBulls_ = nullptr;
    QCheckBox* chkSteers_ = nullptr;
    QComboBox* cboCowsGroup1_ = nullptr;
    QComboBox* cboCowsGroup2_ = nullptr;
    QComboBox* cboHeifersGroup1_ = nullptr;
    QComboBox* cboHeifersGroup2_ = nullptr;
    QComboBox* cboHeifersGroup3_ = nullptr;
    QComboBox* cboBullsGroup_ = nullptr;
    QComboBox* cboSteersGroup_ = nullptr;
    bool reporting_ = false;
    QComboBox* pendingCheck_ = nullptr;
};
