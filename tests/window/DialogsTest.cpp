// The dialogs: add animals (modes, enabling rules, range checks, what OK stores),
// settings, new herd, about, and the language dialog.

#include "WindowTestSupport.h"
#include "WindowTests.h"

#include "common/LinkRegistryKeys.h"
#include "common/modUtils.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmAddAnimalsDlg.h"
#include "dialogs/frmLanguageDlg.h"
#include "dialogs/frmNewHerdDlg.h"
#include "dialogs/frmSettingsDlg.h"
#include "settings/LinkSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

namespace {

template <class T> T* Child(QWidget& dialog, const char* name) {
    auto* child = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QString SettingsFileText(WindowWorld& world) {
    return QString::fromStdString(ReadBytes(world.File("link.ini")));
}

std::optional<std::string> UserValue(std::string_view name) {
    std::string value;
    if (!modUtils::RegReadString(value, modUtils::RegRoot::CurrentUser, modCommon::kLinkRegistryKey,
                                 name))
        return std::nullopt;
    return value;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> world_;

private slots:
    void init() {
        world_ = std::make_unique<WindowWorld>();
        modCommon::ReadSettings();
    }
    void cleanup() { world_.reset(); }

    // ---- Add animals ----------------------------------------------------------

    void addAnimalsModesOfferTheirRows_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("bulls");
        QTest::addColumn<bool>("steers");
        QTest::newRow("0 all") << 0 << true << true;
        QTest::newRow("1 no steers") << 1 << true << false;
        QTest::newRow("2 no bulls, no steers") << 2 << false << false;
        QTest::newRow("3 changes nothing") << 3 << true << false;
    }
    void addAnimalsModesOfferTheirRows() {
        QFETCH(int, mode);
        QFETCH(bool, bulls);
        QFETCH(bool, steers);
        frmAddAnimalsDlg dialog;
        dialog.SetMode(1);
        dialog.SetMode(mode);
        dialog.show();
        QCOMPARE(Child<QCheckBox>(dialog, "chkBulls")->isVisible(), bulls);
        QCOMPARE(Child<QComboBox>(dialog, "cboBullsGroup")->isVisible(), bulls);
        QCOMPARE(Child<QCheckBox>(dialog, "chkSteers")->isVisible(), steers);
        QCOMPARE(Child<QComboBox>(dialog, "cboSteersGroup")->isVisible(), steers);
        QVERIFY(Child<QCheckBox>(dialog, "chkPregnantHeifers")->isVisible());
    }

    void addAnimalsCaptionsAndGroupLists() {
        frmAddAnimalsDlg dialog;
        QCOMPARE(dialog.windowTitle(), QString("Add Animals"));
        const std::pair<const char*, const char*> labels[] = {{"lblGroup", "Group"},
                                                              {"lblLactation1", "Lactation 1"},
                                                              {"lblLactation2", "Lactation 2-"}};
        for (const auto& [name, text] : labels)
            QCOMPARE(Child<QLabel>(dialog, name)->text(), QString(text));
        const std::pair<const char*, const char*> checks[] = {
            {"chkCows", "&Cows"},
            {"chkHeifers", "&Heifers"},
            {"chkInseminatedHeifers", "&Inseminated"},
            {"chkPregnantHeifers", "&Pregnant"},
            {"chkBulls", "&Bulls"},
            {"chkSteers", "&Steers"}};
        for (const auto& [name, text] : checks)
            QCOMPARE(Child<QCheckBox>(dialog, name)->text(), QString(text));
        auto* box = Child<QComboBox>(dialog, "cboHeifersGroup2");
        QCOMPARE(box->count(), 199);
        QCOMPARE(box->itemText(0), QString("1"));
        QCOMPARE(box->itemText(198), QString("199"));
        QCOMPARE(box->currentText(), QString("1"));
        QCOMPARE(Child<QPushButton>(dialog, "cmdOk")->text(), QString("OK"));
        QCOMPARE(Child<QPushButton>(dialog, "cmdCancel")->text(), QString("Cancel"));
    }

    void addAnimalsEnablingRules_data() {
        QTest::addColumn<QString>("checked"); // c h i p b s: cows, heifers, inseminated, ...
        QTest::addColumn<QString>("enabled"); // chkI chkP cows1 cows2 h1 h2 h3 bulls steers
        QTest::newRow("nothing") << "------" << QString("000000000");
        QTest::newRow("cows") << "c-----" << QString("001100000");
        QTest::newRow("heifers") << "-h----" << QString("110010000");
        QTest::newRow("heifers, inseminated") << "-hi---" << QString("110011000");
        QTest::newRow("heifers, pregnant") << "-h-p--" << QString("110010100");
        QTest::newRow("inseminated, pregnant without heifers") << "--ip--" << QString("000000000");
        QTest::newRow("bulls, steers") << "----bs" << QString("000000011");
        QTest::newRow("all") << "chipbs" << QString("111111111");
    }
    void addAnimalsEnablingRules() {
        QFETCH(QString, checked);
        QFETCH(QString, enabled);
        using S = modCommon::SettingsValues;
        bool S::*const rows[] = {
            &S::AddCows,  &S::AddHeifers, &S::AddInseminatedHeifers, &S::AddPregnantHeifers,
            &S::AddBulls, &S::AddSteers};
        for (int i = 0; i < 6; ++i)
            modCommon::Settings().*rows[i] = checked[i] != '-';
        frmAddAnimalsDlg dialog;
        dialog.SetMode(0);
        const char* controls[] = {"chkInseminatedHeifers", "chkPregnantHeifers", "cboCowsGroup1",
                                  "cboCowsGroup2",         "cboHeifersGroup1",   "cboHeifersGroup2",
                                  "cboHeifersGroup3",      "cboBullsGroup",      "cboSteersGroup"};
        for (int i = 0; i < 9; ++i)
            QVERIFY2(Child<QWidget>(dialog, controls[i])->isEnabled() == (enabled[i] == '1'),
                     controls[i]);
    }

    void uncheckingHeifersKeepsTheirRowsCheckedAndOkStoresThem() {
        auto& settings = modCommon::Settings();
        settings.AddHeifers = settings.AddInseminatedHeifers = settings.AddPregnantHeifers = true;
        frmAddAnimalsDlg dialog;
        dialog.SetMode(1);
        dialog.show();
        auto* heifers = Child<QCheckBox>(dialog, "chkHeifers");
        QTest::mouseClick(heifers, Qt::LeftButton, {}, QPoint(5, heifers->height() / 2));
        QVERIFY(!heifers->isChecked());
        for (const char* name : {"chkInseminatedHeifers", "chkPregnantHeifers"}) {
            QVERIFY(!Child<QCheckBox>(dialog, name)->isEnabled());
            QVERIFY(Child<QCheckBox>(dialog, name)->isChecked());
        }
        for (const char* name : {"cboHeifersGroup1", "cboHeifersGroup2", "cboHeifersGroup3"})
            QVERIFY(!Child<QComboBox>(dialog, name)->isEnabled());
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!settings.AddHeifers);
        QVERIFY(settings.AddInseminatedHeifers);
        QVERIFY(settings.AddPregnantHeifers);
    }

    void okStoresEveryChoiceAndModeOneKeepsTheSteers() {
        auto& settings = modCommon::Settings();
        settings.AddSteers = true;
        settings.AddSteersGroup = 7;
        settings.AddBullsGroup = 250; // stored by other means; the bulls row is off
        frmAddAnimalsDlg dialog;
        dialog.SetMode(1);
        dialog.show();
        Child<QCheckBox>(dialog, "chkCows")->click();
        Child<QComboBox>(dialog, "cboCowsGroup1")->setEditText("12");
        Child<QComboBox>(dialog, "cboCowsGroup2")->setEditText("199");
        Child<QCheckBox>(dialog, "chkHeifers")->click();
        Child<QComboBox>(dialog, "cboHeifersGroup1")->setEditText(" 3 ");
        Child<QCheckBox>(dialog, "chkSteers")->setChecked(false); // hidden: never reaches OK
        Child<QCheckBox>(dialog, "chkSteers")->setChecked(true);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(settings.AddCows);
        QCOMPARE(settings.AddCowsGroup1, 12);
        QCOMPARE(settings.AddCowsGroup2, 199);
        QVERIFY(settings.AddHeifers);
        QCOMPARE(settings.AddHeifersGroup1, 3);
        QVERIFY(settings.AddSteers);
        QCOMPARE(settings.AddSteersGroup, 7);
        QVERIFY(!settings.AddBulls);
        QCOMPARE(settings.AddBullsGroup, 250);
    }

    void aGroupOutsideTheRangeIsRefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("taken");
        QTest::newRow("0") << "0" << false;
        QTest::newRow("200") << "200" << false;
        QTest::newRow("not a number") << "12a" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("negative") << "-5" << false;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("199") << "199" << true;
        QTest::newRow("blanks around") << " 42 " << true;
    }
    void aGroupOutsideTheRangeIsRefused() {
        QFETCH(QString, text);
        QFETCH(bool, taken);
        modCommon::Settings().AddCows = true;
        frmAddAnimalsDlg dialog;
        dialog.SetMode(1);
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* box = Child<QComboBox>(dialog, "cboCowsGroup1");
        std::vector<SeenBox> seen;
        ModalScript script({ModalScript::AnswerBox(&seen)});
        script.Ignore(&dialog);

        // Leaving the box.
        box->setFocus();
        QTRY_VERIFY(box->lineEdit()->hasFocus());
        box->setEditText(text);
        Child<QCheckBox>(dialog, "chkBulls")->setFocus();
        QTest::qWait(50);
        if (taken) {
            QVERIFY(seen.empty());
            QVERIFY(Child<QCheckBox>(dialog, "chkBulls")->hasFocus());
        } else {
            QTRY_COMPARE(seen.size(), std::size_t(1));
            QCOMPARE(seen[0].text, QString("Value out of range, allowed range is 1 to 199."));
            QCOMPARE(seen[0].title, QString("Information"));
            QCOMPARE(seen[0].icon, QMessageBox::Information);
            QCOMPARE(seen[0].parent, QString("frmAddAnimalsDlg"));
            // The box has the focus again when the dialog is active again (Qt's
            // offscreen platform activates no window by itself).
            QTRY_VERIFY2(dialog.focusWidget() == box || dialog.focusWidget() == box->lineEdit(),
                         "the focus stays in the box");
        }

        // OK.
        script.Add(ModalScript::AnswerBox(&seen));
        dialog.accept();
        QCOMPARE(dialog.isVisible(), !taken);
        QCOMPARE(modCommon::Settings().AddCowsGroup1, taken ? text.trimmed().toInt() : 1);
        QCOMPARE(seen.size(), std::size_t(taken ? 0 : 2));
    }

    void cancelAndEscapeChangeNothing() {
        const modCommon::SettingsValues before = modCommon::Settings();
        for (const bool escape : {false, true}) {
            frmAddAnimalsDlg dialog;
            dialog.show();
            Child<QCheckBox>(dialog, "chkCows")->click();
            Child<QComboBox>(dialog, "cboCowsGroup1")->setEditText("0");
            if (escape)
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                Child<QPushButton>(dialog, "cmdCancel")->click();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QVERIFY(modCommon::Settings() == before);
        }
    }

    // ---- Settings --------------------------------------------------------------

    void settingsShowsTheSettingsReadAfreshAndOkSavesThem() {
        QVERIFY(WriteBytes(world_->File("link.ini"),
                           "[Settings]\r\nHerdNo=12-3456\r\nRemoteConnection=1\r\nAddCows=1\r\n"));
        modCommon::Settings().HerdNo = "stale";
        frmSettingsDlg dialog;
        QCOMPARE(dialog.windowTitle(), QString("Settings"));
        QCOMPARE(Child<QLabel>(dialog, "lblHerdNo")->text(), QString("&Herd number:"));
        QCOMPARE(Child<QCheckBox>(dialog, "chkRemoteConnection")->text(),
                 QString("&Remote connection"));
        QCOMPARE(dialog.HerdNo(), QString("12-3456"));
        QVERIFY(dialog.RemoteConnection());

        auto* herdNo = Child<QLineEdit>(dialog, "txtHerdNo");
        herdNo->clear();
        QTest::keyClicks(herdNo, "1234567890");
        QCOMPARE(dialog.HerdNo(), QString("123456789"));
        Child<QCheckBox>(dialog, "chkRemoteConnection")->click();
        Child<QPushButton>(dialog, "cmdOk")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(modCommon::Settings().HerdNo, std::string("123456789"));
        QVERIFY(!modCommon::Settings().RemoteConnection);
        const QString file = SettingsFileText(*world_);
        QVERIFY2(file.contains("HerdNo=123456789\r\n") && file.contains("RemoteConnection=0\r\n") &&
                     file.contains("AddCows=1\r\n"),
                 qPrintable(file));
    }

    void settingsCancelChangesNothingAndALongHerdNumberIsShownWhole() {
        QVERIFY(WriteBytes(world_->File("link.ini"), "[Settings]\r\nHerdNo=12-34567890\r\n"));
        const std::string before = ReadBytes(world_->File("link.ini"));
        frmSettingsDlg dialog;
        QCOMPARE(dialog.HerdNo(), QString("12-34567890"));
        dialog.SetHerdNo("1");
        dialog.reject();
        QCOMPARE(ReadBytes(world_->File("link.ini")), before);
    }

    // ---- New herd ---------------------------------------------------------------

    void newHerdRefusesAnEmptyHerdNumber() {
        frmNewHerdDlg dialog;
        dialog.SetHerdNoMaxLength(9);
        QCOMPARE(dialog.windowTitle(), QString("New Herd"));
        QCOMPARE(Child<QLabel>(dialog, "lblHerdNo")->text(), QString("&Herd number:"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* herdNo = Child<QLineEdit>(dialog, "txtHerdNo");
        herdNo->setFocus();
        QTRY_VERIFY(herdNo->hasFocus());
        Child<QPushButton>(dialog, "cmdOk")->setFocus();
        QTRY_VERIFY2(herdNo->hasFocus(), "an empty herd number cannot leave the box");
        Child<QPushButton>(dialog, "cmdOk")->click();
        QVERIFY2(dialog.isVisible(), "OK with an empty herd number");

        QTest::keyClicks(herdNo, "12345678901");
        QCOMPARE(dialog.HerdNo(), QString("123456789"));
        Child<QPushButton>(dialog, "cmdOk")->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void newHerdCancelsEvenWhenEmpty() {
        frmNewHerdDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Child<QLineEdit>(dialog, "txtHerdNo")->setFocus();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    // ---- About ------------------------------------------------------------------

    void aboutShowsTitleVersionAndCopyright() {
        frmAbout dialog;
        QCOMPARE(dialog.windowTitle(), QString("About Vantor Link SE"));
        QCOMPARE(Child<QLabel>(dialog, "lblTitle")->text(), QString("Vantor Link SE"));
        QCOMPARE(Child<QLabel>(dialog, "lblVersion")->text(), QString("Version 2.04"));
        QCOMPARE(Child<QLabel>(dialog, "lblCopyright")->text(), QString("Copyright (C) Kestrom"));
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    }

    // ---- Language ---------------------------------------------------------------

    void languageDialogListsTheLibrariesItAccepts() {
        {
            frmLanguageDlg dialog;
            QCOMPARE(Child<QComboBox>(dialog, "cboLanguage")->count(), 1);
            QCOMPARE(Child<QComboBox>(dialog, "cboLanguage")->itemText(0), QString("English"));
        }
        world_->InstallLanguageLibraries();
        QVERIFY(WriteBytes(world_->File("Language/Broken.so"), "not a library"));
        QVERIFY(WriteBytes(world_->File("Language/readme.txt"), "text"));
        frmLanguageDlg dialog;
        QCOMPARE(dialog.windowTitle(), QString("Select Language"));
        QCOMPARE(Child<QLabel>(dialog, "lblSelectLanguage")->text(), QString("Select a language"));
        auto* list = Child<QComboBox>(dialog, "cboLanguage");
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->itemText(i);
        QCOMPARE(names, (QStringList{"English", "Svenska"}));
        QCOMPARE(list->currentIndex(), 0);
    }

    void aChangedLanguageIsStoredAndNeedsARestart() {
        world_->InstallLanguageLibraries();
        std::vector<SeenBox> seen;
        {
            frmLanguageDlg dialog;
            Child<QComboBox>(dialog, "cboLanguage")->setCurrentIndex(1);
            ModalScript script({ModalScript::AnswerBox(&seen)});
            Child<QPushButton>(dialog, "cmdOk")->click();
        }
        QCOMPARE(UserValue(modCommon::kSatelliteDllValue),
                 std::optional<std::string>("Swedish.dll"));
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].text,
                 QString("You must restart Vantor Link SE for this setting to take effect!"));
        QCOMPARE(seen[0].title, QString("Information"));
        QCOMPARE(seen[0].icon, QMessageBox::Information);

        // The language in use is preselected: OK alone changes nothing.
        {
            frmLanguageDlg again;
            QCOMPARE(Child<QComboBox>(again, "cboLanguage")->currentText(), QString("Svenska"));
            ModalScript quiet;
            Child<QPushButton>(again, "cmdOk")->click();
            QTest::qWait(50);
            QVERIFY(quiet.Unexpected().isEmpty());
        }

        frmLanguageDlg cancelled;
        Child<QComboBox>(cancelled, "cboLanguage")->setCurrentIndex(0);
        cancelled.reject();
        QCOMPARE(UserValue(modCommon::kSatelliteDllValue),
                 std::optional<std::string>("Swedish.dll"));

        // English is stored by its library's name as well.
        frmLanguageDlg english;
        Child<QComboBox>(english, "cboLanguage")->setCurrentIndex(0);
        ModalScript restart({ModalScript::AnswerBox(nullptr)});
        english.accept();
        QCOMPARE(UserValue(modCommon::kSatelliteDllValue),
                 std::optional<std::string>("English.dll"));
        QCOMPARE(restart.Remaining(), 0);
    }
};

WINDOW_TEST_SUITE("dialogs", DialogsTest);
#include "DialogsTest.moc"
