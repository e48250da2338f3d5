#include "CommandParts.h"

namespace terrovane::app {

CommandParts::CommandParts(QDialog& owner, menu::CMenuEx& menu, ReadOutParts& readOut,
                           ui::ProgressSlot& progress, record::ReadOutState& state,
                           link::InstrumentSession& session) {
    team_ = std::make_unique<TeamCommand>(owner);
    portChoice_ = std::make_unique<PortCommand>(session, owner);
    fastReadOut_ = std::make_unique<FastReadOutItem>(menu, session);
    languages_ = std::make_unique<LanguageMenu>(menu);
    workbook_ = std::make_unique<WorkbookSave>(state, progress, owner);
    history_ =
        std::make_unique<HistoryCommand>(readOut.Archive(), team_->Session(), readOut.View(), state, owner);
    portWatch_ = std::make_unique<app::PortWatch>(readOut.Commands());
}

CommandParts::~CommandParts() = default;

}  // namespace terrovane::app
