#pragma once

#include <QWidget>

#include <memory>

#include "TeamDialog.h"
#include "TeamSession.h"

namespace terrovane::app {

// File > Team...: the team server's sign-in and syncs. The session lives as long as the main window, so
// the automatic syncs go on with the dialog closed.
class TeamCommand {
  public:
    // Restores the remembered sign-in.
    explicit TeamCommand(QWidget& owner);
    ~TeamCommand();

    // Opens the dialog, made on first use, and brings it to the front.
    void Open();
    teamui::TeamSession& Session() const { return *session_; }
    teamui::TeamDialog* Window() const { return window_.get(); }

  private:
    QWidget& owner_;
    // Declared before the dialog, which refers to it, so that it is destroyed after it.
    std::unique_ptr<teamui::TeamSession> session_;
    std::unique_ptr<teamui::TeamDialog> window_;
};

}  // namespace terrovane::app
