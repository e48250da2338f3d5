#pragma once

#include <QDialog>
#include <QFrame>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolBar>

#include <memory>

#include "CommandHost.h"
#include "CommandParts.h"
#include "DisplayPanel.h"
#include "InstrumentSession.h"
#include "MainControls.h"
#include "ProgressSlot.h"
#include "ReadOutParts.h"
#include "ReadOutState.h"

namespace terrovane::menu {
class CMenuEx;
}

namespace terrovane::app {

class ArchiveHook;

// The main window: menu bar, toolbar, the place of the simulated display and the 100-row record list.
// It runs modally for the whole program; the program ends when it closes. Each command that keeps state
// of its own is a part of it (the save, the history and team windows, the port choice and watch, the
// language and fast read-out items), and so is what a read-out passes through on its way to the screen;
// the dialog holds the parts and routes the commands to them.
class CTesterDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CTesterDlg(QWidget* parent = nullptr);
    ~CTesterDlg() override;

    // The menu bar, the toolbar, the client area that holds every control (positions in it come from
    // dialog units), the display's frame 1107 and the record list.
    const MainControls& Controls() const { return controls_; }
    QTableWidget* RecordList() const { return controls_.recordList; }
    // Control 1123: shown over the display while the instrument is attached and idle.
    QWidget* IdlePicture() const;
    panel::DisplayPanel& Panel() const { return readOut_->Panel(); }
    // The instrument session and the host that runs the user's commands on it.
    link::InstrumentSession& Session() { return session_; }
    link::CommandHost& Commands() { return readOut_->Commands(); }
    ArchiveHook& Archive() const { return readOut_->Archive(); }
    // The read-out state the link, the display, Save and Print share; this dialog owns it.
    record::ReadOutState& State() const { return *state_; }
    // The one progress window of a running read-out or save.
    ui::ProgressSlot& Progress() { return progress_; }

    // The parts behind the commands that keep state of their own.
    CommandParts& Parts() const { return *commandParts_; }

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

    // Members go in the reverse order of their declaration: everything that refers to the read-out
    // state, the session or the archive is declared after it and so is destroyed before it. The widgets
    // are children of this dialog and go last, referring to nothing here.
    std::unique_ptr<record::ReadOutState> state_;
    link::InstrumentSession session_;
    ui::ProgressSlot progress_{this};
    MainControls controls_;
    std::unique_ptr<ReadOutParts> readOut_;
    std::unique_ptr<CommandParts> commandParts_;
    bool centred_ = false;
};

}  // namespace terrovane::app
