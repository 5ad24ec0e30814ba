#include "WindowTestSupport.h"

#include "common/Platform.h"
#include "common/TextStream.h"
#include "common/TraceLog.h"
#include "common/modUtils.h"
#include "exchange/modMirelCom.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QtTest>

#include <filesystem>

ModalScript::ModalScript(std::vector<Step> steps) : steps_(steps.begin(), steps.end()) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
    timer_.start();
}

ModalScript::~ModalScript() = default;

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_ || !modal->isVisible())
        return;
    for (const auto& ignored : ignored_)
        if (ignored == modal)
            return;
    last_ = modal;
    if (steps_.empty()) {
        unexpected_ << modal->windowTitle() + QStringLiteral(": ") + BoxOf(modal).text;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            QTimer::singleShot(0, dialog, &QDialog::reject);
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    // Out of the timer's call: the step may open the next modal window itself.
    QTimer::singleShot(0, modal, [step = std::move(step), modal] { step(modal); });
}

SeenBox BoxOf(QWidget* modal) {
    SeenBox box;
    box.title = modal->windowTitle();
    if (auto* messageBox = qobject_cast<QMessageBox*>(modal)) {
        box.text = messageBox->text();
        box.icon = messageBox->icon();
        for (QAbstractButton* button : messageBox->buttons())
            box.buttons << button->text();
    }
    if (QWidget* parent = modal->parentWidget())
        box.parent = parent->objectName();
    return box;
}

ModalScript::Step ModalScript::AnswerBox(std::vector<SeenBox>* seen,
                                         QMessageBox::StandardButton button) {
    return [seen, button](QWidget* modal) {
        if (seen)
            seen->push_back(BoxOf(modal));
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box && box->button(button))
            box->button(button)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    };
}

ModalScript::Step ModalScript::Accept() {
    return [](QWidget* modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->accept();
    };
}

ModalScript::Step ModalScript::Reject() {
    return [](QWidget* modal) {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    };
}

WindowWorld::WindowWorld(bool withHerd) : ui_(std::make_shared<QtUserInterface>()) {
    LinkUi::SetUi(ui_);
    WriteBytes(File("VantorLink.log"), "");
    WriteBytes(modUtils::TraceLogPath(), "");
    if (withHerd)
        WriteBytes(File("link.ini"), "[Settings]\r\nHerdNo=12-3456\r\n");
}

WindowWorld::~WindowWorld() {
    CloseWindow();
    LinkUi::SetUi(nullptr);
    Platform::SetEnvironmentValue("HERD_ISO_SIM_DB", std::nullopt);
    std::error_code ec;
    std::filesystem::remove(modUtils::TraceLogPath(), ec);
}

frmMain& WindowWorld::OpenWindow(bool show) {
    CloseWindow();
    window_ = std::make_unique<frmMain>();
    ui_->SetMainWindow(window_.get());
    window_->Initialize({});
    if (show) {
        window_->show();
        QTest::qWait(0);
    }
    return *window_;
}

void WindowWorld::CloseWindow() {
    if (!window_)
        return;
    window_->close();
    ui_->SetMainWindow(nullptr);
    window_.reset();
}

QStringList WindowWorld::TraceLines() const {
    QStringList lines;
    for (const std::string& path : {File("VantorLink.log"), modUtils::TraceLogPath()}) {
        const QString text = QString::fromStdString(ReadBytes(path));
        for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            lines << line.mid(line.indexOf(QLatin1Char('\t')) + 1);
    }
    return lines;
}

int WindowWorld::TraceCount(const QString& prefix) const {
    int count = 0;
    for (const QString& line : TraceLines())
        count += line.startsWith(prefix);
    return count;
}

int WindowWorld::TraceIndex(const QString& prefix) const {
    const QStringList lines = TraceLines();
    for (int i = 0; i < lines.size(); ++i)
        if (lines[i].startsWith(prefix))
            return i;
    return -1;
}

void WindowWorld::InstallLanguageLibraries() {
    std::filesystem::create_directories(sandbox_.Path() / "Language");
    for (const auto& entry : std::filesystem::directory_iterator(LANGUAGE_FOLDER))
        std::filesystem::copy_file(entry.path(),
                                   sandbox_.Path() / "Language" / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
}

void WindowWorld::RegisterHerdSimulator() {
    QVERIFY2(!kSimulator.empty(), "herd-iso-sim was not built");
    Platform::SetEnvironmentValue("HERD_ISO_SIM_DB", File("herd.db"));
    modUtils::RegWriteString(kSimulator, modUtils::RegRoot::LocalMachine,
                             modMirelCom::IsoRegistryKey, modMirelCom::IsoApplicationValue);
    modUtils::RegWriteString("5.5", modUtils::RegRoot::LocalMachine, modMirelCom::IsoRegistryKey,
                             "Version");
    QCOMPARE(modUtils::RunProgramAndWait(
                 {kSimulator, "--init", File("herd.db"), "--demo", "--today", "2026-11-30"}, 5),
             0);
}

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        bytes.clear();
    return bytes;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    return WriteFileBytesAtomic(path, bytes);
}
