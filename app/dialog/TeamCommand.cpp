#include "TeamCommand.h"

#include "ArchivePath.h"

namespace terrovane::app {

TeamCommand::TeamCommand(QWidget& owner)
    : owner_(owner), session_(std::make_unique<teamui::TeamSession>(archive::DefaultArchivePath())) {
    session_->Restore();
}

TeamCommand::~TeamCommand() = default;

void TeamCommand::Open() {
    if (window_ == nullptr) {
        window_ = std::make_unique<teamui::TeamDialog>(*session_, &owner_);
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace terrovane::app
