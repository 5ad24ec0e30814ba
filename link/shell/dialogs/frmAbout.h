#pragma once

#include <QDialog>

// "About Vantor Link SE": the application title, the version text (with
// sub-version 4, "Version 2.04") and the copyright of the program's version data.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
};
