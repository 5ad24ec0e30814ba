#include "dialog/RelayDialog.h"

#include "dialog/AboutBox.h"
#include "dialog/WindowMenu.h"
#include "relay/RelayTexts.h"
#include "relay/VersionData.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

RelayDialog::RelayDialog(Relay::RelayRun& run, QWidget* parent) : QDialog(parent), run_(run) {
    setWindowTitle(QStringLiteral("Qel ISO Remote"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setMinimumWidth(300);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setRange(0, 100);
    progress_->setTextVisible(false);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("cancel"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("ok"));
    ok_->setDefault(true);
    ok_->hide();

    // OK takes Cancel's place.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(progress_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cancel_, &QPushButton::clicked, this, &RelayDialog::reject);
    connect(ok_, &QPushButton::clicked, this, &RelayDialog::PressOk);

    about_ = new QAction(QString::fromStdString(Relay::RelayText(Relay::TextAbout)), this);
    about_->setObjectName(QStringLiteral("about"));
    connect(about_, &QAction::triggered, this, &RelayDialog::ShowAbout);
    AddToWindowMenu(*this, *about_);

    run_.onStatus = [this](const std::string& text) { ShowStatus(text); };
    connect(&ticks_, &QTimer::timeout, this, &RelayDialog::Tick);
}

RelayDialog::~RelayDialog() {
    run_.onStatus = nullptr;
}

void RelayDialog::Begin(std::string_view commandLine) {
    run_.Start(commandLine);
    ShowControls();
    if (run_.Working())
        QTimer::singleShot(1, this, [this] {
            ticks_.start(static_cast<int>(Relay::RelayRun::kTickPeriod.count()));
        });
}

void RelayDialog::Tick() {
    run_.Tick();
    if (!run_.Working())
        ticks_.stop();
    ShowControls();
    CloseWhenFinished();
}

void RelayDialog::ShowStatus(const std::string& text) {
    status_->setText(QString::fromStdString(text));
    // The step that follows may block the window for a while (connecting).
    status_->repaint();
    emit statusChanged(status_->text());
}

void RelayDialog::ShowControls() {
    const Relay::RelayControls& controls = run_.Controls();
    progress_->setValue(controls.progress);
    cancel_->setVisible(controls.cancelVisible);
    ok_->setVisible(controls.okVisible);
    ok_->setEnabled(controls.okEnabled);
    if (controls.okVisible)
        ok_->setFocus();
}

void RelayDialog::CloseWhenFinished() {
    if (run_.Finished()) {
        ticks_.stop();
        done(run_.Exit() == Relay::RelayExit::Answered ? Accepted : Rejected);
    }
}

void RelayDialog::PressOk() {
    run_.Ok();
    CloseWhenFinished();
}

void RelayDialog::reject() {
    run_.Close();
    CloseWhenFinished();
}

void RelayDialog::ShowAbout() {
    AboutBox box(Relay::ProgramVersionData(), this);
    box.exec();
}

bool RelayDialog::nativeEvent(const QByteArray& eventType, void* message, qintptr* result) {
    if (HandleWindowMenuMessage(eventType, message, *about_)) {
        *result = 0;
        return true;
    }
    return QDialog::nativeEvent(eventType, message, result);
}
