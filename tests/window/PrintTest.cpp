// Print: the system's print dialog without a page range, and the whole log
// printed through the print path (here to a PDF file, whose text is read back
// with pdftotext).

#include "WindowTestSupport.h"
#include "WindowTests.h"

#include "exchange/modMirelCom.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

class PrintTest : public QObject {
    Q_OBJECT

    std::unique_ptr<WindowWorld> world_;

private slots:
    void init() { world_ = std::make_unique<WindowWorld>(); }
    void cleanup() { world_.reset(); }

    void theWholeLogIsPrinted() {
        std::string log = "Kestrom Vantor Link SE 2.04  2026-11-30 10:00:00\r\n\r\n";
        for (int line = 1; line <= 120; ++line)
            log += "  Error in line: " + std::to_string(line) + ": Cow " + std::to_string(line) +
                   " with id: 'SE-100001-" + std::to_string(1000 + line) + "'\r\n";
        log += "*****\r\n";
        QVERIFY(WriteBytes(modMirelCom::LinkLogFilePath(), log));
        frmMain& window = world_->OpenWindow();
        window.OptionsViewLog();

        QTemporaryDir folder;
        const QString pdf = folder.filePath("log.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        window.PrintLog(printer);

        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(text.waitForFinished(30000), "pdftotext (poppler-utils) must be installed");
        QCOMPARE(text.exitCode(), 0);
        const QString printed = QString::fromUtf8(text.readAllStandardOutput());
        for (const char* expected :
             {"Kestrom Vantor Link SE 2.04", "Error in line: 1: Cow 1 with id: 'SE-100001-1001'",
              "Error in line: 120: Cow 120 with id: 'SE-100001-1120'", "*****"})
            QVERIFY2(printed.contains(expected), expected);
        QVERIFY2(printed.count(QChar('\f')) >= 1, "the log runs over several pages");
    }

    void printAsksForThePrinterWithoutPageRange() {
        QVERIFY(WriteBytes(modMirelCom::LinkLogFilePath(), "   Note in line: 1: x\r\n"));
        frmMain& window = world_->OpenWindow();
        window.OptionsViewLog();
        bool pageRange = true;
        QString dialogClass;
        ModalScript script({[&](QWidget* modal) {
            dialogClass = QString::fromLatin1(modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QPrintDialog*>(modal))
                pageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
            static_cast<QDialog*>(modal)->reject();
        }});
        window.findChild<QAction*>("tbrPrint")->trigger();
        QCOMPARE(script.Remaining(), 0);
        QCOMPARE(dialogClass, QString("QPrintDialog"));
        QVERIFY(!pageRange);
    }
};

WINDOW_TEST_SUITE("print", PrintTest);
#include "PrintTest.moc"
