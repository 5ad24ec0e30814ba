#include "frmMain.h"

#include "ShellTexts.h"
#include "common/AppFolder.h"
#include "common/CommandLineMode.h"
#include "common/ProcedureError.h"
#include "common/TextEncoding.h"
#include "common/TextStream.h"
#include "common/UserInterface.h"
#include "common/modUtils.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmLanguageDlg.h"
#include "dialogs/frmNewHerdDlg.h"
#include "dialogs/frmSettingsDlg.h"
#include "exchange/ExchangeShared.h"
#include "exchange/modMirelCom.h"
#include "national/NationalCommands.h"
#include "requests/RequestFlow.h"
#include "settings/HerdList.h"
#include "settings/LinkSettings.h"
#include "startup/ParseCommandLine.h"
#include "startup/ProgramStartup.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// Text numbers of the window (the language texts).
constexpr long kHerdNumberTip = 136;
constexpr long kRemoveHerdQuestion = 115;
constexpr long kConfirmCaption = 151;
constexpr long kSyncInstalledWarning = 200;

// The herd number of the new-herd dialog has at most 9 characters.
constexpr int kHerdNoMaxLength = 9;
// The one-shot timer that opens the Settings dialog while no herd is set.
constexpr int kInitializeTimerMs = 100;
// A stored rectangle smaller than this (in pixels) is not used.
constexpr int kSmallestSide = 100;

bool NormalState(Qt::WindowStates state) {
    return !(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Shell::ApplicationTitle());
    CreateMenus();
    CreateToolbar();
    CreateStatusBar();
    CreateLogView();
    tmrInitialize_.setObjectName(QStringLiteral("tmrInitialize"));
    tmrInitialize_.setSingleShot(true);
    tmrInitialize_.setInterval(kInitializeTimerMs);
    connect(&tmrInitialize_, &QTimer::timeout, this, &frmMain::InitializeTimerFired);
}

frmMain::~frmMain() {
    modMirelCom::SetMainWindowVisible(false);
}

QAction* frmMain::AddMenuAction(QMenu* menu, const char* name, long textNumber) {
    auto* action = menu->addAction(Shell::Res(textNumber));
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("textNumber", static_cast<qlonglong>(textNumber));
    return action;
}

void frmMain::CreateMenus() {
    mnuFile_ = menuBar()->addMenu(QString());
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNewHerd_ = AddMenuAction(mnuFile_, "mnuFileNewHerd", 119);
    mnuFileRemoveHerd_ = AddMenuAction(mnuFile_, "mnuFileRemoveHerd", 120);
    mnuFileSep1_ = mnuFile_->addSeparator();
    mnuFileSep1_->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuFileSelectHerd_ = new QMenu(this);
    mnuFileSelectHerd_->setObjectName(QStringLiteral("mnuFileSelectHerd"));
    mnuFileSelectHerdAction_ = mnuFile_->addMenu(mnuFileSelectHerd_);
    mnuFileSelectHerdAction_->setObjectName(QStringLiteral("mnuFileSelectHerdItem"));
    mnuFileSep2_ = mnuFile_->addSeparator();
    mnuFileSep2_->setObjectName(QStringLiteral("mnuFileSep2"));
    mnuFilePrint_ = AddMenuAction(mnuFile_, "mnuFilePrint", 122);
    mnuFileExit_ = AddMenuAction(mnuFile_, "mnuFileExit", 123);

    mnuFunction_ = menuBar()->addMenu(QString());
    mnuFunction_->setObjectName(QStringLiteral("mnuFunction"));
    mnuFunctionInitialize_ = AddMenuAction(mnuFunction_, "mnuFunctionInitialize", 125);
    mnuFunctionCheck_ = AddMenuAction(mnuFunction_, "mnuFunctionCheck", 126);
    mnuFunctionSendAdisData_ = AddMenuAction(mnuFunction_, "mnuFunctionSendAdisData", 127);
    mnuFunctionAddAnimals_ = AddMenuAction(mnuFunction_, "mnuFunctionAddAnimals", 128);

    mnuOptions_ = menuBar()->addMenu(QString());
    mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
    mnuOptionsSettings_ = AddMenuAction(mnuOptions_, "mnuOptionsSettings", 131);
    mnuOptionsSelectLanguage_ = AddMenuAction(mnuOptions_, "mnuOptionsSelectLanguage", 132);
    mnuOptionsViewLog_ = AddMenuAction(mnuOptions_, "mnuOptionsViewLog", 133);
    mnuOptionsViewLog_->setCheckable(true);

    mnuHelp_ = menuBar()->addMenu(QString());
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpAbout_ = AddMenuAction(mnuHelp_, "mnuHelpAbout", 135);

    connect(mnuFileNewHerd_, &QAction::triggered, this, &frmMain::FileNewHerd);
    connect(mnuFileRemoveHerd_, &QAction::triggered, this, &frmMain::FileRemoveHerd);
    connect(mnuFilePrint_, &QAction::triggered, this, &frmMain::FilePrint);
    connect(mnuFileExit_, &QAction::triggered, this, &frmMain::FileExit);
    connect(mnuFunctionInitialize_, &QAction::triggered, this, &frmMain::FunctionInitialize);
    connect(mnuFunctionCheck_, &QAction::triggered, this, &frmMain::FunctionCheck);
    connect(mnuFunctionSendAdisData_, &QAction::triggered, this, &frmMain::FunctionSendAdisData);
    connect(mnuFunctionAddAnimals_, &QAction::triggered, this, &frmMain::FunctionAddAnimals);
    connect(mnuOptionsSettings_, &QAction::triggered, this, &frmMain::OptionsSettings);
    connect(mnuOptionsSelectLanguage_, &QAction::triggered, this, &frmMain::OptionsSelectLanguage);
    // The menu item has turned its check mark already.
    connect(mnuOptionsViewLog_, &QAction::triggered, this, &frmMain::ApplyViewLog);
    connect(mnuHelpAbout_, &QAction::triggered, this, &frmMain::HelpAbout);
    RebuildHerdMenu();
}

QAction* frmMain::ToolbarButton(const char* key, long textNumber, QAction* menuAction) {
    auto* button = tbrToolbar_->addAction(Shell::Res(textNumber));
    const QString name = QString::fromLatin1(key);
    button->setObjectName(QStringLiteral("tbr") + name);
    button->setProperty("textNumber", static_cast<qlonglong>(textNumber));
    buttons_[name] = {button, menuAction};
    return button;
}

void frmMain::CreateToolbar() {
    tbrToolbar_ = addToolBar(QString());
    tbrToolbar_->setObjectName(QStringLiteral("tbrToolbar"));
    tbrToolbar_->setMovable(false);
    tbrToolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto icon = [this](QStyle::StandardPixmap pixmap) {
        return style()->standardIcon(pixmap);
    };

    ToolbarButton("Exit", 138, mnuFileExit_)->setIcon(icon(QStyle::SP_DialogCloseButton));
    connect(buttons_["Exit"].first, &QAction::triggered, this, &frmMain::FileExit);
    ToolbarButton("Print", 139, mnuFilePrint_)
        ->setIcon(QIcon::fromTheme(QStringLiteral("document-print"),
                                   icon(QStyle::SP_FileDialogDetailedView)));
    connect(buttons_["Print"].first, &QAction::triggered, this, &frmMain::FilePrint);
    tbrToolbar_->addSeparator();
    ToolbarButton("Initialize", 140, mnuFunctionInitialize_)
        ->setIcon(icon(QStyle::SP_BrowserReload));
    connect(buttons_["Initialize"].first, &QAction::triggered, this, &frmMain::FunctionInitialize);
    ToolbarButton("Check", 141, mnuFunctionCheck_)->setIcon(icon(QStyle::SP_DialogApplyButton));
    connect(buttons_["Check"].first, &QAction::triggered, this, &frmMain::FunctionCheck);
    tbrToolbar_->addSeparator();
    ToolbarButton("Settings", 143, mnuOptionsSettings_)
        ->setIcon(icon(QStyle::SP_FileDialogInfoView));
    connect(buttons_["Settings"].first, &QAction::triggered, this, &frmMain::OptionsSettings);
    auto* viewLog = ToolbarButton("ViewLog", 144, mnuOptionsViewLog_);
    viewLog->setIcon(icon(QStyle::SP_FileDialogContentsView));
    viewLog->setCheckable(true);
    connect(viewLog, &QAction::triggered, this, &frmMain::OptionsViewLog);
}

void frmMain::CreateStatusBar() {
    statusBar()->setObjectName(QStringLiteral("sbrStatusBar"));
    statusBar()->setSizeGripEnabled(true);
    sbrHerdNo_ = new QLabel(this);
    sbrHerdNo_->setObjectName(QStringLiteral("sbrHerdNo"));
    sbrHerdNo_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    sbrHerdNo_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sbrHerdNo_->installEventFilter(this);
    sbrStatus_ = new QLabel(this);
    sbrStatus_->setObjectName(QStringLiteral("sbrStatus"));
    sbrStatus_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar()->addWidget(sbrHerdNo_);
    statusBar()->addWidget(sbrStatus_, 1);
}

void frmMain::CreateLogView() {
    auto* area = new QWidget(this);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    rtbLogfile_ = new QTextEdit(area);
    rtbLogfile_->setObjectName(QStringLiteral("rtbLogfile"));
    rtbLogfile_->setReadOnly(true);
    rtbLogfile_->setLineWrapMode(QTextEdit::NoWrap);
    rtbLogfile_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    picFiller_ = new QWidget(area);
    picFiller_->setObjectName(QStringLiteral("picFiller"));
    picFiller_->setAutoFillBackground(true);
    picFiller_->setBackgroundRole(QPalette::Dark);
    layout->addWidget(rtbLogfile_);
    layout->addWidget(picFiller_);
    rtbLogfile_->hide();
    setCentralWidget(area);
}

void frmMain::SetCaptions() {
    setWindowTitle(Shell::ApplicationTitle());
    mnuFile_->setTitle(Shell::Res(118));
    mnuFileSelectHerd_->setTitle(Shell::Res(121));
    mnuFunction_->setTitle(Shell::Res(124));
    mnuOptions_->setTitle(Shell::Res(130));
    mnuHelp_->setTitle(Shell::Res(134));
    for (QMenu* menu : {mnuFile_, mnuFunction_, mnuOptions_, mnuHelp_})
        for (QAction* action : menu->actions())
            if (const QVariant number = action->property("textNumber"); number.isValid())
                action->setText(Shell::Res(static_cast<long>(number.toLongLong())));
    for (auto& [key, pair] : buttons_)
        pair.first->setText(
            Shell::Res(static_cast<long>(pair.first->property("textNumber").toLongLong())));
    sbrHerdNo_->setToolTip(Shell::Res(kHerdNumberTip));

    // The herd list is not read back at start-up: its commands stay hidden.
    for (QAction* hidden : {mnuFileNewHerd_, mnuFileSep1_, mnuFileRemoveHerd_,
                            mnuFileSelectHerdAction_, mnuFileSep2_})
        hidden->setVisible(false);
}

void frmMain::Initialize(const modStartup::CommandLineValues& commandLine) {
    modStartup::InitializeProgram(commandLine);
    SetCaptions();
    ApplyPlacement();
    SetBusy(false);
    LoadLog();
    UpdateControls();
    tmrInitialize_.start();
}

void frmMain::SetHandOverQueue(HandOverQueue* queue) {
    queue_ = queue;
}

void frmMain::StatusText(const QString& text) {
    sbrStatus_->setText(text);
}

QString frmMain::Status() const {
    return sbrStatus_->text();
}

void frmMain::SetBusy(bool busy) {
    busy_ = busy;
    if (busy && !busyWork_)
        busyWork_.emplace(queue_.data());
    else if (!busy)
        busyWork_.reset();
    UpdateControls();
}

void frmMain::UpdateControls() {
    const bool logExists = modUtils::FileExists(modMirelCom::LinkLogFilePath());
    if (!logExists) {
        ShowLogView(false);
        mnuOptionsViewLog_->setChecked(false);
    }
    for (QAction* action : {mnuFileNewHerd_, mnuFileExit_, mnuFunctionInitialize_,
                            mnuFunctionCheck_, mnuFunctionSendAdisData_, mnuFunctionAddAnimals_,
                            mnuOptionsSettings_, mnuOptionsSelectLanguage_})
        EnableCommand(action, !busy_);
    const long herds = herdMenu_.ElementCount();
    EnableCommand(mnuFileRemoveHerd_, herds > 1 && !busy_);
    EnableCommand(mnuFileSelectHerdAction_, herds > 2 && !busy_);
    mnuFileSelectHerd_->setEnabled(herds > 2 && !busy_);
    EnableCommand(mnuOptionsViewLog_, !busy_ && logExists);
    EnableCommand(mnuFilePrint_, !busy_ && mnuOptionsViewLog_->isChecked());
    for (auto& [key, pair] : buttons_)
        EnableCommand(pair.first, CommandEnabled(pair.second));
    buttons_["ViewLog"].first->setChecked(mnuOptionsViewLog_->isChecked());
    sbrHerdNo_->setText(QString::fromStdString(modCommon::CurrentHerdNo()));
}

void frmMain::EnableCommand(QAction* action, bool enabled) {
    action->setProperty("commandEnabled", enabled);
    action->setEnabled(enabled);
}

bool frmMain::CommandEnabled(const QAction* action) {
    const QVariant enabled = action->property("commandEnabled");
    return enabled.isValid() ? enabled.toBool() : action->isEnabled();
}

void frmMain::ShowLogView(bool show) {
    rtbLogfile_->setVisible(show);
    picFiller_->setVisible(!show);
}

void frmMain::LoadLog() {
    std::string bytes;
    if (!modUtils::FileExists(modMirelCom::LinkLogFilePath()) ||
        !ReadFileBytes(modMirelCom::LinkLogFilePath(), bytes))
        bytes.clear();
    rtbLogfile_->setPlainText(QString::fromStdString(TextEncoding::Cp1252ToUtf8(bytes)));
}

int frmMain::TwipsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return qMax(1, qRound(1440.0 / (dpi > 0 ? dpi : 96.0)));
}

void frmMain::ApplyPlacement() {
    const int twips = TwipsPerPixel();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    Shell::WindowPlacement defaults;
    defaults.Width = Shell::kDefaultWidthTwips;
    defaults.Height = Shell::kDefaultHeightTwips;
    defaults.Left = (desktop.width() * twips - defaults.Width) / 2;
    defaults.Top = (desktop.height() * twips - defaults.Height) / 2;
    const Shell::WindowPlacement stored = Shell::ReadWindowPlacement(defaults);

    QRect rect(stored.Left / twips, stored.Top / twips, stored.Width / twips,
               stored.Height / twips);
    // A rectangle too small to use, or off every screen, gives the default.
    QRect screens;
    for (const QScreen* each : QGuiApplication::screens())
        screens |= each->availableGeometry();
    if (screens.isEmpty())
        screens = desktop;
    if (rect.width() < kSmallestSide || rect.height() < kSmallestSide || !screens.intersects(rect))
        rect = QRect(defaults.Left / twips, defaults.Top / twips, defaults.Width / twips,
                     defaults.Height / twips);
    move(rect.topLeft());
    resize(rect.size());
    normalRect_ = rect;
    // A window closed while minimised comes back as a normal one.
    setWindowState(stored.WindowState ==
                           static_cast<std::int32_t>(Shell::WindowStateValue::Maximized)
                       ? Qt::WindowMaximized
                       : Qt::WindowNoState);
}

void frmMain::RecordNormalRectangle() {
    // Only the normal rectangle is kept: a maximised window keeps the one it
    // returns to.
    if (isVisible() && NormalState(windowState()))
        normalRect_ = QRect(pos(), size());
}

void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    RecordNormalRectangle();
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    RecordNormalRectangle();
}

void frmMain::SavePlacement() {
    const int twips = TwipsPerPixel();
    auto state = Shell::WindowStateValue::Normal;
    if (shownOnce_) {
        if (windowState() & Qt::WindowMaximized)
            state = Shell::WindowStateValue::Maximized;
        RecordNormalRectangle();
    }
    Shell::WriteWindowPlacement({normalRect_.x() * twips, normalRect_.y() * twips,
                                 normalRect_.width() * twips, normalRect_.height() * twips,
                                 static_cast<std::int32_t>(state)});
}

void frmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    modMirelCom::SetMainWindowVisible(true);
    if (!shownOnce_) {
        shownOnce_ = true;
        QTimer::singleShot(0, this, &frmMain::WarnWhenSyncInstalled);
    }
}

void frmMain::closeEvent(QCloseEvent* event) {
    // Work under way is not cut off: the window closes once it has ended.
    if (busy_) {
        event->ignore();
        return;
    }
    tmrInitialize_.stop();
    SavePlacement();
    modCommon::SaveSettings();
    modMirelCom::SetMainWindowVisible(false);
    event->accept();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sbrHerdNo_ && event->type() == QEvent::MouseButtonPress) {
        if (!busy_)
            mnuFileSelectHerd_->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::WarnWhenSyncInstalled() {
    if (modNational::VantorSyncInstalled())
        LinkUi::Ui().MessageBox(modCommon::ResString(kSyncInstalledWarning), LinkUi::Buttons::Ok,
                                LinkUi::Icon::Information,
                                modCommon::ResString(Shell::kInformationCaption));
}

void frmMain::InitializeTimerFired() {
    tmrInitialize_.stop();
    if (modCommon::Settings().HerdNo.empty())
        OptionsSettings();
}

void frmMain::BringToFront() {
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

int frmMain::RunHandedOverRequest(const modStartup::CommandLineValues& values) {
    modStartup::ParseCommandLine(values);
    SetBusy(true);
    const bool wasCommandLine = modCommon::CommandLineMode();
    modCommon::SetCommandLineMode(true);
    auto outcome = modNational::RequestOutcome::RunFailed;
    try {
        outcome = modNational::RunIsoRequest();
    } catch (const std::exception& error) {
        LinkUi::ShowProcedureError(error);
    }
    modCommon::SetCommandLineMode(wasCommandLine);
    SetBusy(false);
    return modNational::ExitStatus(outcome);
}

// ---- Herd list -----------------------------------------------------------------

void frmMain::RebuildHerdMenu() {
    mnuFileSelectHerd_->clear();
    for (long i = 0; i < herdMenu_.ElementCount(); ++i) {
        const auto& element = herdMenu_.At(i);
        auto* action = mnuFileSelectHerd_->addAction(QString::fromStdString(element.Caption));
        action->setObjectName(QStringLiteral("mnuFileSelectHerdList%1").arg(i));
        action->setCheckable(i > 0);
        action->setChecked(element.Checked);
        action->setVisible(element.Visible);
        if (i == 0) {
            action->setEnabled(false);
            continue;
        }
        const QString herdNo = action->text();
        connect(action, &QAction::triggered, this, [this, herdNo] { FileSelectHerd(herdNo); });
    }
}

void frmMain::FileNewHerd() {
    frmNewHerdDlg dialog(this);
    dialog.SetHerdNoMaxLength(kHerdNoMaxLength);
    if (dialog.exec() == QDialog::Accepted) {
        modCommon::AddHerd(dialog.HerdNo().toStdString(), herdMenu_);
        RebuildHerdMenu();
    }
    UpdateControls();
}

void frmMain::FileRemoveHerd() {
    const auto answer = LinkUi::Ui().MessageBox(modCommon::ResString(kRemoveHerdQuestion),
                                                LinkUi::Buttons::OkCancel, LinkUi::Icon::Question,
                                                modCommon::ResString(kConfirmCaption));
    if (answer == LinkUi::Answer::Ok) {
        modCommon::RemoveHerd(modCommon::CurrentHerdNo(), herdMenu_);
        RebuildHerdMenu();
    }
    UpdateControls();
}

void frmMain::FileSelectHerd(const QString& herdNo) {
    modCommon::SelectHerd(herdNo.toStdString(), herdMenu_);
    RebuildHerdMenu();
    UpdateControls();
}

// ---- Print, options, help, exit -----------------------------------------------------

void frmMain::FilePrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("~link.log"));
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    PrintLog(printer);
}

void frmMain::PrintLog(QPrinter& printer) {
    rtbLogfile_->print(&printer);
}

void frmMain::FileExit() {
    close();
}

void frmMain::OptionsViewLog() {
    mnuOptionsViewLog_->setChecked(!mnuOptionsViewLog_->isChecked());
    ApplyViewLog();
}

void frmMain::ApplyViewLog() {
    ShowLogView(mnuOptionsViewLog_->isChecked());
    if (mnuOptionsViewLog_->isChecked())
        rtbLogfile_->setFocus();
    UpdateControls();
}

void frmMain::OptionsSettings() {
    frmSettingsDlg dialog(this);
    dialog.exec();
    modCommon::CurrentHerdNo() = modCommon::Settings().HerdNo;
    UpdateControls();
}

void frmMain::OptionsSelectLanguage() {
    frmLanguageDlg dialog(this);
    dialog.exec();
}

void frmMain::HelpAbout() {
    frmAbout dialog(this);
    dialog.exec();
}
