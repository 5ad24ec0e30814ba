// The Swedish texts: chosen with the language dialog, they take effect at the
// next start, and then every caption, menu, button and message of the window
// comes from the shipped library.

#include "WindowTestSupport.h"
#include "WindowTests.h"

#include "common/LanguageResources.h"
#include "common/LinkRegistryKeys.h"
#include "common/modUtils.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmAddAnimalsDlg.h"
#include "dialogs/frmLanguageDlg.h"
#include "dialogs/frmNewHerdDlg.h"
#include "dialogs/frmSettingsDlg.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

namespace {

// Every text a window shows: title, labels, buttons, check boxes, menus and
// toolbar buttons.
QStringList TextsOf(QWidget& window) {
    QStringList texts{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << label->text();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            texts << button->text();
    for (const QAction* action : window.findChildren<QAction*>())
        if (!action->text().isEmpty())
            texts << action->text();
    for (const QMenu* menu : window.findChildren<QMenu*>())
        if (!menu->title().isEmpty())
            texts << menu->title();
    return texts;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> world_;
    std::shared_ptr<modCommon::LanguageLibrary> swedish_;

    // The library's own text of the number.
    QString Swedish(long number) const {
        return QString::fromStdString(modCommon::ResString(number, swedish_.get()));
    }

    void ExpectSwedish(QWidget& window, const std::vector<long>& numbers) {
        const QStringList shown = TextsOf(window);
        for (const long number : numbers)
            QVERIFY2(shown.contains(Swedish(number)), qPrintable(QStringLiteral("%1 (%2) in %3")
                                                                     .arg(Swedish(number))
                                                                     .arg(number)
                                                                     .arg(shown.join(" | "))));
    }

private slots:
    void init() {
        world_ = std::make_unique<WindowWorld>();
        world_->InstallLanguageLibraries();
        swedish_ = modCommon::LoadLanguageLibrary("Swedish.dll", 4, false);
        QVERIFY(swedish_);
    }
    void cleanup() {
        world_.reset();
        swedish_.reset();
    }

    void theChoiceTakesEffectAtTheNextStart() {
        frmMain& window = world_->OpenWindow();
        QCOMPARE(window.findChild<QAction*>("mnuFileExit")->text(), QString("&Exit"));
        ModalScript script(
            {[](QWidget* modal) {
                 modal->findChild<QComboBox*>("cboLanguage")->setCurrentText("Svenska");
                 static_cast<QDialog*>(modal)->accept();
             },
             ModalScript::AnswerBox(nullptr)});
        window.OptionsSelectLanguage();
        QCOMPARE(script.Remaining(), 0);
        QCOMPARE(window.findChild<QAction*>("mnuFileExit")->text(), QString("&Exit"));

        frmMain& next = world_->OpenWindow();
        QCOMPARE(next.findChild<QAction*>("mnuFileExit")->text(), QString("&Avsluta"));
    }

    void everyTextOfTheMainWindowIsSwedish() {
        QVERIFY(modUtils::RegWriteString("Swedish.dll", modUtils::RegRoot::CurrentUser,
                                         modCommon::kLinkRegistryKey,
                                         modCommon::kSatelliteDllValue));
        frmMain& window = world_->OpenWindow();
        QStringList menus;
        for (QAction* action : window.menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"&Arkiv", "F&unktion", "A&lternativ", "&Hjälp"}));
        ExpectSwedish(window, {119, 120, 121, 122, 123, 125, 126, 127, 128, 131, 132, 133, 135, 138,
                               139, 140, 141, 143, 144});
        QCOMPARE(window.findChild<QLabel*>("sbrHerdNo")->toolTip(), Swedish(136));
        QCOMPARE(window.windowTitle(), QString("Vantor Link SE"));
    }

    void everyDialogAndMessageIsSwedish() {
        QVERIFY(modUtils::RegWriteString("Swedish.dll", modUtils::RegRoot::CurrentUser,
                                         modCommon::kLinkRegistryKey,
                                         modCommon::kSatelliteDllValue));
        frmMain& window = world_->OpenWindow();
        {
            frmAddAnimalsDlg dialog(&window);
            ExpectSwedish(dialog, {104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 148, 149});
        }
        {
            frmSettingsDlg dialog(&window);
            ExpectSwedish(dialog, {143, 101, 102, 148, 149});
        }
        {
            frmNewHerdDlg dialog(&window);
            ExpectSwedish(dialog, {114, 101, 148, 149});
        }
        {
            frmAbout dialog(&window);
            QCOMPARE(dialog.windowTitle(), Swedish(145) + " Vantor Link SE");
            QCOMPARE(dialog.findChild<QLabel*>("lblVersion")->text(), Swedish(147) + " 2.04");
        }
        {
            frmLanguageDlg dialog(&window);
            ExpectSwedish(dialog, {180, 181, 148, 149});
            auto* list = dialog.findChild<QComboBox*>("cboLanguage");
            QCOMPARE(list->itemText(0), Swedish(182));
            QCOMPARE(list->currentText(), QString("Svenska"));
        }
        std::vector<SeenBox> seen;
        ModalScript script({ModalScript::AnswerBox(&seen, QMessageBox::Cancel)});
        window.FileRemoveHerd();
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].text, Swedish(115));
        QCOMPARE(seen[0].title, Swedish(151));
        QCOMPARE(seen[0].buttons, (QStringList{Swedish(148), Swedish(149)}));
        QCOMPARE(Swedish(149), QString("Avbryt"));
    }
};

WINDOW_TEST_SUITE("language", LanguageTest);
#include "LanguageTest.moc"
