// The main window's controls: captions, the hidden herd commands, the enabling
// rules of UpdateControls in each state, the log view and the herd list.

#include "WindowTestSupport.h"
#include "WindowTests.h"

#include "common/modUtils.h"
#include "exchange/modMirelCom.h"
#include "settings/LinkSettings.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextEdit>
#include <QToolBar>

namespace {

QAction* Action(frmMain& window, const char* name) {
    auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
    if (!action)
        qFatal("no action %s", name);
    return action;
}

// The enabled state of each menu command, in the order of `kMenu`, then whether
// the log view is on ('1' enabled/on, '0' not). The toolbar buttons follow the
// menu item of the same command.
const QStringList kMenu =
    QStringLiteral(
        "mnuFileNewHerd mnuFileRemoveHerd mnuFileSelectHerdItem mnuFilePrint mnuFileExit "
        "mnuFunctionInitialize mnuFunctionCheck mnuFunctionSendAdisData "
        "mnuFunctionAddAnimals mnuOptionsSettings mnuOptionsSelectLanguage "
        "mnuOptionsViewLog")
        .split(' ');
constexpr std::pair<const char*, int> kButtons[] = {{"tbrExit", 4},       {"tbrPrint", 3},
                                                    {"tbrInitialize", 5}, {"tbrCheck", 6},
                                                    {"tbrSettings", 9},   {"tbrViewLog", 11}};

void ExpectControls(frmMain& window, const char* expected, const char* state) {
    const auto failure = [state](const QString& name) {
        return QStringLiteral("%1: %2").arg(state, name).toLocal8Bit();
    };
    for (int i = 0; i < kMenu.size(); ++i) {
        QAction* action = Action(window, qPrintable(kMenu[i]));
        const bool enabled = expected[i] == '1';
        QVERIFY2(frmMain::CommandEnabled(action) == enabled &&
                     (!action->isVisible() || action->isEnabled() == enabled),
                 failure(kMenu[i]).constData());
    }
    for (const auto& [name, command] : kButtons) {
        const bool enabled = expected[command] == '1';
        QVERIFY2(Action(window, name)->isEnabled() == enabled &&
                     frmMain::CommandEnabled(Action(window, name)) == enabled,
                 failure(name).constData());
    }
    const bool viewOn = expected[12] == '1';
    QVERIFY2(Action(window, "mnuOptionsViewLog")->isChecked() == viewOn, state);
    QVERIFY2(Action(window, "tbrViewLog")->isChecked() == viewOn, state);
    QVERIFY2(window.findChild<QTextEdit*>("rtbLogfile")->isVisibleTo(&window) == viewOn, state);
    QVERIFY2(window.findChild<QWidget*>("picFiller")->isVisibleTo(&window) != viewOn, state);
}

// Adds a herd through the new-herd dialog.
void AddHerd(frmMain& window, const QString& herdNo) {
    ModalScript script({[herdNo](QWidget* modal) {
        modal->findChild<QLineEdit*>("txtHerdNo")->setText(herdNo);
        static_cast<QDialog*>(modal)->accept();
    }});
    window.FileNewHerd();
    QCOMPARE(script.Remaining(), 0);
}

} // namespace

#define EXPECT_CONTROLS(...)                                                                       \
    do {                                                                                           \
        ExpectControls(__VA_ARGS__);                                                               \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

class ControlsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> world_;

private slots:
    void init() { world_ = std::make_unique<WindowWorld>(); }
    void cleanup() { world_.reset(); }

    void captionsComeFromTheTextTableAndTheHerdCommandsAreHidden() {
        frmMain& window = world_->OpenWindow();
        QCOMPARE(window.windowTitle(), QString("Vantor Link SE"));
        QStringList menus;
        for (QAction* action : window.menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"&File", "F&unction", "&Options", "&Help"}));
        const std::pair<const char*, const char*> captions[] = {
            {"mnuFileNewHerd", "&New Herd"},
            {"mnuFileRemoveHerd", "&Remove Herd"},
            {"mnuFileSelectHerdItem", "&Select Herd"},
            {"mnuFilePrint", "&Print..."},
            {"mnuFileExit", "&Exit"},
            {"mnuFunctionInitialize", "&Initialize"},
            {"mnuFunctionCheck", "&Check"},
            {"mnuFunctionSendAdisData", "&Send ADIS Data..."},
            {"mnuFunctionAddAnimals", "&Add Animals..."},
            {"mnuOptionsSettings", "&Settings..."},
            {"mnuOptionsSelectLanguage", "S&elect Language..."},
            {"mnuOptionsViewLog", "View &Log"},
            {"mnuHelpAbout", "&About..."},
        };
        for (const auto& [name, caption] : captions)
            QCOMPARE(Action(window, name)->text(), QString(caption));
        QStringList buttons;
        for (QAction* action : window.findChild<QToolBar*>("tbrToolbar")->actions())
            if (!action->isSeparator())
                buttons << action->text();
        QCOMPARE(buttons,
                 (QStringList{"Exit", "Print", "Initialize", "Check", "Settings", "View Log"}));
        QCOMPARE(window.findChild<QLabel*>("sbrHerdNo")->toolTip(), QString("Herd number:"));
        QCOMPARE(window.findChild<QLabel*>("sbrHerdNo")->text(), QString("12-3456"));

        for (const char* hidden : {"mnuFileNewHerd", "mnuFileSep1", "mnuFileRemoveHerd",
                                   "mnuFileSelectHerdItem", "mnuFileSep2"})
            QVERIFY2(!Action(window, hidden)->isVisible(), hidden);
        for (const char* shown : {"mnuFilePrint", "mnuFileExit"})
            QVERIFY2(Action(window, shown)->isVisible(), shown);
        QVERIFY(world_->TraceLines().contains("New session " + QString(76, '-')));
    }

    void enablingRulesInEachState() {
        frmMain& window = world_->OpenWindow();
        EXPECT_CONTROLS(window, "1000111111100", "no herd listed, no check log");

        window.SetBusy(true);
        EXPECT_CONTROLS(window, "0000000000000", "busy");
        window.SetBusy(false);

        AddHerd(window, "111");
        EXPECT_CONTROLS(window, "1100111111100", "one herd");
        AddHerd(window, "222");
        EXPECT_CONTROLS(window, "1110111111100", "two herds");
        window.SetBusy(true);
        EXPECT_CONTROLS(window, "0000000000000", "two herds, busy");
        window.SetBusy(false);

        QVERIFY(WriteBytes(modMirelCom::LinkLogFilePath(), "  Error in line:     3: x\r\n"));
        window.UpdateControls();
        EXPECT_CONTROLS(window, "1110111111110", "check log, view off");
        Action(window, "tbrViewLog")->trigger();
        EXPECT_CONTROLS(window, "1111111111111", "check log, view on");
        window.SetBusy(true);
        EXPECT_CONTROLS(window, "0000000000001", "view on, busy");
        window.SetBusy(false);
        Action(window, "mnuOptionsViewLog")->trigger();
        EXPECT_CONTROLS(window, "1110111111110", "view off again from the menu");

        Action(window, "mnuOptionsViewLog")->trigger();
        QVERIFY(QFile::remove(QString::fromStdString(modMirelCom::LinkLogFilePath())));
        window.UpdateControls();
        EXPECT_CONTROLS(window, "1110111111100", "check log gone while shown");
    }

    void theLogViewShowsTheCheckLogInWindows1252() {
        QVERIFY(WriteBytes(modMirelCom::LinkLogFilePath(),
                           "Kestrom Vantor Link SE\r\n  Error in line:    12: Ko \xe4r fel\r\n"));
        frmMain& window = world_->OpenWindow();
        auto* log = window.findChild<QTextEdit*>("rtbLogfile");
        QCOMPARE(log->toPlainText(),
                 QString::fromUtf8(
                     "Kestrom Vantor Link SE\n  Error in line:    12: Ko \xc3\xa4r fel\n"));
        QVERIFY2(!log->isVisibleTo(&window), "the log view opens on request only");
        window.OptionsViewLog();
        QVERIFY(log->isVisibleTo(&window));
    }

    void theHerdListSelectsAndRemovesHerds() {
        frmMain& window = world_->OpenWindow();
        AddHerd(window, "111");
        AddHerd(window, "222");
        AddHerd(window, "111"); // listed already: nothing changes
        QCOMPARE(window.HerdList().HerdNumbers(), (std::vector<std::string>{"111", "222"}));
        QCOMPARE(QString::fromStdString(modCommon::CurrentHerdNo()), QString("222"));
        QCOMPARE(window.findChild<QLabel*>("sbrHerdNo")->text(), QString("222"));
        QVERIFY(!Action(window, "mnuFileSelectHerdList0")->isVisible());
        QVERIFY(Action(window, "mnuFileSelectHerdList2")->isChecked());

        Action(window, "mnuFileSelectHerdList1")->trigger();
        QCOMPARE(window.findChild<QLabel*>("sbrHerdNo")->text(), QString("111"));
        QVERIFY(Action(window, "mnuFileSelectHerdList1")->isChecked());
        QVERIFY(!Action(window, "mnuFileSelectHerdList2")->isChecked());
        QVERIFY(ReadBytes(world_->File("link.ini")).find("HerdNo2=222") != std::string::npos);

        std::vector<SeenBox> boxes;
        {
            ModalScript script({ModalScript::AnswerBox(&boxes, QMessageBox::Cancel)});
            window.FileRemoveHerd();
        }
        QCOMPARE(window.HerdList().HerdCount(), 2L);
        {
            ModalScript script({ModalScript::AnswerBox(&boxes, QMessageBox::Ok)});
            window.FileRemoveHerd();
        }
        QCOMPARE(boxes.size(), std::size_t(2));
        QCOMPARE(boxes[0].text, QString("Remove Herd?"));
        QCOMPARE(boxes[0].title, QString("Confirm"));
        QCOMPARE(boxes[0].icon, QMessageBox::Question);
        QCOMPARE(boxes[0].buttons, (QStringList{"OK", "Cancel"}));
        QCOMPARE(boxes[0].parent, QString("frmMain"));
        QCOMPARE(window.HerdList().HerdNumbers(), (std::vector<std::string>{"222"}));
        QCOMPARE(window.findChild<QLabel*>("sbrHerdNo")->text(), QString("222"));
        QVERIFY(!Action(window, "mnuFileSelectHerdItem")->isEnabled());
    }

    void theSettingsDialogOpensByItselfWhileNoHerdIsSet() {
        world_.reset();
        world_ = std::make_unique<WindowWorld>(false);
        ModalScript script({[](QWidget* modal) {
            QCOMPARE(modal->objectName(), QString("frmSettingsDlg"));
            modal->findChild<QLineEdit*>("txtHerdNo")->setText("7-12");
            static_cast<QDialog*>(modal)->accept();
        }});
        frmMain& window = world_->OpenWindow();
        QTRY_COMPARE(script.Remaining(), 0);
        QTRY_COMPARE(window.findChild<QLabel*>("sbrHerdNo")->text(), QString("7-12"));
        QCOMPARE(modCommon::Settings().HerdNo, std::string("7-12"));
        QVERIFY(ReadBytes(world_->File("link.ini")).find("HerdNo=7-12") != std::string::npos);
    }

    void syncInstalledWarnsOnceWhenTheWindowIsShown() {
        QVERIFY(modUtils::RegWriteString("C:\\Sync", modUtils::RegRoot::LocalMachine,
                                         "Software\\Kestrom\\Vantor Sync", "INSTALLDIRSYNC"));
        std::vector<SeenBox> boxes;
        ModalScript script({ModalScript::AnswerBox(&boxes)});
        frmMain& window = world_->OpenWindow();
        QTRY_COMPARE(boxes.size(), std::size_t(1));
        QCOMPARE(boxes[0].text, QString("Kestrom Sync is installed and you should not use this "
                                        "application. We recommend that you uninstall it!"));
        QCOMPARE(boxes[0].title, QString("Information"));
        QCOMPARE(boxes[0].icon, QMessageBox::Information);
        window.hide();
        window.show();
        QTest::qWait(300);
        // Nothing else opens: no second warning, and no Settings dialog while a herd is set.
        QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Unexpected().join("; ")));
        QVERIFY2(Action(window, "mnuFunctionCheck")->isEnabled(), "the window stays usable");
    }

    void closingIsRefusedWhileBusy() {
        frmMain& window = world_->OpenWindow();
        window.SetBusy(true);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        window.SetBusy(false);
        QVERIFY(window.close());
    }

    void statusTextGoesToTheStatusPanel() {
        frmMain& window = world_->OpenWindow();
        LinkUi::Ui().SetStatusText("Sending data ...");
        QCOMPARE(window.findChild<QLabel*>("sbrStatus")->text(), QString("Sending data ..."));
        LinkUi::Ui().SetStatusText("");
        QCOMPARE(window.Status(), QString());
    }
};

WINDOW_TEST_SUITE("controls", ControlsTest);
#include "ControlsTest.moc"
