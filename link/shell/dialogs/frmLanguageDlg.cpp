#include "dialogs/frmLanguageDlg.h"

#include "ShellTexts.h"
#include "common/LanguageStartup.h"
#include "common/LinkRegistryKeys.h"
#include "common/modUtils.h"
#include "dialogs/DialogButtons.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

namespace {

constexpr long kDialogCaption = 180;
constexpr long kPrompt = 181;

bool SameLibrary(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

frmLanguageDlg::frmLanguageDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmLanguageDlg"));
    setWindowTitle(Shell::Res(kDialogCaption));
    auto* prompt = new QLabel(Shell::Res(kPrompt), this);
    prompt->setObjectName(QStringLiteral("lblSelectLanguage"));
    cboLanguage_ = new QComboBox(this);
    cboLanguage_->setObjectName(QStringLiteral("cboLanguage"));
    prompt->setBuddy(cboLanguage_);

    modUtils::RegReadString(storedChoice_, modUtils::RegRoot::CurrentUser,
                            modCommon::kLinkRegistryKey, modCommon::kSatelliteDllValue);
    languages_ = modCommon::AvailableLanguages();
    int current = 0;
    for (const auto& language : languages_) {
        if (SameLibrary(language.FileName, storedChoice_))
            current = cboLanguage_->count();
        cboLanguage_->addItem(QString::fromStdString(language.LanguageName));
    }
    // The language in use is preselected, so that OK alone changes nothing.
    cboLanguage_->setCurrentIndex(current);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(cboLanguage_);
    layout->addWidget(Shell::OkCancelButtons(this));
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
}

void frmLanguageDlg::accept() {
    const int index = cboLanguage_->currentIndex();
    std::string fileName = modCommon::kEnglishLibraryName;
    if (index >= 0 && index < static_cast<int>(languages_.size()) &&
        !languages_[static_cast<std::size_t>(index)].FileName.empty())
        fileName = languages_[static_cast<std::size_t>(index)].FileName;
    // No stored choice means the built-in texts; names compare without case, as
    // the start-up reads them.
    std::string previous = storedChoice_.empty() ? modCommon::kEnglishLibraryName : storedChoice_;
    if (SameLibrary(previous, fileName))
        previous = fileName;
    modCommon::StoreLanguageChoice(fileName, previous, Shell::ToUtf8(Shell::ApplicationTitle()));
    QDialog::accept();
}
