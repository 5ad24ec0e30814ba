// The national commands from the window, against herd-iso-sim with its demo
// herd: Initialize, Check with the demo herd's faults (the log view opens with
// the report), Send ADIS data, and Add animals through the dialog; the Vantor
// Sync block; and a request handed over while a command runs.

#include "WindowTestSupport.h"
#include "WindowTests.h"

#include "ProgramStart.h"
#include "common/Platform.h"
#include "common/modUtils.h"
#include "exchange/modMirelCom.h"
#include "instance/InstanceName.h"
#include "instance/InstanceServer.h"
#include "settings/LinkSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTextEdit>

#include <filesystem>

namespace {

// Chooses the file in the open-file dialog.
ModalScript::Step ChooseFile(const QString& path, QString* filters = nullptr) {
    return [path, filters](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            qFatal("expected the open-file dialog, got %s", modal->metaObject()->className());
        if (filters)
            *filters = dialog->nameFilters().join('|') + " / " + dialog->selectedNameFilter();
        // As the user types it into the file name box.
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        if (!name)
            qFatal("the open-file dialog has no file name box");
        name->setText(path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

QString Example(const char* name) {
    return QStringLiteral(EXAMPLES_FOLDER) + "/" + name;
}

} // namespace

class CommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> world_;

    int Executions() const { return world_->TraceCount("Execute: "); }

    void ExpectLogViewOpen(frmMain& window) {
        QVERIFY(window.findChild<QTextEdit*>("rtbLogfile")->isVisibleTo(&window));
        QVERIFY(window.findChild<QAction*>("mnuOptionsViewLog")->isChecked());
        QVERIFY(window.findChild<QAction*>("mnuFilePrint")->isEnabled());
    }

private slots:
    void init() {
        world_ = std::make_unique<WindowWorld>();
        world_->RegisterHerdSimulator();
    }
    void cleanup() {
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", std::nullopt);
        world_.reset();
    }

    void initializeSendsTheCodeTablesWithoutAMessage() {
        frmMain& window = world_->OpenWindow();
        ModalScript script;
        window.findChild<QAction*>("tbrInitialize")->trigger();
        QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Unexpected().join("; ")));
        QCOMPARE(Executions(), 2); // the older national version's tables, then the current ones
        QVERIFY(!window.Busy());
    }

    void aFailedInitializeSaysSo() {
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", std::string("exit=1"));
        frmMain& window = world_->OpenWindow();
        std::vector<SeenBox> seen;
        ModalScript script({ModalScript::AnswerBox(&seen), ModalScript::AnswerBox(&seen),
                            ModalScript::AnswerBox(&seen)});
        window.FunctionInitialize();
        QVERIFY(seen.size() >= 2);
        QVERIFY2(seen.front().text.startsWith("Error running ISO application!\r\n\r\n\""),
                 qPrintable(seen.front().text));
        QCOMPARE(seen.front().icon, QMessageBox::Critical);
        QCOMPARE(seen.back().text, QString("Initialization failed!"));
        QCOMPARE(seen.back().icon, QMessageBox::Warning);
        QCOMPARE(seen.back().title, QString("Error"));
        QCOMPARE(seen.back().parent, QString("frmMain"));
        QVERIFY(!window.Busy());
    }

    void checkOpensTheLogViewWithTheDemoHerdsFaults() {
        frmMain& window = world_->OpenWindow();
        std::vector<SeenBox> seen;
        bool busyDuringBox = false;
        ModalScript script({[&](QWidget* modal) {
            busyDuringBox = world_->Window()->Busy();
            ModalScript::AnswerBox (&seen)(modal);
        }});
        window.findChild<QAction*>("mnuFunctionCheck")->trigger();
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].text, QString("Errors found!"));
        QCOMPARE(seen[0].icon, QMessageBox::Warning);
        QCOMPARE(seen[0].title, QString("Error"));
        QVERIFY(busyDuringBox);
        ExpectLogViewOpen(window);
        const QString report = window.findChild<QTextEdit*>("rtbLogfile")->toPlainText();
        QVERIFY2(report.contains("Invalid id's was found for the following cows:") &&
                     report.contains("Duplicate id's was found for the following cows:"),
                 qPrintable(report));
        QCOMPARE(window.Status(), QString());
        QVERIFY(!window.Busy());
    }

    void checkOfAHerdWithoutFaultsSaysSo() {
        const std::string seed = world_->File("seed.sql");
        QVERIFY(WriteBytes(seed, "DELETE FROM animals WHERE animal_no IN (401, 203, 204);\n"));
        QCOMPARE(modUtils::RunProgramAndWait({kSimulator, "--init", world_->File("herd.db"),
                                              "--demo", "--today", "2026-11-30", "--seed", seed},
                                             5),
                 0);
        frmMain& window = world_->OpenWindow();
        std::vector<SeenBox> seen;
        ModalScript script({ModalScript::AnswerBox(&seen)});
        window.FunctionCheck();
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].text, QString("All cow id's are correct!"));
        QCOMPARE(seen[0].icon, QMessageBox::Information);
        QCOMPARE(seen[0].title, QString("Information"));
        QVERIFY(!window.findChild<QTextEdit*>("rtbLogfile")->isVisibleTo(&window));
    }

    void sendAdisDataHandsTheChosenFileOver() {
        frmMain& window = world_->OpenWindow();
        std::vector<SeenBox> seen;
        QString filters;
        ModalScript script({ChooseFile(Example("test-day-results-055502.dat"), &filters),
                            ModalScript::AnswerBox(&seen)});
        window.FunctionSendAdisData();
        QCOMPARE(filters, QString("All Files (*.*)|ADIS Files (*.dat) / ADIS Files (*.dat)"));
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].text, QString("Data successfully transfered!"));
        QCOMPARE(seen[0].title, QString("Information"));
        QCOMPARE(window.Status(), QString());
        // The chosen file went to the herd side unchanged.
        QCOMPARE(ReadBytes(modMirelCom::IsoInFilePath()),
                 ReadBytes(Example("test-day-results-055502.dat").toStdString()));
        QCOMPARE(Executions(), 1);
    }

    void aSendWhoseAnswerHasErrorsOpensTheLog() {
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", std::string("no-header"));
        frmMain& window = world_->OpenWindow();
        std::vector<SeenBox> seen;
        ModalScript script({ChooseFile(Example("test-day-results-055502.dat")),
                            ModalScript::AnswerBox(&seen), ModalScript::AnswerBox(&seen)});
        window.FunctionSendAdisData();
        QVERIFY(!seen.empty());
        QCOMPARE(seen.back().text, QString("Errors found!"));
        ExpectLogViewOpen(window);
        QVERIFY(window.findChild<QTextEdit*>("rtbLogfile")->toPlainText().contains("  Error"));
    }

    void addAnimalsStoresTheDialogsChoicesAndAddsTheAnimals() {
        frmMain& window = world_->OpenWindow();
        std::vector<SeenBox> seen;
        bool steersOffered = true;
        ModalScript script({ChooseFile(Example("animal-list-055501.dat")),
                            [&](QWidget* modal) {
                                QCOMPARE(modal->objectName(), QString("frmAddAnimalsDlg"));
                                steersOffered =
                                    modal->findChild<QCheckBox*>("chkSteers")->isVisible();
                                modal->findChild<QCheckBox*>("chkCows")->click();
                                modal->findChild<QComboBox*>("cboCowsGroup1")->setEditText("2");
                                modal->findChild<QCheckBox*>("chkHeifers")->click();
                                static_cast<QDialog*>(modal)->accept();
                            },
                            ModalScript::AnswerBox(&seen), ModalScript::AnswerBox(&seen)});
        window.FunctionAddAnimals();
        QVERIFY(!steersOffered);
        QVERIFY(!seen.empty());
        QCOMPARE(seen.back().text, QString("Data successfully transfered!"));
        const std::string settings = ReadBytes(world_->File("link.ini"));
        QVERIFY2(settings.find("AddCows=1") != std::string::npos &&
                     settings.find("AddCowsGroup1=2") != std::string::npos &&
                     settings.find("AddHeifers=1") != std::string::npos,
                 settings.c_str());
        QVERIFY(Executions() >= 2); // code tables, then animals
    }

    void cancellingTheFileOrTheDialogEndsTheCommandSilently() {
        frmMain& window = world_->OpenWindow();
        const std::string before = ReadBytes(world_->File("link.ini"));
        {
            ModalScript script({ModalScript::Reject()});
            window.FunctionSendAdisData();
            QCOMPARE(script.Remaining(), 0);
            QVERIFY(script.Unexpected().isEmpty());
        }
        ModalScript script({ChooseFile(Example("animal-list-055501.dat")), ModalScript::Reject()});
        window.FunctionAddAnimals();
        QCOMPARE(script.Remaining(), 0);
        QCOMPARE(ReadBytes(world_->File("link.ini")), before);
        QCOMPARE(Executions(), 0);
    }

    void vantorSyncBlocksAllButCheck() {
        QVERIFY(modUtils::RegWriteString("C:\\Sync", modUtils::RegRoot::LocalMachine,
                                         "Software\\Kestrom\\Vantor Sync", "INSTALLDIRSYNC"));
        std::vector<SeenBox> seen;
        ModalScript script({ModalScript::AnswerBox(&seen)}); // message 200 when shown
        frmMain& window = world_->OpenWindow();
        QTRY_COMPARE(seen.size(), std::size_t(1));
        for (auto command : {&frmMain::FunctionInitialize, &frmMain::FunctionSendAdisData,
                             &frmMain::FunctionAddAnimals}) {
            script.Add(ModalScript::AnswerBox(&seen));
            (window.*command)();
        }
        QCOMPARE(seen.size(), std::size_t(4));
        for (std::size_t i = 1; i < 4; ++i) {
            QCOMPARE(seen[i].text,
                     QString("This function is not allowed when Kestrom Sync is installed!"));
            QCOMPARE(seen[i].icon, QMessageBox::Information);
            QCOMPARE(seen[i].title, QString("Information"));
        }
        QCOMPARE(Executions(), 0);
        script.Add(ModalScript::AnswerBox(&seen));
        window.FunctionCheck();
        QCOMPARE(seen.back().text, QString("Errors found!"));
        QVERIFY(Executions() > 0);
    }

    void aRequestHandedOverWhileACommandRunsWaitsForIt() {
        frmMain& window = world_->OpenWindow();
        InstanceServer server;
        QVERIFY(server.Listen(InstanceName()));
        Shell::TakeHandOvers(server, window);

        // Slow herd side: the hand-over arrives while Check waits for it.
        Platform::SetEnvironmentValue("HERD_ISO_SIM_FAULT", std::string("sleep=2500"));
        const QString answer = world_->QFile("answer.dat");
        QProcess later;
        later.start(QStringLiteral(VANTORLINK_PATH),
                    {"-f", Example("animals-055021.dat"), "-o", answer});
        QVERIFY(later.waitForStarted());

        std::vector<SeenBox> seen;
        ModalScript script({ModalScript::AnswerBox(&seen)});
        window.FunctionCheck();
        QCOMPARE(seen.size(), std::size_t(1));
        QTRY_VERIFY_WITH_TIMEOUT(later.state() == QProcess::NotRunning, 60000);
        QCOMPARE(later.exitCode(), 0);
        QVERIFY(QFile::exists(answer));

        const QStringList lines = world_->TraceLines();
        const int waits = world_->TraceIndex("Hand-over waits for the running work");
        const int requestBegins = world_->TraceIndex("InFile: ");
        int checkEnds = -1;
        for (int i = 0; i < lines.size(); ++i)
            if (lines[i].startsWith("Result: ") && (requestBegins < 0 || i < requestBegins))
                checkEnds = i;
        QVERIFY2(waits >= 0, qPrintable(lines.join("\n")));
        QVERIFY2(checkEnds >= 0 && checkEnds < requestBegins, "after the command, never inside it");
        QCOMPARE(window.findChild<QLabel*>("sbrHerdNo")->text(), QString("12-3456"));
    }
};

WINDOW_TEST_SUITE("commands", CommandsTest);
#include "CommandsTest.moc"
