#include "CTesterDlg.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QVBoxLayout>

#include <chrono>
#include <new>
#include <thread>

#include <QCloseEvent>

#include "ArchiveHook.h"
#include "CAboutDlg.h"
#include "CMenuEx.h"
#include "CommandIds.h"
#include "DialogLayout.h"
#include "DirectoryWatch.h"
#include "LanguageCommand.h"

#include "MainShortcuts.h"
#include "MainToolBar.h"
#include "MenuResource.h"
#include "PrintHandoff.h"
#include "ProgramIcon.h"
#include "RecordList.h"
#include "ScreenFit.h"
#include "Settings.h"
#include "Strings.h"
#include "UserGuide.h"

namespace terrovane::app {

CTesterDlg::CTesterDlg(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(res::kProgramName));
    setWindowIcon(res::ProgramIcon());
    setFont(units::DialogFont());
    InitDialog();
    help::OpenGuideOnHelpKey(this, help::kPageReading);
}

CTesterDlg::~CTesterDlg() {
    ShutDown();
}

void CTesterDlg::InitDialog() {
    CreateControls();
    CreateWindowMenu();
    AllocateReadOutState();
    CreateLink();
    InitDisplay();
    portWatchTimer_.setInterval(kPortWatchIntervalMs);
    connect(&portWatchTimer_, &QTimer::timeout, this, &CTesterDlg::OnTimer);
    portWatchTimer_.start();
    portWatchPace_ = connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                             this, &CTesterDlg::PacePortWatch);
}

void CTesterDlg::CreateControls() {
    const units::DialogUnits du(font());
    const MainDialogGeometry geometry = ComputeMainDialogGeometry(du);
    auto onCommand = [this](int id) { OnCommand(id); };

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    client_ = new QWidget(this);
    client_->setFixedSize(geometry.client);
    layout->addWidget(client_);

    toolBar_ = BuildMainToolBar(client_, onCommand);
    toolBar_->setGeometry(0, 0, geometry.client.width(), toolBar_->sizeHint().height());

    displayFrame_ = new QFrame(client_);
    displayFrame_->setObjectName(QStringLiteral("1107"));
    displayFrame_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    displayFrame_->setGeometry(geometry.displayFrame);

    listFrame_ = new QFrame(client_);
    listFrame_->setFrameStyle(QFrame::Box | QFrame::Sunken);
    listFrame_->setGeometry(geometry.listFrame);
    RecordListView* list = CreateRecordList(client_);
    recordList_ = list;
    recordList_->setGeometry(geometry.recordList);
    connect(recordList_, &QTableWidget::clicked, this, &CTesterDlg::OnListClicked);
    connect(list, &RecordListView::SelectionMovedByKey, this, &CTesterDlg::OnListMovedByKey);
    connect(recordList_, &QTableWidget::customContextMenuRequested, this, &CTesterDlg::OnListClicked);
    CreateMenu();
    layout->setMenuBar(menuBar_);
}

void CTesterDlg::CreateMenu() {
    menu_ = new menu::CMenuEx(this);
    menu_->LoadMenu(res::kMainMenuResource);
    AssignMainShortcuts(*menu_);
    menuBar_ = menu_->MenuBar();
    connect(menu_, &menu::CMenuEx::Command, this, &CTesterDlg::OnCommand);
}

void CTesterDlg::CreateLink() {
    view_ = std::make_unique<DialogLinkView>(*this);
    commands_ = std::make_unique<link::CommandHost>(session_, *view_, *state_);
    connect(commands_.get(), &link::CommandHost::CommandEnded, this, &CTesterDlg::OnCommandEnded);
    archiveHook_ = std::make_unique<ArchiveHook>(*this);
    CreateTeamSession();
    LoadPortChoice();
    ApplyFastReadOut(platform::Settings().FastReadOut());
    ShowLanguageChecks(
        LanguageCommand(translations::InstalledLanguage().value_or(translations::Language::Chinese)));
}

// The menu's check mark and the session follow the setting.
void CTesterDlg::ApplyFastReadOut(bool fast) {
    session_.SetFastReadOut(fast);
    if (QAction* item = menu_->Action(res::kCmdFastReadOut)) {
        item->setChecked(fast);
    }
}

// The item's own check mark has already changed when its command comes; the toolbar has no such button.
void CTesterDlg::OnFastReadOut() {
    QAction* item = menu_->Action(res::kCmdFastReadOut);
    const bool fast = item != nullptr ? item->isChecked() : !session_.FastReadOut();
    platform::Settings().SetFastReadOut(fast);
    ApplyFastReadOut(fast);
}

// The read-out was kept by the accept step before anything was shown (DialogLinkView::ImageAccepted).
void CTesterDlg::OnCommandEnded(const link::Outcome&) {}

void CTesterDlg::closeEvent(QCloseEvent* event) {
    if (session_.Busy()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// The display's controls are children of the client area at their dialog-unit places, so the chart
// covers frame 1107 exactly.
void CTesterDlg::InitDisplay() {
    panel::PanelBindings bindings{*state_, [this] { return FirstSelectedRow(recordList_); }};
    panel_ = std::make_unique<panel::DisplayPanel>(client_, std::move(bindings), QPoint(0, 0),
                                                   units::DialogUnits(font()));
}

QWidget* CTesterDlg::IdlePicture() const {
    return panel_->Control(1123);
}

// Window managers here offer no window menu to extend, so its about item is offered on a right-click
// of the menu bar and the toolbar.
void CTesterDlg::CreateWindowMenu() {
    auto* menu = new QMenu(this);
    QAction* about = menu->addAction(QCoreApplication::translate("About", res::kAboutMenuText));
    about->setData(static_cast<int>(res::kCmdAbout));
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(res::kCmdAbout); });
    for (QWidget* area : {static_cast<QWidget*>(menuBar_), static_cast<QWidget*>(toolBar_)}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, menu,
                [menu, area](const QPoint& pos) { menu->popup(area->mapToGlobal(pos)); });
    }
}

// The state starts as a fresh read-out would find it: zeroed buffer, empty table, slot 0, nothing read.
void CTesterDlg::AllocateReadOutState() {
    // The buffer is the program's reason to exist: wait for memory rather than run without it.
    while (!state_) {
        state_.reset(new (std::nothrow) record::ReadOutState{});
        if (!state_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
}

// The buffer's memory itself goes with the dialog, after the session and the display that refer to it.
void CTesterDlg::ShutDown() {
    state_->table.Clear();
    ClosePortIfOpen();
    disconnect(portWatchPace_);
    portWatchTimer_.stop();
    progress_.Close();
}

void CTesterDlg::ClosePortIfOpen() {
    if (session_.Comm().PortOpen()) {
        session_.Comm().SetPortOpen(false);
    }
}

// The timer's tick runs on the event loop, which polls the port map's watch at every wake-up: the tick
// takes its word and asks the system nothing while no news came.
void CTesterDlg::WatchPort() {
    const platform::LoopNoticeScope fromTheLoop;
    commands_->PortWatchTick();
}

// The timer runs only while a tick could find or change something, so an idle window costs nothing. The
// loop asks before each sleep: news in the port map, the end of a command, a choice of port and anything
// drawn on the display all come as events. A waking watch looks at once, then every period until it may
// rest again (a port's entries settle for a while after it comes or goes).
void CTesterDlg::PacePortWatch() {
    if (commands_->PortWatchAtRest()) {
        portWatchTimer_.stop();
    } else if (!portWatchTimer_.isActive()) {
        portWatchTimer_.start();
        QMetaObject::invokeMethod(this, &CTesterDlg::OnTimer, Qt::QueuedConnection);
    }
}

void CTesterDlg::ReadRecords() {
    commands_->Read();
}

void CTesterDlg::PrintRecords() {
    app::PrintRecords(state_->dataRead, state_->buffer);
}

void CTesterDlg::ShowNextRecord() {
    panel_->OnShowCommand();
}

void CTesterDlg::SetInstrumentClock() {
    commands_->SetClock();
}

void CTesterDlg::EraseCurrentRecord() {
    commands_->EraseCurrent();
}

void CTesterDlg::EraseAllRecords() {
    commands_->EraseAll();
}

void CTesterDlg::OnCommand(int id) {
    switch (id) {
        case res::kCmdRead:
            OnRead();
            break;
        case res::kCmdSave:
            OnSave();
            break;
        case res::kCmdPrint:
            OnPrint();
            break;
        case res::kCmdShow:
            OnShow();
            break;
        case res::kCmdDateTime:
            OnDateTime();
            break;
        case res::kCmdEraseCurrent:
            OnEraseCurrent();
            break;
        case res::kCmdEraseAll:
            OnEraseAll();
            break;
        case res::kCmdHelp:
            OnAbout();
            break;
        case res::kCmdExit:
            OnExit();
            break;
        case res::kCmdHistory:
            OnHistory();
            break;
        case res::kCmdTeam:
            OnTeam();
            break;
        case res::kCmdPort:
            OnChoosePort();
            break;
        case res::kCmdFastReadOut:
            OnFastReadOut();
            break;
        case res::kCmdLanguageChinese:
        case res::kCmdLanguageEnglish:
        case res::kCmdLanguageGerman:
            OnLanguage(id);
            break;
        default:
            break;
    }
}

void CTesterDlg::OnSysCommand(int id) {
    if (res::IsAboutCommand(id)) {
        OnAbout();
    }
}

void CTesterDlg::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CTesterDlg::OnListClicked() {
    panel_->OnListClicked();
}

void CTesterDlg::OnListMovedByKey() {
    panel_->OnListMovedByKey();
}

// Escape would close the dialog, and with it the program, at a stray key press. Exit, the close box and
// the window manager's close keys still end it.
void CTesterDlg::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CTesterDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CentreOnScreen();
    }
}

void CTesterDlg::CentreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    // On a screen smaller than the dialog, its title bar and menu stay within reach.
    screenfit::MoveOnScreen(this, QPoint(area.x() + (area.width() - frame.width()) / 2,
                                         area.y() + (area.height() - frame.height()) / 2));
}

}  // namespace terrovane::app
