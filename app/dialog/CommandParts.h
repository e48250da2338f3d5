#pragma once

#include <QDialog>

#include <memory>

#include "FastReadOutItem.h"
#include "HistoryCommand.h"
#include "LanguageMenu.h"
#include "PortCommand.h"
#include "PortWatch.h"
#include "ProgressSlot.h"
#include "ReadOutParts.h"
#include "TeamCommand.h"
#include "WorkbookSave.h"

namespace terrovane::menu {
class CMenuEx;
}

namespace terrovane::app {

// The parts behind the main window's commands that keep state of their own: the save, the history and
// team windows, the port choice and watch, the language and fast read-out items.
class CommandParts {
  public:
    CommandParts(QDialog& owner, menu::CMenuEx& menu, ReadOutParts& readOut, ui::ProgressSlot& progress,
                 record::ReadOutState& state, link::InstrumentSession& session);
    ~CommandParts();
    CommandParts(const CommandParts&) = delete;
    CommandParts& operator=(const CommandParts&) = delete;

    WorkbookSave& Workbook() const { return *workbook_; }
    HistoryCommand& History() const { return *history_; }
    TeamCommand& Team() const { return *team_; }
    PortCommand& PortChoice() const { return *portChoice_; }
    app::PortWatch& Watch() const { return *portWatch_; }
    FastReadOutItem& FastReadOut() const { return *fastReadOut_; }
    LanguageMenu& Languages() const { return *languages_; }

  private:
    // Declared in the order they are made: the history window uses the team's session.
    std::unique_ptr<TeamCommand> team_;
    std::unique_ptr<PortCommand> portChoice_;
    std::unique_ptr<FastReadOutItem> fastReadOut_;
    std::unique_ptr<LanguageMenu> languages_;
    std::unique_ptr<WorkbookSave> workbook_;
    std::unique_ptr<HistoryCommand> history_;
    std::unique_ptr<app::PortWatch> portWatch_;
};

}  // namespace terrovane::app
