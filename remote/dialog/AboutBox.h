#pragma once

#include "relay/VersionData.h"

#include <QDialog>

// "About": the program icon and the product name, "Version " with the product
// version, and the copyright, from the program's version data.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(const Relay::VersionData& version, QWidget* parent = nullptr);
};
