#include "dialog/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

AboutBox::AboutBox(const Relay::VersionData& version, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(windowIcon().pixmap(size, size));

    auto* texts = new QVBoxLayout;
    const auto addLine = [&](const char* name, const std::string& text) {
        auto* label = new QLabel(QString::fromStdString(text), this);
        label->setObjectName(QString::fromLatin1(name));
        texts->addWidget(label);
    };
    addLine("productName", version.productName);
    addLine("version", "Version " + version.productVersion);
    addLine("copyright", version.legalCopyright);

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
