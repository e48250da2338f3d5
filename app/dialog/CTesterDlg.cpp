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
    for (QWidget* area : {static_cast<QWidget*>(dialog.Controls().menuBar),
                          static_cast<QWidget*>(dialog.Controls().toolBar)}) {
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
    readOut_ = std::make_unique<ReadOutParts>(*this, controls_, progress_, *state_, session_);
    commandParts_ =
        std::make_unique<CommandParts>(*this, *controls_.menu, *readOut_, progress_, *state_, session_);
    help::OpenGuideOnHelpKey(this, help::kPageReading);
}

// The buffer's memory itself goes with the dialog, after the session and the display that refer to it.
CTesterDlg::~CTesterDlg() {
    state_->table.Clear();
    if (session_.Comm().PortOpen()) {
        session_.Comm().SetPortOpen(false);
    }
    commandParts_->Watch().Stop();
    progress_.Close();
}

void CTesterDlg::CreateControls() {
    controls_ = BuildMainControls(*this, [this](int id) { OnCommand(id); });
    // The display panel is made after the list, so these look it up when the list is used.
    connect(controls_.recordList, &QTableWidget::clicked, this, [this] { Panel().OnListClicked(); });
    connect(controls_.recordList, &RecordListView::SelectionMovedByKey, this,
            [this] { Panel().OnListMovedByKey(); });
    connect(controls_.recordList, &QTableWidget::customContextMenuRequested, this,
            [this] { Panel().OnListClicked(); });
}

QWidget* CTesterDlg::IdlePicture() const {
    return Panel().Control(1123);
}

void CTesterDlg::OnCommand(int id) {
    switch (id) {
        case res::kCmdRead:
            Commands().Read();
            break;
        case res::kCmdSave:
            commandParts_->Workbook().Run();
            break;
        case res::kCmdPrint:
            PrintRecords(state_->dataRead, state_->buffer);
            break;
        case res::kCmdShow:
            Panel().OnShowCommand();
            break;
        case res::kCmdDateTime:
            Commands().SetClock();
            break;
        case res::kCmdEraseCurrent:
            Commands().EraseCurrent();
            break;
        case res::kCmdEraseAll:
            Commands().EraseAll();
            break;
        case res::kCmdHelp:
            ShowAbout(this);
            break;
        case res::kCmdExit:
            accept();
            break;
        case res::kCmdHistory:
            commandParts_->History().Open();
            break;
        case res::kCmdTeam:
            commandParts_->Team().Open();
            break;
        case res::kCmdPort:
            commandParts_->PortChoice().Choose();
            break;
        case res::kCmdFastReadOut:
            commandParts_->FastReadOut().Toggle();
            break;
        case res::kCmdLanguageChinese:
        case res::kCmdLanguageEnglish:
        case res::kCmdLanguageGerman:
            commandParts_->Languages().Choose(id);
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
