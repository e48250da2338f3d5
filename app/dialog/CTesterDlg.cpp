#include "CTesterDlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>

#include <chrono>
#include <new>
#include <thread>

#include "ArchiveHook.h"
#include "CAboutDlg.h"
#include "CMenuEx.h"
#include "CommandIds.h"
#include "PrintHandoff.h"
#include "ProgramIcon.h"
#include "ScreenFit.h"
#include "Strings.h"
#include "UserGuide.h"

namespace terrovane::app {
namespace {

// The state starts as a fresh read-out would find it: zeroed buffer, empty table, slot 0, nothing read.
// The buffer is the program's reason to exist: wait for memory rather than run without it.
std::unique_ptr<record::ReadOutState> AllocateReadOutState() {
    std::unique_ptr<record::ReadOutState> state;
    while (!state) {
        state.reset(new (std::nothrow) record::ReadOutState{});
        if (!state) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    }
    return state;
}

// Window managers here offer no window menu to extend, so its about item is offered on a right-click
// of the menu bar and the toolbar.
void CreateWindowMenu(CTesterDlg& dialog) {
    auto* menu = new QMenu(&dialog);
    QAction* about = menu->addAction(QCoreApplication::translate("About", res::kAboutMenuText));
    about->setData(static_cast<int>(res::kCmdAbout));
    QObject::connect(about, &QAction::triggered, &dialog, [&dialog] { dialog.OnSysCommand(res::kCmdAbout); });
    for (QWidget* area : {static_cast<QWidget*>(dialog.MenuBar()), static_cast<QWidget*>(dialog.ToolBar())}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(area, &QWidget::customContextMenuRequested, menu,
                         [menu, area](const QPoint& pos) { menu->popup(area->mapToGlobal(pos)); });
    }
}

void ShowAbout(QWidget* owner) {
    CAboutDlg about(owner);
    about.exec();
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size();
    // On a screen smaller than the dialog, its title bar and menu stay within reach.
    screenfit::MoveOnScreen(&window, QPoint(area.x() + (area.width() - frame.width()) / 2,
                                            area.y() + (area.height() - frame.height()) / 2));
}

}  // namespace

CTesterDlg::CTesterDlg(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(res::kProgramName));
    setWindowIcon(res::ProgramIcon());
    setFont(units::DialogFont());
    CreateControls();
    CreateWindowMenu(*this);
    state_ = AllocateReadOutState();
    CreateParts();
    help::OpenGuideOnHelpKey(this, help::kPageReading);
}

// The buffer's memory itself goes with the dialog, after the session and the display that refer to it.
CTesterDlg::~CTesterDlg() {
    state_->table.Clear();
    if (session_.Comm().PortOpen()) {
        session_.Comm().SetPortOpen(false);
    }
    portWatch_->Stop();
    progress_.Close();
}

void CTesterDlg::CreateControls() {
    controls_ = BuildMainControls(*this, [this](int id) { OnCommand(id); });
    // The display panel is made after the list, so these look it up when the list is used.
    connect(controls_.recordList, &QTableWidget::clicked, this, [this] { panel_->OnListClicked(); });
    connect(controls_.recordList, &RecordListView::SelectionMovedByKey, this,
            [this] { panel_->OnListMovedByKey(); });
    connect(controls_.recordList, &QTableWidget::customContextMenuRequested, this,
            [this] { panel_->OnListClicked(); });
}

// A read-out is kept by the accept step before anything is shown (DialogLinkView::ImageAccepted), so the
// end of a command needs nothing more here. The display's controls are children of the client area at
// their dialog-unit places, so the chart covers frame 1107 exactly.
void CTesterDlg::CreateParts() {
    archiveHook_ = std::make_unique<ArchiveHook>(*state_);
    panel::PanelBindings bindings{*state_, [this] { return FirstSelectedRow(controls_.recordList); }};
    panel_ = std::make_unique<panel::DisplayPanel>(controls_.client, std::move(bindings), QPoint(0, 0),
                                                   units::DialogUnits(font()));
    view_ = std::make_unique<DialogLinkView>(*this, *panel_, *controls_.recordList, progress_, *state_,
                                             *archiveHook_);
    commands_ = std::make_unique<link::CommandHost>(session_, *view_, *state_);
    team_ = std::make_unique<TeamCommand>(*this);
    portChoice_ = std::make_unique<PortCommand>(session_, *this);
    fastReadOut_ = std::make_unique<FastReadOutItem>(*controls_.menu, session_);
    languages_ = std::make_unique<LanguageMenu>(*controls_.menu);
    workbook_ = std::make_unique<WorkbookSave>(*state_, progress_, *this);
    history_ = std::make_unique<HistoryCommand>(*archiveHook_, team_->Session(), *view_, *state_, *this);
    portWatch_ = std::make_unique<app::PortWatch>(*commands_);
}

QWidget* CTesterDlg::IdlePicture() const {
    return panel_->Control(1123);
}

void CTesterDlg::OnCommand(int id) {
    switch (id) {
        case res::kCmdRead:
            commands_->Read();
            break;
        case res::kCmdSave:
            workbook_->Run();
            break;
        case res::kCmdPrint:
            PrintRecords(state_->dataRead, state_->buffer);
            break;
        case res::kCmdShow:
            panel_->OnShowCommand();
            break;
        case res::kCmdDateTime:
            commands_->SetClock();
            break;
        case res::kCmdEraseCurrent:
            commands_->EraseCurrent();
            break;
        case res::kCmdEraseAll:
            commands_->EraseAll();
            break;
        case res::kCmdHelp:
            ShowAbout(this);
            break;
        case res::kCmdExit:
            accept();
            break;
        case res::kCmdHistory:
            history_->Open();
            break;
        case res::kCmdTeam:
            team_->Open();
            break;
        case res::kCmdPort:
            portChoice_->Choose();
            break;
        case res::kCmdFastReadOut:
            fastReadOut_->Toggle();
            break;
        case res::kCmdLanguageChinese:
        case res::kCmdLanguageEnglish:
        case res::kCmdLanguageGerman:
            languages_->Choose(id);
            break;
        default:
            break;
    }
}

void CTesterDlg::OnSysCommand(int id) {
    if (res::IsAboutCommand(id)) {
        ShowAbout(this);
    }
}

void CTesterDlg::closeEvent(QCloseEvent* event) {
    if (session_.Busy()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
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
        CentreOnScreen(*this);
    }
}

}  // namespace terrovane::app
