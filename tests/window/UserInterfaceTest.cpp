// The Qt user interface: message boxes with the program's buttons, icons and
// captions, modal to the main window or to the dialog in front; the wait cursor;
// the event pump.

#include "WindowTestSupport.h"
#include "WindowTests.h"

#include <QGuiApplication>

class UserInterfaceTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> world_;

private slots:
    void init() { world_ = std::make_unique<WindowWorld>(); }
    void cleanup() { world_.reset(); }

    void messageBoxesShowButtonsIconsAndCaptions_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("press");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("shownIcon");
        QTest::addColumn<int>("answer");
        using B = LinkUi::Buttons;
        using I = LinkUi::Icon;
        using A = LinkUi::Answer;
        QTest::newRow("ok, critical")
            << int(B::Ok) << int(I::Critical) << int(QMessageBox::Ok) << QStringList{"OK"}
            << int(QMessageBox::Critical) << int(A::Ok);
        QTest::newRow("ok cancel, question, cancel")
            << int(B::OkCancel) << int(I::Question) << int(QMessageBox::Cancel)
            << QStringList{"OK", "Cancel"} << int(QMessageBox::Question) << int(A::Cancel);
        QTest::newRow("yes no, exclamation, no")
            << int(B::YesNo) << int(I::Exclamation) << int(QMessageBox::No)
            << QStringList{"&Yes", "&No"} << int(QMessageBox::Warning) << int(A::No);
        QTest::newRow("retry cancel, information, retry")
            << int(B::RetryCancel) << int(I::Information) << int(QMessageBox::Retry)
            << QStringList{"Retry", "Cancel"} << int(QMessageBox::Information) << int(A::Retry);
    }
    void messageBoxesShowButtonsIconsAndCaptions() {
        QFETCH(int, buttons);
        QFETCH(int, icon);
        QFETCH(int, press);
        QFETCH(QStringList, texts);
        QFETCH(int, shownIcon);
        QFETCH(int, answer);
        world_->OpenWindow();
        std::vector<SeenBox> seen;
        ModalScript script({ModalScript::AnswerBox(&seen, QMessageBox::StandardButton(press))});
        const auto result = LinkUi::Ui().MessageBox(
            "Initialization failed!", LinkUi::Buttons(buttons), LinkUi::Icon(icon), "Error");
        QCOMPARE(int(result), answer);
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].text, QString("Initialization failed!"));
        QCOMPARE(seen[0].title, QString("Error"));
        QCOMPARE(int(seen[0].icon), shownIcon);
        QStringList shown = seen[0].buttons;
        shown.sort();
        texts.sort();
        QCOMPARE(shown, texts);
        QCOMPARE(seen[0].parent, QString("frmMain"));
    }

    void aBoxOfAHiddenWindowStandsOnItsOwn() {
        world_->OpenWindow(false);
        std::vector<SeenBox> seen;
        ModalScript script({ModalScript::AnswerBox(&seen)});
        LinkUi::Ui().MessageBox("x", LinkUi::Buttons::Ok, LinkUi::Icon::None, "y");
        QCOMPARE(seen.size(), std::size_t(1));
        QCOMPARE(seen[0].parent, QString());
    }

    void theWaitCursorCoversTheProgramButNotABox() {
        world_->OpenWindow();
        LinkUi::Ui().SetWaitPointer(true);
        LinkUi::Ui().SetWaitPointer(true);
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        Qt::CursorShape duringBox = Qt::WaitCursor;
        ModalScript script({[&](QWidget* modal) {
            duringBox = QGuiApplication::overrideCursor()->shape();
            static_cast<QDialog*>(modal)->accept();
        }});
        LinkUi::Ui().MessageBox("x", LinkUi::Buttons::Ok, LinkUi::Icon::None, "y");
        QCOMPARE(duringBox, Qt::ArrowCursor);
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        LinkUi::Ui().SetWaitPointer(false);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

WINDOW_TEST_SUITE("interface", UserInterfaceTest);
#include "UserInterfaceTest.moc"
