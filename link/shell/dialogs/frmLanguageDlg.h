#pragma once

#include "common/LanguageChoice.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;

// "Select Language": the built-in English texts and every language library of
// the "Language" folder that the program accepts. OK stores the choice, which
// takes effect at the next start (the user is told so when it changed).
class frmLanguageDlg : public QDialog {
    Q_OBJECT

public:
    explicit frmLanguageDlg(QWidget* parent = nullptr);

    // The languages as listed.
    const std::vector<modCommon::LanguageChoice>& Languages() const { return languages_; }

public slots:
    void accept() override;

private:
    QComboBox* cboLanguage_ = nullptr;
    std::vector<modCommon::LanguageChoice> languages_;
    std::string storedChoice_;
};
