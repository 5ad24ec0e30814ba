#include "QtUserInterface.h"

#include "ShellTexts.h"
#include "common/TextFileViewer.h"
#include "frmMain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon BoxIcon(LinkUi::Icon icon) {
    switch (icon) {
    case LinkUi::Icon::Critical:
        return QMessageBox::Critical;
    case LinkUi::Icon::Question:
        return QMessageBox::Question;
    case LinkUi::Icon::Exclamation:
        return QMessageBox::Warning;
    case LinkUi::Icon::Information:
        return QMessageBox::Information;
    case LinkUi::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(LinkUi::Buttons buttons) {
    switch (buttons) {
    case LinkUi::Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case LinkUi::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case LinkUi::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case LinkUi::Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case LinkUi::Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

LinkUi::Answer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return LinkUi::Answer::Cancel;
    case QMessageBox::Yes:
        return LinkUi::Answer::Yes;
    case QMessageBox::No:
        return LinkUi::Answer::No;
    case QMessageBox::Retry:
        return LinkUi::Answer::Retry;
    default:
        return LinkUi::Answer::Ok;
    }
}

} // namespace

QtUserInterface::QtUserInterface(frmMain* mainWindow) : mainWindow_(mainWindow) {}

QtUserInterface::~QtUserInterface() {
    if (waitPointer_)
        QGuiApplication::restoreOverrideCursor();
}

void QtUserInterface::SetMainWindow(frmMain* mainWindow) {
    mainWindow_ = mainWindow;
}

QWidget* QtUserInterface::BoxParent() const {
    // A box stands over the dialog the user works in, else over the main window;
    // a box of a hidden window (the command-line role) stands on its own.
    if (QWidget* dialog = QApplication::activeModalWidget())
        return dialog;
    if (mainWindow_ && mainWindow_->isVisible())
        return mainWindow_;
    return nullptr;
}

LinkUi::Answer QtUserInterface::MessageBox(std::string_view text, LinkUi::Buttons buttons,
                                           LinkUi::Icon icon, std::string_view caption) {
    QMessageBox box(BoxIcon(icon), Shell::FromUtf8(caption), Shell::FromUtf8(text),
                    BoxButtons(buttons), BoxParent());
    box.setObjectName(QStringLiteral("LinkMessageBox"));
    // OK and Cancel read in the program's language; the cursor is the normal
    // one while the user reads, whatever work is under way.
    if (auto* ok = box.button(QMessageBox::Ok))
        ok->setText(Shell::Res(Shell::kOkText));
    if (auto* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(Shell::Res(Shell::kCancelText));
    if (waitPointer_)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (waitPointer_)
        QGuiApplication::restoreOverrideCursor();
    return AnswerOf(answer);
}

void QtUserInterface::SetWaitPointer(bool on) {
    if (on == waitPointer_)
        return;
    waitPointer_ = on;
    if (on)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtUserInterface::SetStatusText(std::string_view text) {
    if (mainWindow_)
        mainWindow_->StatusText(Shell::FromUtf8(text));
}

void QtUserInterface::OpenTextFile(const std::string& path) {
    modUtils::ShowTextFile(path);
}

void QtUserInterface::PumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void HeadlessEventsUserInterface::PumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
