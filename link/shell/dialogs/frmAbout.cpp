#include "dialogs/frmAbout.h"

#include "LinkVersionData.h"
#include "ShellTexts.h"
#include "common/modUtils.h"
#include "dialogs/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr long kAboutCaption = 145;
constexpr long kVersionText = 147;
constexpr int kVersionSubVersion = 4;

} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(Shell::Res(kAboutCaption) + QLatin1Char(' ') + Shell::ApplicationTitle());

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));

    const auto addLabel = [this](QVBoxLayout* texts, const char* name, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::fromLatin1(name));
        texts->addWidget(label);
        return label;
    };
    auto* texts = new QVBoxLayout;
    auto* title = addLabel(texts, "lblTitle", Shell::ApplicationTitle());
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    addLabel(texts, "lblVersion",
             Shell::Res(kVersionText) + QLatin1Char(' ') +
                 QString::fromStdString(modUtils::VersionText(kVersionSubVersion)));
    addLabel(texts, "lblCopyright", QStringLiteral(LINK_LEGAL_COPYRIGHT));
    // Wide enough for the caption "About Vantor Link SE" beside the frame's buttons.
    texts->addSpacerItem(new QSpacerItem(fontMetrics().horizontalAdvance(windowTitle()) + 120, 0));

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(texts, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(Shell::OkButton(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
