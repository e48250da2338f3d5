#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>

#include <cstdint>
#include <functional>
#include <memory>

#include "CommandHost.h"
#include "DialogLinkView.h"
#include "DisplayPanel.h"
#include "HistoryWindow.h"
#include "InstrumentSession.h"
#include "ProgressSlot.h"
#include "ReadOutState.h"
#include "TeamDialog.h"
#include "TeamSession.h"

namespace terrovane::menu {
class CMenuEx;
}

namespace terrovane::app {

class ArchiveHook;

// The main window: menu bar, toolbar, the place of the simulated display and the 100-row record list.
// It runs modally for the whole program; the program ends when it closes.
class CTesterDlg : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kPortWatchTimerId = 2;
    static constexpr int kPortWatchIntervalMs = 5;

    explicit CTesterDlg(QWidget* parent = nullptr);
    ~CTesterDlg() override;

    QMenuBar* MenuBar() const { return menuBar_; }
    QToolBar* ToolBar() const { return toolBar_; }
    QTableWidget* RecordList() const { return recordList_; }
    // The client area that holds every control; positions in it come from dialog units.
    QWidget* ClientArea() const { return client_; }
    // Control 1107: the display panel and its chart are placed over this frame's rectangle.
    QFrame* DisplayFrame() const { return displayFrame_; }
    // Control 1123: shown over the display while the instrument is attached and idle.
    QWidget* IdlePicture() const;
    const QTimer& PortWatchTimer() const { return portWatchTimer_; }
    menu::CMenuEx& Menu() const { return *menu_; }
    panel::DisplayPanel& Panel() const { return *panel_; }
    // The instrument session and the host that runs the user's commands on it.
    link::InstrumentSession& Session() { return session_; }
    link::CommandHost& Commands() { return *commands_; }
    link::CMSComm& Comm() { return session_.Comm(); }
    ArchiveHook& Archive() const { return *archiveHook_; }
    history::HistoryWindow* History() const { return history_.get(); }
    // The team server's session (sign-in, syncs) and File > Team...'s dialog once opened.
    teamui::TeamSession& Team() const { return *team_; }
    teamui::TeamDialog* TeamWindow() const { return teamDialog_.get(); }
    // Loads an archived read-out as though it had just been read; false after a message.
    bool OpenArchivedReadOut(qint64 readoutId);
    // The read-out state the link, the display, Save and Print share; this dialog owns it.
    record::ReadOutState& State() const { return *state_; }
    // The one progress window of a running read-out or save.
    ui::ProgressSlot& Progress() { return progress_; }
    // Where the last Save wrote (or tried to write) its workbook.
    const QString& ExportPath() const { return exportPath_; }

    // Runs one command by id, as the menu, the toolbar and the window menu do.
    void OnCommand(int id);
    // Window-menu commands: the about item and its low-nibble variants open the about box.
    void OnSysCommand(int id);

    // Takes `port` for the instrument's commands from now on, and remembers it for the next start.
    void ApplyPortChoice(const platform::BridgePort& port);

    // Asks where Save writes the workbook; empty when the user cancels. Tests put their own path here.
    std::function<QString()> saveFileChooser;

  protected:
    void showEvent(QShowEvent* event) override;
    // A close request while a command paces its lines is dropped (the progress window keeps the dialog
    // disabled then, which stops every other input).
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void InitDialog();
    void CreateControls();
    void CreateWindowMenu();
    void AllocateReadOutState();
    void ShutDown();
    void CentreOnScreen();
    void CreateMenu();
    void CreateLink();
    void ApplyFastReadOut(bool fast);
    QString ChooseSaveFile();
    void OpenSaveProgress();

    // Command handlers: one per command id.
    void OnRead() { ReadRecords(); }
    void OnSave() { SaveRecords(); }
    void OnPrint() { PrintRecords(); }
    void OnShow() { ShowNextRecord(); }
    void OnDateTime() { SetInstrumentClock(); }
    void OnEraseCurrent() { EraseCurrentRecord(); }
    void OnEraseAll() { EraseAllRecords(); }
    void OnAbout();
    void OnExit() { accept(); }
    void OnHistory();
    void OnTeam();
    void CreateTeamSession();
    void OnChoosePort();
    void LoadPortChoice();
    void OnFastReadOut();
    void OnLanguage(int id);
    void ShowLanguageChecks(int checkedId);
    void OnListClicked();
    void OnListMovedByKey();
    void OnTimer() { WatchPort(); }

    void ReadRecords();
    void SaveRecords() { ExportWorkbook(); }
    void ExportWorkbook();
    void PrintRecords();
    void ShowNextRecord();
    void SetInstrumentClock();
    void EraseCurrentRecord();
    void EraseAllRecords();
    void InitDisplay();
    void ClosePortIfOpen();
    void WatchPort();
    void PacePortWatch();
    void OnCommandEnded(const link::Outcome& outcome);

    // Members go in the reverse order of their declaration: everything that refers to the read-out
    // state, the session or the archive is declared after it and so is destroyed before it. The widgets
    // without a member of their own are children of this dialog and go last, referring to nothing here.
    std::unique_ptr<record::ReadOutState> state_;
    link::InstrumentSession session_;
    ui::ProgressSlot progress_{this};
    QString exportPath_;
    menu::CMenuEx* menu_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QFrame* listFrame_ = nullptr;
    QTableWidget* recordList_ = nullptr;
    QFrame* displayFrame_ = nullptr;
    std::unique_ptr<panel::DisplayPanel> panel_;
    std::unique_ptr<DialogLinkView> view_;
    std::unique_ptr<link::CommandHost> commands_;
    std::unique_ptr<ArchiveHook> archiveHook_;
    std::unique_ptr<teamui::TeamSession> team_;
    std::unique_ptr<teamui::TeamDialog> teamDialog_;
    std::unique_ptr<history::HistoryWindow> history_;
    QTimer portWatchTimer_;
    QMetaObject::Connection portWatchPace_;
    bool centred_ = false;
};

}  // namespace terrovane::app
