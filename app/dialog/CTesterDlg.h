#pragma once

#include <QDialog>
#include <QFrame>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolBar>

#include <memory>

#include "CommandHost.h"
#include "DialogLinkView.h"
#include "DisplayPanel.h"
#include "FastReadOutItem.h"
#include "HistoryCommand.h"
#include "InstrumentSession.h"
#include "LanguageMenu.h"
#include "MainControls.h"
#include "PortCommand.h"
#include "PortWatch.h"
#include "ProgressSlot.h"
#include "ReadOutState.h"
#include "TeamCommand.h"
#include "WorkbookSave.h"

namespace terrovane::menu {
class CMenuEx;
}

namespace terrovane::app {

class ArchiveHook;

// The main window: menu bar, toolbar, the place of the simulated display and the 100-row record list.
// It runs modally for the whole program; the program ends when it closes. Each command that keeps state
// of its own is a part of it (the save, the history and team windows, the port choice and watch, the
// language and fast read-out items); the dialog holds the parts and routes the commands to them.
class CTesterDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CTesterDlg(QWidget* parent = nullptr);
    ~CTesterDlg() override;

    QMenuBar* MenuBar() const { return controls_.menuBar; }
    QToolBar* ToolBar() const { return controls_.toolBar; }
    QTableWidget* RecordList() const { return controls_.recordList; }
    // The client area that holds every control; positions in it come from dialog units.
    QWidget* ClientArea() const { return controls_.client; }
    // Control 1107: the display panel and its chart are placed over this frame's rectangle.
    QFrame* DisplayFrame() const { return controls_.displayFrame; }
    // Control 1123: shown over the display while the instrument is attached and idle.
    QWidget* IdlePicture() const;
    menu::CMenuEx& Menu() const { return *controls_.menu; }
    panel::DisplayPanel& Panel() const { return *panel_; }
    // The instrument session and the host that runs the user's commands on it.
    link::InstrumentSession& Session() { return session_; }
    link::CommandHost& Commands() { return *commands_; }
    link::CMSComm& Comm() { return session_.Comm(); }
    ArchiveHook& Archive() const { return *archiveHook_; }
    // The read-out state the link, the display, Save and Print share; this dialog owns it.
    record::ReadOutState& State() const { return *state_; }
    // The one progress window of a running read-out or save.
    ui::ProgressSlot& Progress() { return progress_; }

    // The parts behind the commands that keep state of their own.
    WorkbookSave& Workbook() const { return *workbook_; }
    HistoryCommand& History() const { return *history_; }
    TeamCommand& Team() const { return *team_; }
    PortCommand& PortChoice() const { return *portChoice_; }
    app::PortWatch& Watch() const { return *portWatch_; }

    // Runs one command by id, as the menu, the toolbar and the window menu do.
    void OnCommand(int id);
    // Window-menu commands: the about item and its low-nibble variants open the about box.
    void OnSysCommand(int id);

  protected:
    void showEvent(QShowEvent* event) override;
    // A close request while a command paces its lines is dropped (the progress window keeps the dialog
    // disabled then, which stops every other input).
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    void CreateParts();

    // Members go in the reverse order of their declaration: everything that refers to the read-out
    // state, the session or the archive is declared after it and so is destroyed before it. The widgets
    // are children of this dialog and go last, referring to nothing here.
    std::unique_ptr<record::ReadOutState> state_;
    link::InstrumentSession session_;
    ui::ProgressSlot progress_{this};
    MainControls controls_;
    std::unique_ptr<ArchiveHook> archiveHook_;
    std::unique_ptr<panel::DisplayPanel> panel_;
    std::unique_ptr<DialogLinkView> view_;
    std::unique_ptr<link::CommandHost> commands_;
    std::unique_ptr<TeamCommand> team_;
    std::unique_ptr<PortCommand> portChoice_;
    std::unique_ptr<FastReadOutItem> fastReadOut_;
    std::unique_ptr<LanguageMenu> languages_;
    std::unique_ptr<WorkbookSave> workbook_;
    std::unique_ptr<HistoryCommand> history_;
    std::unique_ptr<app::PortWatch> portWatch_;
    bool centred_ = false;
};

}  // namespace terrovane::app
