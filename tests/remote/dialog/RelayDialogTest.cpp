// The relay's dialog on Qt's offscreen platform: its status texts, the OK and
// Cancel states and the About box, with the test in the herd server's place.

#include "dialog/RelayDialog.h"
#include "../RelayTestSupport.h"
#include "relay/RelayRun.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>

class RelayDialogTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    QString Share() const { return folder_.filePath("share"); }
    QString LocalIn() const { return folder_.filePath("in.dat"); }
    QString LocalOut() const { return folder_.filePath("out.dat"); }

    std::unique_ptr<RecordingShare> share_;
    std::unique_ptr<Relay::RelayRun> run_;
    std::unique_ptr<RelayDialog> dialog_;

    RelayDialog& Open(const QString& commandLine, const QString& remoteName) {
        Relay::RelayConfig config;
        config.remoteName = remoteName.toStdString();
        share_ = std::make_unique<RecordingShare>();
        run_ = std::make_unique<Relay::RelayRun>(config, *share_);
        dialog_ = std::make_unique<RelayDialog>(*run_);
        dialog_->show();
        dialog_->Begin(commandLine.toStdString());
        return *dialog_;
    }
    QPushButton* Button(const char* name) const {
        return dialog_->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString Status() const { return dialog_->findChild<QLabel*>("status")->text(); }

private slots:
    void init() {
        QVERIFY(folder_.isValid());
        QVERIFY(QDir(folder_.path()).mkpath("share"));
        WriteText(LocalIn().toStdString(), "request\r\n");
        QFile::remove(LocalOut());
    }

    void cleanup() {
        dialog_.reset();
        run_.reset();
        share_.reset();
        QDir(Share()).removeRecursively();
    }

    void statusTextsInOrderAndTheDialogClosesWhenAnswered() {
        RelayDialog& dialog = Open("-f " + LocalIn() + " -o " + LocalOut(), Share());
        QSignalSpy statuses(&dialog, &RelayDialog::statusChanged);
        QVERIFY(Button("cancel")->isVisible());
        QVERIFY(!Button("ok")->isVisible());

        QTRY_VERIFY(QFile::exists(Share() + "/isoin.dat"));
        QCOMPARE(Status(), QString("Waiting for outfile to be created..."));
        QTRY_VERIFY(dialog.findChild<QProgressBar*>("progress")->value() > 20);
        QVERIFY(dialog.isVisible());
        WriteText((Share() + "/isoout.dat").toStdString(), "answer\r\n");
        QVERIFY(QFile::remove(Share() + "/isoin.dat"));

        QTRY_VERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(static_cast<int>(run_->Exit()), 0);
        QCOMPARE(statuses.count(), 3);
        QCOMPARE(statuses.at(0).at(0).toString(), "Connecting to " + Share());
        QCOMPARE(statuses.at(1).at(0).toString(), QString("Waiting for outfile to be created..."));
        QCOMPARE(statuses.at(2).at(0).toString(), QString("Copying files..."));
        QVERIFY(QFile::exists(LocalOut()));
        QCOMPARE(std::count(share_->calls.begin(), share_->calls.end(),
                            "cancel " + Share().toStdString()),
                 2);
    }

    void aBadCommandLineShowsOkInPlaceOfCancel() {
        RelayDialog& dialog = Open("-o out.dat /n", Share());
        QCOMPARE(Status(), QString("Invalid command line parameters!"));
        QVERIFY(!Button("cancel")->isVisible());
        QVERIFY(Button("ok")->isVisible());
        QVERIFY(Button("ok")->isEnabled());
        QVERIFY(Button("ok")->isDefault());
        QTest::qWait(200);
        QVERIFY2(dialog.isVisible(), "the message stays");
        QTest::mouseClick(Button("ok"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(static_cast<int>(run_->Exit()), 1);
    }

    void aConnectionErrorWaitsForOkAndTheCloseBox() {
        RelayDialog& dialog = Open("-f " + LocalIn(), folder_.filePath("no share"));
        QTRY_COMPARE(Status(), QString("Connection error!"));
        QVERIFY(!Button("cancel")->isVisible());
        QVERIFY(Button("ok")->isVisible());
        QCOMPARE(dialog.findChild<QProgressBar*>("progress")->value(), 0);
        QVERIFY(dialog.close());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(static_cast<int>(run_->Exit()), 2);
    }

    void cancelWhileWaitingClosesWithoutAnAnswer() {
        RelayDialog& dialog = Open("-f " + LocalIn() + " -o " + LocalOut(), Share());
        QTRY_VERIFY(QFile::exists(Share() + "/isoin.dat"));
        QTest::qWait(100);
        QVERIFY(Button("cancel")->isVisible());
        QVERIFY(Button("cancel")->isEnabled());
        QTest::mouseClick(Button("cancel"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(static_cast<int>(run_->Exit()), 5);
        WriteText((Share() + "/isoout.dat").toStdString(), "answer\r\n");
        QFile::remove(Share() + "/isoin.dat");
        QTest::qWait(150);
        QVERIFY(!QFile::exists(LocalOut()));
    }

    void aboutFromTheWindowMenuShowsTheVersionData() {
        RelayDialog& dialog = Open("-o x /n", Share());
        QAction* about = dialog.AboutAction();
        QCOMPARE(about->text(), QString("&About..."));
        QVERIFY2(dialog.actions().contains(about), "in the window's menu");

        QStringList texts;
        QString title;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            title = box->windowTitle();
            for (const char* name : {"productName", "version", "copyright"})
                texts << box->findChild<QLabel*>(name)->text();
            box->close();
        });
        about->trigger();
        QCOMPARE(title, QString("About"));
        QCOMPARE(texts, (QStringList{"Qel ISO Remote", "Version 2.0.0", "Copyright (C) Kestrom"}));
        QVERIFY2(dialog.isVisible(), "the About box leaves the dialog open");
    }
};

QTEST_MAIN(RelayDialogTest)
#include "RelayDialogTest.moc"
