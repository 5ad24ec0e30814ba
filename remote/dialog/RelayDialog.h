#pragma once

#include "relay/RelayRun.h"

#include <QDialog>
#include <QTimer>

#include <string_view>

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;

// The relay's progress dialog "Qel ISO Remote": a status line in a sunken frame,
// a progress bar cycling while the relay works, and Cancel, or OK in its place
// once a run has ended with a message. "&About..." sits in the window menu.
class RelayDialog : public QDialog {
    Q_OBJECT

public:
    explicit RelayDialog(Relay::RelayRun& run, QWidget* parent = nullptr);
    ~RelayDialog() override;

    // Reads the command line and starts the timer that drives the steps.
    void Begin(std::string_view commandLine);

    QAction* AboutAction() const { return about_; }

signals:
    void statusChanged(const QString& text);

public slots:
    // Cancel, Escape and the close box.
    void reject() override;

protected:
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void Tick();
    void PressOk();
    void ShowStatus(const std::string& text);
    void ShowControls();
    void ShowAbout();
    void CloseWhenFinished();

    Relay::RelayRun& run_;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* ok_ = nullptr;
    QAction* about_ = nullptr;
    QTimer ticks_;
};
