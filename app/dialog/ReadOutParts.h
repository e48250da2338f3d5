#pragma once

#include <QDialog>

#include <memory>

#include "CommandHost.h"
#include "DialogLinkView.h"
#include "DisplayPanel.h"
#include "InstrumentSession.h"
#include "MainControls.h"
#include "ProgressSlot.h"
#include "ReadOutState.h"

namespace terrovane::app {

class ArchiveHook;

// What a read-out passes through on its way to the screen: the archive's accept step, the display panel
// over the main window's frame, the view the instrument commands change and the host that runs them.
class ReadOutParts {
  public:
    ReadOutParts(QDialog& dialog, const MainControls& controls, ui::ProgressSlot& progress,
                 record::ReadOutState& state, link::InstrumentSession& session);
    ~ReadOutParts();
    ReadOutParts(const ReadOutParts&) = delete;
    ReadOutParts& operator=(const ReadOutParts&) = delete;

    ArchiveHook& Archive() const { return *archiveHook_; }
    panel::DisplayPanel& Panel() const { return *panel_; }
    DialogLinkView& View() const { return *view_; }
    link::CommandHost& Commands() const { return *commands_; }

  private:
    // Declared in the order they are made: each refers only to those before it.
    std::unique_ptr<ArchiveHook> archiveHook_;
    std::unique_ptr<panel::DisplayPanel> panel_;
    std::unique_ptr<DialogLinkView> view_;
    std::unique_ptr<link::CommandHost> commands_;
};

}  // namespace terrovane::app
